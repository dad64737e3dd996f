// Linking an image's code against the runtime export table and shared libraries.
#include "image/linker.h"

#include "base/bytecursor.h"
#include "image/exporttable.h"
#include "image/imagefault.h"
#include "image/linkrecords.h"

#include <windows.h>

#include <utility>

namespace {

struct LoadedLibrary {
    std::string name;
    HMODULE module;
};

std::vector<LoadedLibrary> loadedLibraries;
std::vector<DeferredMember> deferredMembers;
LinkedImage currentImage;

HMODULE sharedLibrary(const std::string& name)
{
    for (const LoadedLibrary& library : loadedLibraries) {
        if (lstrcmpiA(library.name.c_str(), name.c_str()) == 0)
            return library.module;
    }
    HMODULE module = LoadLibraryA(name.c_str());
    if (module)
        loadedLibraries.push_back({name, module});
    return module;
}

// "!X" library "!" routine.
bool resolveSharedLibraryRoutine(const std::string& text, uint32_t& address, std::string& error)
{
    size_t split = text.find('!', 2);
    std::string library = text.substr(2, split == std::string::npos ? std::string::npos : split - 2);
    std::string routine = split == std::string::npos ? std::string() : text.substr(split + 1);
    HMODULE module = sharedLibrary(library);
    if (!module) {
        error = "The application could not be loaded because a necessary shared library " + library +
                " could not be found.";
        return false;
    }
    FARPROC found = routine.empty() ? nullptr : GetProcAddress(module, routine.c_str());
    if (!found) {
        error = "The application could not be loaded because the routine " + routine +
                " could not be found in the shared library " + library + ".";
        return false;
    }
    address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(found));
    return true;
}

bool resolveRuntimeRoutine(const std::string& name, const ExportIndex& exports, uint32_t& address, std::string& error)
{
    const ExportSlot* slot = exports.find(name.c_str());
    if (!slot) {
        error = formatText("The application could not be loaded because it calls the routine %s, "
                           "which this runtime does not provide.",
                           name.c_str());
        return false;
    }
    address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(slot->routine));
    return true;
}

struct ResolvedImport {
    uint32_t firstSite;
    uint32_t address;
};

// Resolves every import in record order, so the first failing record gives the message.
bool resolveImports(const std::vector<LinkRecord>& records, const ExportIndex& exports, uint8_t* code,
                    std::vector<ResolvedImport>& resolved, std::vector<DeferredMember>& members, std::string& error)
{
    for (const LinkRecord& record : records) {
        if (record.kind != LinkRecordKind::Import)
            continue;
        const std::string& name = record.name;
        uint32_t address = 0;
        if (name == "!") {
            error =
                imageDamaged(imageFault(linkRecordPlace(record.recordOffset), "the import name \"!\" names nothing"));
            return false;
        }
        if (name.size() >= 2 && name[0] == '!' && name[1] != 'X') {
            members.insert(members.begin(), {name.substr(1), record.codeOffset, code});
            continue;
        }
        bool ok = name[0] == '!' ? resolveSharedLibraryRoutine(name, address, error)
                                 : resolveRuntimeRoutine(name, exports, address, error);
        if (!ok)
            return false;
        resolved.push_back({record.codeOffset, address});
    }
    return true;
}

} // namespace

bool linkImage(const LinkedImage& image, const uint8_t* records, uint32_t length, const ExportIndex& exports,
               std::string& error)
{
    currentImage = image;
    if (length < 1)
        return true;
    std::vector<LinkRecord> parsed;
    if (!parseLinkRecords(records, length, image.code, image.codeSize, parsed, error))
        return false;
    std::vector<ResolvedImport> resolved;
    std::vector<DeferredMember> members;
    if (!resolveImports(parsed, exports, image.code, resolved, members, error))
        return false;
    uint32_t dataBase = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(image.data));
    for (const LinkRecord& record : parsed) {
        if (record.kind == LinkRecordKind::Fixup) {
            uint8_t* word = image.code + record.codeOffset;
            storeU32LE(word, loadU32LE(word) + dataBase);
        }
    }
    for (const ResolvedImport& import : resolved)
        patchCallChain(image.code, import.firstSite, import.address);
    members.insert(members.end(), deferredMembers.begin(), deferredMembers.end());
    deferredMembers = std::move(members);
    return true;
}

std::vector<DeferredMember>& linkDeferredMembers()
{
    return deferredMembers;
}

const LinkedImage& linkedImage()
{
    return currentImage;
}

// Link records of an image: parsed and checked against the code block before anything is patched.
#include "host/image/linkrecords.h"

#include "host/base/bytecursor.h"
#include "host/image/imageerror.h"

namespace {

constexpr uint8_t kindImport = 1;
constexpr uint8_t kindFixup = 2;

// Marks the bytes of every word that linking will patch, so that no two patches overlap.
class PatchedWords {
public:
    explicit PatchedWords(uint32_t codeSize) : used(codeSize, false) {}

    bool fits(uint32_t offset) const { return used.size() >= 4 && offset <= used.size() - 4; }

    bool claim(uint32_t offset)
    {
        for (uint32_t i = offset; i < offset + 4; ++i) {
            if (used[i])
                return false;
        }
        for (uint32_t i = offset; i < offset + 4; ++i)
            used[i] = true;
        return true;
    }

private:
    std::vector<bool> used;
};

struct Parser {
    ByteCursor cursor;
    const uint8_t* code;
    uint32_t codeSize;
    PatchedWords patched;
    std::vector<LinkRecord>& parsed;
    std::string& error;

    bool fail(std::string message)
    {
        error = std::move(message);
        return false;
    }

    bool checkFixup(uint32_t at, uint32_t offset)
    {
        if (!patched.fits(offset))
            return fail(imageDamaged("link record at 0x%X: fixup at 0x%X leaves the code block (0x%X bytes)",
                                     at, offset, codeSize));
        if (!patched.claim(offset))
            return fail(imageDamaged("link record at 0x%X: fixup at 0x%X overlaps another patched word", at, offset));
        return true;
    }

    bool checkChain(uint32_t at, uint32_t site, const std::string& name)
    {
        while (site != 0) {
            if (!patched.fits(site))
                return fail(imageDamaged("link record at 0x%X: call site of %s at 0x%X leaves the code block (0x%X bytes)",
                                         at, name.c_str(), site, codeSize));
            if (!patched.claim(site))
                return fail(imageDamaged("link record at 0x%X: call-site chain of %s loops or overlaps at 0x%X",
                                         at, name.c_str(), site));
            site = ByteCursor::load32LE(code + site);
        }
        return true;
    }

    bool readFixup(uint32_t at)
    {
        uint32_t offset;
        if (!cursor.readU32LE(offset))
            return fail(imageDamaged("link record at 0x%X: the fixup is cut short", at));
        if (!checkFixup(at, offset))
            return false;
        parsed.push_back({LinkRecordKind::Fixup, at, offset, {}});
        return true;
    }

    bool readImport(uint32_t at)
    {
        uint32_t firstSite;
        uint8_t nameLength;
        const uint8_t* name;
        if (!cursor.readU32LE(firstSite) || !cursor.readU8(nameLength) || !cursor.readBytes(nameLength, name))
            return fail(imageDamaged("link record at 0x%X: the import is cut short", at));
        if (nameLength == 0)
            return fail(imageDamaged("link record at 0x%X: an import without a name", at));
        std::string text(reinterpret_cast<const char*>(name), nameLength);
        if (text.find('\0') != std::string::npos)
            return fail(imageDamaged("link record at 0x%X: an import name holds a 0 byte", at));
        if (!checkChain(at, firstSite, text))
            return false;
        parsed.push_back({LinkRecordKind::Import, at, firstSite, std::move(text)});
        return true;
    }

    bool run()
    {
        while (!cursor.atEnd()) {
            uint32_t at = cursor.position();
            uint8_t kind;
            cursor.readU8(kind);
            bool ok = kind == kindFixup ? readFixup(at) : kind == kindImport ? readImport(at) : true;
            if (!ok)
                return false;
        }
        return true;
    }
};

} // namespace

bool parseLinkRecords(const uint8_t* records, uint32_t length, const uint8_t* code, uint32_t codeSize,
                      std::vector<LinkRecord>& parsed, std::string& error)
{
    Parser parser{ByteCursor(records, length), code, codeSize, PatchedWords(codeSize), parsed, error};
    return parser.run();
}

void patchCallChain(uint8_t* code, uint32_t firstSite, uint32_t target)
{
    uint32_t codeBase = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(code));
    for (uint32_t site = firstSite; site != 0;) {
        uint32_t next = ByteCursor::load32LE(code + site);
        ByteCursor::store32LE(code + site, target - (codeBase + site + 4));
        site = next;
    }
}

// Link records of an image: parsed and checked against the code block before anything is patched.
#include "image/linkrecords.h"

#include "base/bytecursor.h"
#include "image/imagefault.h"
#include "image/linkrecordformat.h"

#include <span>

namespace {

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

class Parser : public ImageFaults {
public:
    Parser(const uint8_t* records, uint32_t length, const uint8_t* code, uint32_t codeSize,
           std::vector<LinkRecord>& parsed)
        : cursor(records, length), code(code), codeSize(codeSize), patched(codeSize), parsed(parsed)
    {}

    bool run()
    {
        while (!cursor.atEnd()) {
            at = static_cast<uint32_t>(cursor.position());
            uint8_t kind;
            cursor.readU8(kind);
            bool ok = kind == linkRecordFixup ? readFixup() : kind == linkRecordImport ? readImport() : true;
            if (!ok)
                return false;
        }
        return true;
    }

private:
    ImageFaultPlace faultPlace() const override { return linkRecordPlace(at); }

    bool checkFixup(uint32_t offset)
    {
        if (!patched.fits(offset))
            return fail("fixup at 0x%X leaves the code block (0x%X bytes)", offset, codeSize);
        if (!patched.claim(offset))
            return fail("fixup at 0x%X overlaps another patched word", offset);
        return true;
    }

    bool checkChain(uint32_t site, const std::string& name)
    {
        while (site != linkChainEnd) {
            if (!patched.fits(site))
                return fail("call site of %s at 0x%X leaves the code block (0x%X bytes)", name.c_str(), site, codeSize);
            if (!patched.claim(site))
                return fail("call-site chain of %s loops or overlaps at 0x%X", name.c_str(), site);
            site = loadU32LE(code + site);
        }
        return true;
    }

    bool readFixup()
    {
        uint32_t offset;
        if (!cursor.readU32LE(offset))
            return fail("the fixup is cut short");
        if (!checkFixup(offset))
            return false;
        parsed.push_back({LinkRecordKind::Fixup, at, offset, {}});
        return true;
    }

    bool readImport()
    {
        uint32_t firstSite;
        uint8_t nameLength;
        std::span<const uint8_t> name;
        if (!cursor.readU32LE(firstSite) || !cursor.readU8(nameLength) || !cursor.readBytes(nameLength, name))
            return fail("the import is cut short");
        if (nameLength == 0)
            return fail("an import without a name");
        std::string text(name.begin(), name.end());
        if (text.find('\0') != std::string::npos)
            return fail("an import name holds a 0 byte");
        if (!checkChain(firstSite, text))
            return false;
        parsed.push_back({LinkRecordKind::Import, at, firstSite, std::move(text)});
        return true;
    }

    ByteCursor cursor;
    const uint8_t* code;
    uint32_t codeSize;
    PatchedWords patched;
    std::vector<LinkRecord>& parsed;
    uint32_t at = 0; // where the record being read starts
};

} // namespace

bool parseLinkRecords(const uint8_t* records, uint32_t length, const uint8_t* code, uint32_t codeSize,
                      std::vector<LinkRecord>& parsed, std::string& error)
{
    Parser parser(records, length, code, codeSize, parsed);
    if (parser.run())
        return true;
    error = imageDamaged(parser.fault());
    return false;
}

ImageFaultPlace linkRecordPlace(uint32_t recordOffset)
{
    return {"link record", ImageOffsetUnit::recordOffset, recordOffset};
}

void patchCallChain(uint8_t* code, uint32_t firstSite, uint32_t target)
{
    uint32_t codeBase = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(code));
    for (uint32_t site = firstSite; site != linkChainEnd;) {
        uint32_t next = loadU32LE(code + site);
        storeU32LE(code + site, target - (codeBase + site + 4));
        site = next;
    }
}

// Test-only helpers for linking objects built with CoffBuilder.
#pragma once

#include "common/diagnostics.h"
#include "imagelink/image_linker.h"
#include "tests/coff_builder.h"
#include "tests/image_reader.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace testsupport {

inline imagelink::ExportNames testExports()
{
    imagelink::ExportNames names;
    for (const char* name : {"RuntimeBeep", "RuntimeMsgBox", "RuntimeNewObject", "StringLen"})
        names.add(name);
    return names;
}

// An object that supplies the two agreed symbols: _ImageEntry (a "ret") and _ClassTable.
inline imagelink::InputObject headerObject()
{
    CoffBuilder object;
    const int16_t text = object.addCode({0xC3});
    const int16_t data = object.addData({1, 2, 3, 4});
    object.addSymbol("_ImageEntry", 0, text, kExternal, kFunctionType);
    object.addSymbol("_ClassTable", 0, data);
    return {"header.o", object.build()};
}

struct LinkRun {
    std::optional<imagelink::LinkedImage> image;
    std::vector<std::string> errors;

    const imagelink::LinkedImage& linked() const
    {
        if (!image)
            throw std::runtime_error("link failed: " + (errors.empty() ? std::string() : errors.front()));
        return *image;
    }
    ImageFile file() const { return *readImageFile(imagelink::serializeImage(linked())); }
    // Offset of a map entry; throws when there is none.
    uint32_t offsetOf(const std::string& kind, const std::string& name) const
    {
        for (const imagelink::MapEntry& entry : linked().map) {
            if (entry.kind == kind && entry.name == name)
                return entry.offset;
        }
        throw std::runtime_error("no map entry " + kind + " " + name);
    }
};

// Links `objects` followed by the header object (so the objects' own sections come first
// in each block: code at offset 0, data right after the 8 header bytes).
inline LinkRun runLink(std::vector<imagelink::InputObject> objects, bool withHeader = true,
                       const imagelink::ExportNames& exports = testExports())
{
    if (withHeader)
        objects.push_back(headerObject());
    tools::Diagnostics diagnostics("imagelink");
    LinkRun run;
    run.image = imagelink::linkImage(objects, exports, imagelink::LinkOptions{"ImageEntry", "ClassTable"}, diagnostics);
    run.errors = diagnostics.messages();
    return run;
}

inline std::vector<uint8_t> le32(uint32_t value)
{
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
            static_cast<uint8_t>(value >> 24)};
}

} // namespace testsupport

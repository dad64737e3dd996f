// The C++ definitions of a project item and of a window template.
#include "resgen/item_source.h"

#include "image/projectitemformat.h"
#include "resgen/cpp_text.h"

namespace resgen {

namespace {

constexpr const char* kIndent = "        ";

std::string bytesField(const std::vector<uint8_t>& bytes)
{
    return "{\n" + std::string(kIndent) + byteList(bytes, kIndent) + "}";
}

std::string itemStruct(const std::string& fields, const std::string& symbol, const std::string& values)
{
    return "struct {\n" + fields + "} " + symbol + " = {" + values + "};\n";
}

std::string kindValue(ProjectItemKindCode kind)
{
    return std::to_string(kind);
}

std::string streamItem(const ProjectItem& item, const std::string& symbol, ProjectItemKindCode kind, bool withList)
{
    const std::string size = std::to_string(item.bytes.size());
    return itemStruct(std::string("    unsigned kind;\n") + (withList ? "    const void* list;\n" : "") +
                          "    unsigned length;\n    unsigned char stream[" + size + "];\n",
                      symbol,
                      kindValue(kind) + (withList ? ", nullptr, " : ", ") + size + ", " + bytesField(item.bytes));
}

} // namespace

std::string projectItemSource(const ProjectItem& item, const std::string& symbol)
{
    switch (item.kind) {
    case ProjectItemKind::Picture:
        return itemStruct("    unsigned kind;\n    unsigned transparent;\n    unsigned char picture[" +
                              std::to_string(item.bytes.size()) + "];\n",
                          symbol,
                          kindValue(projectItemPicture) + ", " + std::to_string(item.transparent) + ", " +
                              bytesField(item.bytes));
    case ProjectItemKind::MenuBar:
        return streamItem(item, symbol, projectItemMenuBar, false);
    case ProjectItemKind::Movie:
        return itemStruct("    unsigned kind;\n    unsigned resource;\n", symbol,
                          kindValue(projectItemMovie) + ", " + std::to_string(item.resource));
    case ProjectItemKind::Settings:
        return streamItem(item, symbol, projectItemSettings, true);
    default:
        return itemStruct("    unsigned kind;\n    unsigned classIndex;\n    void* global;\n", symbol,
                          kindValue(projectItemModule) + ", " + std::to_string(item.classIndex) + ", &" + item.global);
    }
}

std::string windowTemplateSymbol(const WindowTemplate& window)
{
    return window.className + "Template";
}

std::string windowTemplateSource(const WindowTemplate& window)
{
    return "alignas(4) unsigned char " + windowTemplateSymbol(window) + "[" + std::to_string(window.stream.size() + 4) +
           "] = {\n    " + u32Bytes(static_cast<uint32_t>(window.stream.size())) + ",\n    " +
           byteList(window.stream, "    ") + "};\n";
}

} // namespace resgen

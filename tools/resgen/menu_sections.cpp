// Sections that describe the menu bar: [menu Name] for each title, [item Title/Name] for each
// item, [item Title/Item/Name] for an item of Item's submenu, [item Title/-] for a separator.
// Titles and items appear in the menu bar in the order of their sections.
#include "resgen/names.h"
#include "resgen/section_readers.h"

namespace resgen {

namespace {

std::vector<std::string> pathParts(const std::string& path)
{
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
        const size_t slash = path.find('/', start);
        parts.push_back(path.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
        if (slash == std::string::npos)
            return parts;
        start = slash + 1;
    }
}

MenuDescription* lastNamed(std::vector<MenuDescription>& menus, const std::string& name)
{
    for (auto it = menus.rbegin(); it != menus.rend(); ++it) {
        if (!it->name.empty() && equalsIgnoringCase(it->name, name))
            return &*it;
    }
    return nullptr;
}

// The menu entry the item goes into: the title, or an item above with a submenu.
MenuDescription* parentOf(const std::vector<std::string>& parts, Descriptions& descriptions)
{
    MenuDescription* parent = lastNamed(descriptions.menuBar, parts[0]);
    for (size_t i = 1; parent != nullptr && i + 1 < parts.size(); ++i)
        parent = lastNamed(parent->items, parts[i]);
    return parent;
}

// An entry every title and item may have; false when the key is none of them.
bool readCommonKey(const Entry& entry, MenuDescription& menu, tools::Diagnostics& diagnostics)
{
    const std::string& key = entry.key[0];
    std::string* text = equalsIgnoringCase(key, "Text")     ? &menu.text
                        : equalsIgnoringCase(key, "extra1") ? &menu.extra1
                        : equalsIgnoringCase(key, "extra2") ? &menu.extra2
                                                            : nullptr;
    if (text != nullptr) {
        if (std::optional<std::string> value = shiftJisValue(entry, diagnostics))
            *text = *value;
        return true;
    }
    if (!equalsIgnoringCase(key, "flag"))
        return false;
    if (std::optional<int32_t> flag = integerValue(entry, 0, 255, diagnostics))
        menu.flag = static_cast<uint8_t>(*flag);
    return true;
}

bool readItemKey(const Entry& entry, MenuDescription& item, tools::Diagnostics& diagnostics)
{
    const std::string& key = entry.key[0];
    if (equalsIgnoringCase(key, "CommandKey")) {
        if (std::optional<std::string> value = shiftJisValue(entry, diagnostics))
            item.commandKey = *value;
    } else if (equalsIgnoringCase(key, "Index")) {
        if (std::optional<int32_t> index = integerValue(entry, 0, INT32_MAX, diagnostics))
            item.index = *index;
    } else if (equalsIgnoringCase(key, "class")) {
        if (std::optional<std::string> name = identifierValue(entry, diagnostics))
            item.itemClass = {*name, "", entry.where};
    } else {
        return readCommonKey(entry, item, diagnostics);
    }
    return true;
}

template <typename ReadKey>
void readEntries(const Section& section, MenuDescription& menu, ReadKey readKey, std::string_view where,
                 tools::Diagnostics& diagnostics)
{
    KeysSeen seen;
    for (const Entry& entry : section.entries) {
        if (entry.key.size() != 1) {
            unknownKey(entry, where, diagnostics);
        } else if (seen.first(entry.key[0], entry.where, diagnostics) && !readKey(entry, menu, diagnostics)) {
            unknownKey(entry, where, diagnostics);
        }
    }
}

} // namespace

void readMenuSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    MenuDescription title;
    title.name = title.text = section.header[1];
    title.where = section.where;
    if (lastNamed(descriptions.menuBar, title.name)) {
        report(diagnostics, section.where, "the menu bar already has a menu " + title.name);
    }
    readEntries(section, title, readCommonKey, "for a menu", diagnostics);
    descriptions.menuBar.push_back(std::move(title));
}

void readItemSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    const std::vector<std::string> parts = pathParts(section.header[1]);
    MenuDescription* parent = parts.size() >= 2 ? parentOf(parts, descriptions) : nullptr;
    if (parent == nullptr) {
        const std::string above = section.header[1].substr(0, section.header[1].rfind('/'));
        return report(diagnostics, section.where,
                      parts.size() < 2 ? "an item is written [item Menu/Name]"
                                       : "no menu entry " + above + " above this item");
    }
    MenuDescription item;
    item.where = section.where;
    if (parts.back() == "-") {
        item.text.assign(1, '-'); // assigned from a char: GCC 12 warns wrongly about a "-" literal here
    } else if (checkIdentifier(parts.back(), section.where, diagnostics)) {
        item.name = item.text = parts.back();
    }
    readEntries(section, item, readItemKey, "for a menu item", diagnostics);
    parent->items.push_back(std::move(item));
}

} // namespace resgen

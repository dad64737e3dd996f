// Menu bar streams written for tests, as the image carries them.
#include "tests/ui/menus/menustream.h"

#include "tests/support/templatestream.h"

namespace {

void writeItems(std::string& stream, const std::vector<MenuItemEntry>& items);

void writeItem(std::string& stream, const MenuItemEntry& item)
{
    writeNumber(stream, item.kind);
    writeText(stream, item.text);
    writeText(stream, item.name);
    writeNumber(stream, item.index);
    writeText(stream, item.commandKey);
    writeText(stream, "extra one");
    writeText(stream, "");
    stream += '\x07';
    stream += item.submenu.empty() ? '\0' : '\1';
    writeNumber(stream, item.classIndex);
    if (!item.submenu.empty())
        writeItems(stream, item.submenu);
}

void writeItems(std::string& stream, const std::vector<MenuItemEntry>& items)
{
    writeNumber(stream, static_cast<int32_t>(items.size()));
    for (const MenuItemEntry& item : items)
        writeItem(stream, item);
}

} // namespace

std::string itemRecord(const MenuItemEntry& item)
{
    std::string stream;
    writeItem(stream, item);
    return stream;
}

std::string titleRecordHead(const MenuTitleEntry& title)
{
    std::string stream;
    writeNumber(stream, title.kind);
    writeText(stream, title.text);
    writeText(stream, title.text + "Menu");
    writeNumber(stream, INT32_MIN);
    writeText(stream, "");
    writeText(stream, "");
    writeText(stream, "");
    stream += '\0';
    stream += '\0';
    writeNumber(stream, 0);
    writeNumber(stream, static_cast<int32_t>(title.items.size()));
    return stream;
}

std::string menuBarStream(const std::vector<MenuTitleEntry>& titles)
{
    std::string stream;
    writeNumber(stream, static_cast<int32_t>(titles.size()));
    for (const MenuTitleEntry& title : titles) {
        stream += titleRecordHead(title);
        for (const MenuItemEntry& item : title.items)
            writeItem(stream, item);
    }
    return stream;
}

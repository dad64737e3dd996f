// Menu bar streams written for tests, as the image carries them.
#include "tests/ui/menus/menustream.h"

#include "tests/support/templatestream.h"

namespace {

void writeItems(std::string& stream, const std::vector<MenuItemEntry>& items);

void writeItem(std::string& stream, const MenuItemEntry& item)
{
    streamAppendNumber(stream, item.kind);
    streamAppendText(stream, item.text);
    streamAppendText(stream, item.name);
    streamAppendNumber(stream, item.index);
    streamAppendText(stream, item.commandKey);
    streamAppendText(stream, "extra one");
    streamAppendText(stream, "");
    stream += '\x07';
    stream += item.submenu.empty() ? '\0' : '\1';
    streamAppendNumber(stream, item.classIndex);
    if (!item.submenu.empty())
        writeItems(stream, item.submenu);
}

void writeItems(std::string& stream, const std::vector<MenuItemEntry>& items)
{
    streamAppendNumber(stream, static_cast<int32_t>(items.size()));
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
    streamAppendNumber(stream, title.kind);
    streamAppendText(stream, title.text);
    streamAppendText(stream, title.text + "Menu");
    streamAppendNumber(stream, streamNotInArray);
    streamAppendText(stream, "");
    streamAppendText(stream, "");
    streamAppendText(stream, "");
    stream += '\0';
    stream += '\0';
    streamAppendNumber(stream, 0);
    streamAppendNumber(stream, static_cast<int32_t>(title.items.size()));
    return stream;
}

std::string menuBarStream(const std::vector<MenuTitleEntry>& titles)
{
    std::string stream;
    streamAppendNumber(stream, static_cast<int32_t>(titles.size()));
    for (const MenuTitleEntry& title : titles) {
        stream += titleRecordHead(title);
        for (const MenuItemEntry& item : title.items)
            writeItem(stream, item);
    }
    return stream;
}

// The menu bar stream of the image, read into checked records before anything is built.
#include "image/menubarstream.h"

#include "image/checkedstream.h"

namespace {

// The smallest record: seven numbers or texts of one byte each, two bytes and the class.
constexpr uint32_t smallestRecord = 10;

// The fields a title and an item share, up to their flags.
template <typename Record> void readSharedFields(ImageStream& stream, Record& out)
{
    out.kind = stream.readNumber();
    out.text = stream.readString();
    out.name = stream.readString();
    out.index = streamArrayIndex(stream.readNumber());
    out.commandKey = stream.readString();
    out.extra1 = stream.readString();
    out.extra2 = stream.readString();
}

class MenuBarReader {
public:
    MenuBarReader(const uint8_t* bytes, uint32_t length) : stream(bytes, length, "menu bar stream, the menu bar") {}

    bool titles(std::vector<MenuTitleRecord>& out);
    const std::string& fault() const { return stream.fault(); }

private:
    bool title(MenuTitleRecord& out);
    bool itemList(std::vector<MenuItemRecord>& out, int32_t depth);
    bool item(MenuItemRecord& out, int32_t depth);

    CheckedStream stream; // its place names the record being read
};

bool MenuBarReader::titles(std::vector<MenuTitleRecord>& out)
{
    int32_t titleCount;
    if (!stream.count(titleCount, smallestRecord))
        return false;
    out.resize(static_cast<size_t>(titleCount));
    for (int32_t i = 0; i < titleCount; ++i) {
        stream.where = "menu bar stream, title " + std::to_string(i + 1);
        if (!title(out[static_cast<size_t>(i)]))
            return false;
    }
    return true;
}

bool MenuBarReader::title(MenuTitleRecord& out)
{
    readSharedFields(stream, out);
    out.flags[0] = stream.readByte();
    out.flags[1] = stream.readByte();
    out.classIndex = stream.readNumber();
    return stream.intact() && itemList(out.items, 1);
}

bool MenuBarReader::itemList(std::vector<MenuItemRecord>& out, int32_t depth)
{
    if (depth > menuNestingLimit)
        return stream.fail("submenus nested deeper than %d", menuNestingLimit);
    int32_t itemCount;
    if (!stream.count(itemCount, smallestRecord))
        return false;
    out.resize(static_cast<size_t>(itemCount));
    std::string outer = stream.where;
    for (int32_t i = 0; i < itemCount; ++i) {
        stream.where = outer + ", item " + std::to_string(i + 1);
        if (!item(out[static_cast<size_t>(i)], depth))
            return false;
    }
    stream.where = outer;
    return true;
}

bool MenuBarReader::item(MenuItemRecord& out, int32_t depth)
{
    readSharedFields(stream, out);
    out.flag = stream.readByte();
    out.hasSubmenu = stream.readByte() != 0;
    out.classIndex = stream.readNumber();
    if (!stream.intact())
        return false;
    return !out.hasSubmenu || itemList(out.submenu, depth + 1);
}

} // namespace

bool menuBarRead(const uint8_t* bytes, uint32_t length, std::vector<MenuTitleRecord>& titles, std::string& error)
{
    titles.clear();
    MenuBarReader reader(bytes, length);
    if (reader.titles(titles))
        return true;
    titles.clear();
    error = imageDamaged(reader.fault());
    return false;
}

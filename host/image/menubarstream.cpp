// The menu bar stream of the image, read into checked records before anything is built.
#include "host/image/menubarstream.h"

#include "host/image/imageerror.h"
#include "host/image/imagestream.h"

namespace {

// The smallest record: seven numbers or texts of one byte each, two bytes and the class.
constexpr uint32_t smallestRecord = 10;

class MenuBarReader {
public:
    MenuBarReader(const uint8_t* bytes, uint32_t length) : stream(bytes, length), length(length) {}

    bool titles(std::vector<MenuTitleRecord>& out);
    std::string error;

private:
    bool title(MenuTitleRecord& out);
    bool itemList(std::vector<MenuItemRecord>& out, int32_t depth);
    bool item(MenuItemRecord& out, int32_t depth);
    bool count(int32_t& value);
    bool intact();
    bool fail(const std::string& what);

    ImageStream stream;
    uint32_t length;
    std::string where = "the menu bar";   // the record being read, for messages
};

// The two values that mean "not an array member" in some streams.
int32_t arrayIndexOf(int32_t value)
{
    auto raw = static_cast<uint32_t>(value);
    return raw == 0x80000010u || raw == 0x80100000u ? notInMenuArray : value;
}

bool MenuBarReader::fail(const std::string& what)
{
    if (error.empty())
        error = imageDamaged("menu bar stream, %s at byte %u: %s", where.c_str(), stream.position(), what.c_str());
    return false;
}

bool MenuBarReader::intact()
{
    return !stream.failed() || fail("the stream ends inside the record");
}

bool MenuBarReader::count(int32_t& value)
{
    value = stream.readNumber();
    if (!intact())
        return false;
    if (value < 0)
        return fail("negative count " + std::to_string(value));
    if (static_cast<uint64_t>(value) * smallestRecord > length - stream.position())
        return fail("count " + std::to_string(value) + " does not fit in the " +
                    std::to_string(length - stream.position()) + " bytes left");
    return true;
}

bool MenuBarReader::titles(std::vector<MenuTitleRecord>& out)
{
    int32_t titleCount;
    if (!count(titleCount))
        return false;
    out.resize(static_cast<size_t>(titleCount));
    for (int32_t i = 0; i < titleCount; ++i) {
        where = "title " + std::to_string(i + 1);
        if (!title(out[static_cast<size_t>(i)]))
            return false;
    }
    return true;
}

bool MenuBarReader::title(MenuTitleRecord& out)
{
    out.kind = stream.readNumber();
    out.text = stream.readString();
    out.name = stream.readString();
    out.index = arrayIndexOf(stream.readNumber());
    out.commandKey = stream.readString();
    out.extra1 = stream.readString();
    out.extra2 = stream.readString();
    out.flags[0] = stream.readByte();
    out.flags[1] = stream.readByte();
    out.classIndex = stream.readNumber();
    return intact() && itemList(out.items, 1);
}

bool MenuBarReader::itemList(std::vector<MenuItemRecord>& out, int32_t depth)
{
    if (depth > menuNestingLimit)
        return fail("submenus nested deeper than " + std::to_string(menuNestingLimit));
    int32_t itemCount;
    if (!count(itemCount))
        return false;
    out.resize(static_cast<size_t>(itemCount));
    std::string outer = where;
    for (int32_t i = 0; i < itemCount; ++i) {
        where = outer + ", item " + std::to_string(i + 1);
        if (!item(out[static_cast<size_t>(i)], depth))
            return false;
    }
    where = outer;
    return true;
}

bool MenuBarReader::item(MenuItemRecord& out, int32_t depth)
{
    out.kind = stream.readNumber();
    out.text = stream.readString();
    out.name = stream.readString();
    out.index = arrayIndexOf(stream.readNumber());
    out.commandKey = stream.readString();
    out.extra1 = stream.readString();
    out.extra2 = stream.readString();
    out.flag = stream.readByte();
    out.hasSubmenu = stream.readByte() != 0;
    out.classIndex = stream.readNumber();
    if (!intact())
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
    error = reader.error;
    return false;
}

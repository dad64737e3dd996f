// Test-only decoding of the window template, menu bar and settings streams the generator
// writes, read with the runtime's own stream reader.
#include "tests/stream_decoder.h"

#include "image/imagestream.h"

#include <algorithm>

namespace testsupport {

namespace {

KeyValueList keyValues(ImageStream& in, int32_t count)
{
    KeyValueList list;
    for (int32_t i = 0; i < count && !in.failed(); ++i) {
        std::string key = in.readString();
        list.emplace_back(std::move(key), in.readString());
    }
    return list;
}

std::vector<DecodedMenu> menuList(ImageStream& in, bool titles)
{
    std::vector<DecodedMenu> list(static_cast<size_t>(std::max(in.readNumber(), 0)));
    for (DecodedMenu& menu : list) {
        menu.kind = in.readNumber();
        menu.text = in.readString();
        menu.name = in.readString();
        menu.index = in.readNumber();
        menu.shortcut = in.readString();
        menu.extra1 = in.readString();
        menu.extra2 = in.readString();
        menu.flag = in.readByte();
        menu.hasSubmenu = in.readByte();
        menu.classIndex = in.readNumber();
        if ((titles || menu.hasSubmenu != 0) && !in.failed())
            menu.items = menuList(in, false);
    }
    return list;
}

} // namespace

DecodedTemplate decodeWindowTemplate(std::span<const uint8_t> bytes)
{
    DecodedTemplate decoded;
    if (bytes.size() < 4)
        return decoded;
    const uint32_t length = loadU32LE(bytes.data());
    if (length > bytes.size() - 4)
        return decoded;
    ImageStream in(bytes.data() + 4, length);
    const int32_t windowKeys = in.readNumber();
    decoded.windowClass = in.readNumber();
    decoded.keys = keyValues(in, windowKeys);
    const int32_t controls = in.readNumber();
    for (int32_t i = 0; i < controls && !in.failed(); ++i) {
        DecodedControl& control = decoded.controls.emplace_back();
        control.classIndex = in.readNumber();
        control.keys = keyValues(in, in.readNumber());
    }
    decoded.bindings = in.readNumber();
    decoded.wholeStream = !in.failed() && in.atEnd();
    return decoded;
}

std::vector<DecodedMenu> decodeMenuBar(std::span<const uint8_t> stream, bool& wholeStream)
{
    ImageStream in(stream.data(), stream.size());
    std::vector<DecodedMenu> titles = menuList(in, true);
    wholeStream = !in.failed() && in.atEnd();
    return titles;
}

DecodedSettings decodeSettings(std::span<const uint8_t> stream)
{
    ImageStream in(stream.data(), stream.size());
    DecodedSettings settings;
    settings.flag = in.readByte();
    settings.skipped = in.readLong();
    settings.language = in.readLong();
    const int32_t types = in.readNumber();
    for (int32_t i = 0; i < types && !in.failed(); ++i) {
        auto& type = settings.fileTypes.emplace_back();
        for (int field = 0; field < 4; ++field)
            type.push_back(in.readString());
    }
    const int32_t messages = in.readNumber();
    for (int32_t i = 0; i < messages && !in.failed(); ++i)
        settings.messages.push_back(in.readString());
    settings.frameMode = in.readByte();
    settings.frameTitle = in.readString();
    settings.wholeStream = !in.failed() && in.atEnd();
    return settings;
}

} // namespace testsupport

// The image's settings: frame mode and title, the font character set, the file types and
// the runtime's replaceable messages.
#include "image/projectsettings.h"

#include "image/checkedstream.h"
#include "runtime/exceptions/exceptions.h"

namespace {

struct LanguageCharset {
    int32_t languageCode;
    int32_t charset;
};

const LanguageCharset languageCharsets[] = {
    {13, 128}, {21, 136}, {12, 177}, {14, 178}, {16, 161}, {19, 162}, {24, 222}, {34, 204},
};
constexpr int32_t defaultCharset = 1;

struct AppliedSettings {
    uint8_t flag = 0;
    bool frameMode = false;
    StringRecord* frameTitle = nullptr;
    int32_t charset = defaultCharset;
    std::vector<FileType> fileTypes;
    StringRecord* messages[settingsMessageCapacity] = {};
};

AppliedSettings applied;

// A count of entries; the first `capacity` of them are kept by `keep`, the rest are read only.
template <typename Keep> bool readTable(CheckedStream& stream, int32_t capacity, const char* part, Keep keep)
{
    stream.where = std::string("settings stream, ") + part;
    int32_t count;
    if (!stream.count(count, 0))
        return false;
    for (int32_t i = 0; i < count && !stream.failed(); ++i)
        keep(i < capacity);
    return stream.intact();
}

bool readFileTypes(CheckedStream& stream, SettingsStream& settings)
{
    return readTable(stream, settingsFileTypeCapacity, "file type table", [&](bool kept) {
        std::array<std::string, 4> type;
        for (std::string& text : type)
            text = stream.readString();
        if (kept)
            settings.fileTypes.push_back(std::move(type));
    });
}

bool readMessages(CheckedStream& stream, SettingsStream& settings)
{
    return readTable(stream, settingsMessageCapacity, "message table", [&](bool kept) {
        std::string message = stream.readString();
        if (kept)
            settings.messages.push_back(std::move(message));
    });
}

bool readFrameSettings(CheckedStream& stream, SettingsStream& settings)
{
    stream.where = "settings stream, frame settings";
    settings.frameMode = stream.readByte() != 0;
    settings.frameTitle = stream.readString();
    return stream.intact();
}

void releaseApplied()
{
    RuntimeUnlockString(applied.frameTitle);
    for (FileType& type : applied.fileTypes) {
        for (StringRecord* text : {type.name, type.creator, type.type, type.extensions})
            RuntimeUnlockString(text);
    }
    for (StringRecord*& message : applied.messages) {
        RuntimeUnlockString(message);
        message = nullptr;
    }
    applied.fileTypes.clear();
}

} // namespace

bool settingsRead(const uint8_t* bytes, uint32_t length, SettingsStream& settings, std::string& fault)
{
    CheckedStream stream(bytes, length, "settings stream, header");
    settings.flag = stream.readByte();
    stream.readLong();
    settings.languageCode = static_cast<int32_t>(stream.readLong());
    if (stream.intact() && readFileTypes(stream, settings) && readMessages(stream, settings) &&
        readFrameSettings(stream, settings))
        return true;
    fault = stream.fault();
    return false;
}

void settingsApply(const SettingsStream& settings)
{
    releaseApplied();
    applied.flag = settings.flag;
    applied.frameMode = settings.frameMode;
    applied.frameTitle = stringFromView(settings.frameTitle);
    applied.charset = charsetForLanguage(settings.languageCode);
    for (const std::array<std::string, 4>& type : settings.fileTypes)
        applied.fileTypes.push_back(
            {stringFromView(type[0]), stringFromView(type[1]), stringFromView(type[2]), stringFromView(type[3])});
    for (size_t i = 0; i < settings.messages.size(); ++i)
        applied.messages[i] = stringFromView(settings.messages[i]);
    exceptionSetMessages(applied.messages, static_cast<int32_t>(settings.messages.size()));
}

int32_t charsetForLanguage(int32_t languageCode)
{
    for (const LanguageCharset& entry : languageCharsets) {
        if (entry.languageCode == languageCode)
            return entry.charset;
    }
    return defaultCharset;
}

uint8_t settingsFlag()
{
    return applied.flag;
}

bool settingsFrameMode()
{
    return applied.frameMode;
}

StringRecord* settingsFrameTitle()
{
    return applied.frameTitle;
}

int32_t settingsCharset()
{
    return applied.charset;
}

std::span<const FileType> settingsFileTypes()
{
    return applied.fileTypes;
}

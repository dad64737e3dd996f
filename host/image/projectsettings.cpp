// The image's settings: frame mode and title, the font character set, the file types and
// the runtime's replaceable messages.
#include "host/image/projectsettings.h"

#include "host/image/imageerror.h"
#include "host/image/imagestream.h"
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

bool streamFailed(const ImageStream& stream, const char* part, std::string& error)
{
    if (stream.failed())
        error = imageDamaged("the settings stream ends inside its %s", part);
    return stream.failed();
}

// A count of entries; the first `capacity` of them are kept by `keep`, the rest are read only.
template <typename Keep>
bool readTable(ImageStream& stream, int32_t capacity, const char* part, std::string& error, Keep keep)
{
    int32_t count = stream.readNumber();
    if (streamFailed(stream, part, error))
        return false;
    if (count < 0) {
        error = imageDamaged("the %s of the settings stream has a negative count (%d)", part, count);
        return false;
    }
    for (int32_t i = 0; i < count && !stream.failed(); ++i)
        keep(i < capacity);
    return !streamFailed(stream, part, error);
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

bool settingsRead(const uint8_t* bytes, uint32_t length, SettingsStream& settings, std::string& error)
{
    ImageStream stream(bytes, length);
    settings.flag = stream.readByte();
    stream.readLong();
    settings.languageCode = static_cast<int32_t>(stream.readLong());
    if (streamFailed(stream, "header", error))
        return false;
    bool ok = readTable(stream, settingsFileTypeCapacity, "file type table", error, [&](bool kept) {
        std::array<std::string, 4> type;
        for (std::string& text : type)
            text = stream.readString();
        if (kept)
            settings.fileTypes.push_back(std::move(type));
    });
    ok = ok && readTable(stream, settingsMessageCapacity, "message table", error, [&](bool kept) {
        std::string message = stream.readString();
        if (kept)
            settings.messages.push_back(std::move(message));
    });
    if (!ok)
        return false;
    settings.frameMode = stream.readByte() != 0;
    settings.frameTitle = stream.readString();
    return !streamFailed(stream, "frame settings", error);
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

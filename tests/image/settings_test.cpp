// The settings stream: frame mode and title, the character set of the language code, the
// bounded file type and message tables, and streams that end too soon.
#include "image/projectsettings.h"
#include "image/streamencoding.h"
#include "runtime/exceptions/exceptions.h"
#include "tests/support/codepages.h"
#include "tests/support/programrun.h"
#include "tests/support/testimage.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

namespace {

const char* const fileTypeTexts[] = {"application/text", "SpKs", "TEXT", ""};

// Flag 1, the language code, two file types, the messages, the frame mode and the title.
ImageStreamWriter settingsStream(int32_t languageCode, const std::vector<std::string>& messages, uint8_t frameMode,
                                 const std::string& title)
{
    ImageStreamWriter stream;
    stream.byte(1).longValue(0xDEADBEEF).longValue(uint32_t(languageCode)).number(2);
    for (int i = 0; i < 4; ++i)
        stream.text("");
    for (const char* text : fileTypeTexts)
        stream.text(text);
    stream.number(int32_t(messages.size()));
    for (const std::string& message : messages)
        stream.text(message);
    stream.byte(frameMode).text(title);
    return stream;
}

std::string text(StringRecord* s)
{
    return stringText(s);
}

TEST(Settings, TheStreamGivesFrameModeTitleCharacterSetAndFileTypes)
{
    std::string title = ansiFromUtf8("手形・小切手");
    ImageStreamWriter stream = settingsStream(13, {"a", "b", "c", "d", "e"}, 1, title);
    SettingsStream settings;
    std::string error;
    ASSERT_TRUE(settingsRead(stream.bytes().data(), uint32_t(stream.bytes().size()), settings, error)) << error;
    settingsApply(settings);
    EXPECT_EQ(settingsFlag(), 1);
    EXPECT_TRUE(settingsFrameMode());
    EXPECT_EQ(text(settingsFrameTitle()), title);
    EXPECT_EQ(settingsCharset(), 128);
    ASSERT_EQ(settingsFileTypes().size(), 2u);
    const FileType& second = settingsFileTypes()[1];
    EXPECT_EQ(text(second.name), "application/text");
    EXPECT_EQ(text(second.creator), "SpKs");
    EXPECT_EQ(text(second.type), "TEXT");
    EXPECT_EQ(second.extensions, nullptr);

    stream = settingsStream(0, {}, 0, "");
    settings = {};
    ASSERT_TRUE(settingsRead(stream.bytes().data(), uint32_t(stream.bytes().size()), settings, error)) << error;
    settingsApply(settings);
    EXPECT_FALSE(settingsFrameMode()) << "frame mode byte 0";
    EXPECT_EQ(settingsFrameTitle(), nullptr);
    EXPECT_EQ(settingsCharset(), 1);
}

TEST(Settings, LanguageCodesChooseTheCharacterSet)
{
    const std::pair<int32_t, int32_t> cases[] = {{13, 128}, {21, 136}, {12, 177}, {14, 178}, {16, 161},
                                                 {19, 162}, {24, 222}, {34, 204}, {0, 1},    {99, 1}};
    for (auto [language, charset] : cases)
        EXPECT_EQ(charsetForLanguage(language), charset) << "language " << language;
}

TEST(Settings, TablesLargerThanTheirRoomKeepTheFirstEntriesAndTheRestIsStillRead)
{
    ImageStreamWriter stream;
    stream.byte(0).longValue(0).longValue(13).number(70);
    for (int i = 0; i < 70; ++i) {
        for (int k = 0; k < 4; ++k)
            stream.text("type" + std::to_string(i));
    }
    stream.number(200);
    for (int i = 0; i < 200; ++i)
        stream.text("message" + std::to_string(i));
    stream.byte(1).text("After");
    SettingsStream settings;
    std::string error;
    ASSERT_TRUE(settingsRead(stream.bytes().data(), uint32_t(stream.bytes().size()), settings, error)) << error;
    ASSERT_EQ(settings.fileTypes.size(), size_t(settingsFileTypeCapacity));
    EXPECT_EQ(settings.fileTypes.back()[0], "type63");
    ASSERT_EQ(settings.messages.size(), size_t(settingsMessageCapacity));
    EXPECT_EQ(settings.messages.back(), "message115");
    EXPECT_TRUE(settings.frameMode);
    EXPECT_EQ(settings.frameTitle, "After");
    settingsApply(settings);
    EXPECT_EQ(settingsFileTypes().size(), size_t(settingsFileTypeCapacity));
}

struct ShortStream {
    const char* what;
    size_t keep; // bytes of the full stream kept
    const char* message;
};

// The fault names the part of the stream and the byte where the reading stopped.
TEST(Settings, AStreamThatEndsTooSoonOrCountsBelowZeroIsRefused)
{
    ImageStreamWriter full = settingsStream(13, {"one", "two"}, 1, "Title");
    size_t headerBytes = 9, fileTypeEnd = headerBytes + 1 + 4 + 1 + 16 + 1 + 4 + 1 + 4 + 1;
    const ShortStream cases[] = {
        {"empty", 0, "header at byte 0"},
        {"language code cut", 7, "header at byte 5"},
        {"file type table cut", headerBytes + 3, "file type table at byte 12"},
        {"message table cut", fileTypeEnd + 3, "message table at byte 44"},
        {"no frame mode", full.bytes().size() - 7, "frame settings at byte 51"},
        {"title cut", full.bytes().size() - 2, "frame settings at byte 53"},
    };
    for (const ShortStream& c : cases) {
        std::vector<uint8_t> bytes(full.bytes().begin(), full.bytes().begin() + c.keep);
        SettingsStream settings;
        std::string fault;
        EXPECT_FALSE(settingsRead(bytes.data(), uint32_t(bytes.size()), settings, fault)) << c.what;
        EXPECT_EQ(fault, std::string("settings stream, ") + c.message + ": the stream ends inside the record")
            << c.what;
    }
    ImageStreamWriter negative;
    negative.byte(1).longValue(0).longValue(13).number(0).number(-3);
    SettingsStream settings;
    std::string fault;
    EXPECT_FALSE(settingsRead(negative.bytes().data(), uint32_t(negative.bytes().size()), settings, fault));
    EXPECT_EQ(fault, "settings stream, message table at byte 11: negative count -3");
}

CHILD_SCENARIO(settingsMessages)
{
    ImageStreamWriter stream = settingsStream(13, {"1", "2", "3", "4", "Not handled: %1"}, 1, "Frame");
    SettingsStream settings;
    std::string error;
    if (!settingsRead(stream.bytes().data(), uint32_t(stream.bytes().size()), settings, error))
        return 2;
    settingsApply(settings);
    raiseBuiltinException(BuiltinException::OutOfBounds);
    return 3;
}

TEST(Settings, TheMessagesAreTheOnesShownForAnExceptionNoHandlerCatches)
{
    ProgramRun run = runProgram(childCommandLine("settingsMessages"), {.answer = IDOK});
    ASSERT_TRUE(run.started);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, "Not handled: OutOfBoundsException");
}

} // namespace

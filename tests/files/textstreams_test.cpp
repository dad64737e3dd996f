// Text streams over real files: lines and their ends, the whole rest, the end of a file,
// closed streams, delimiters, making and appending, and files that cannot be read or written.
#include "files/filesexports.h"
#include "files/filestream.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/string.h"
#include "tests/files/otherprocess.h"
#include "tests/files/scratchfolder.h"
#include "tests/support/testmain.h"

#include <windows.h>

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

#define HYOU "\x95\x5c"
#define SO "\x83\x5c"

ObjectHeader* openText(const std::string& path)
{
    ObjectRef item(itemFor(path));
    return FolderItemOpenTextFile(item.get());
}

ObjectHeader* createText(const std::string& path)
{
    ObjectRef item(itemFor(path));
    return FolderItemCreateTextFile(item.get());
}

ObjectHeader* appendText(const std::string& path)
{
    ObjectRef item(itemFor(path));
    return FolderItemAppendTextFile(item.get());
}

// Every line up to the end, as ReadLine gives them.
std::vector<std::string> readLines(ObjectHeader* stream)
{
    std::vector<std::string> lines;
    for (int guard = 0; !TextInputStreamEOF(stream) && guard < 100000; ++guard)
        lines.push_back(textOf(TextInputStreamReadLine(stream)));
    return lines;
}

void writeLine(ObjectHeader* stream, const std::string& text)
{
    StringRef line(stringFromView(text));
    TextOutputStreamWriteLine(stream, line.get());
}

TEST(TextInput, LinesEndAtCRLFACROrAnLF)
{
    ScratchFolder scratch;
    std::string longLine(3000, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"every kind of line end", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"LF CR ends two lines", "a\n\rb", {"a", "", "b"}},
        {"a last line end", "a\r\n", {"a"}},
        {"a CR at the very end", "a\r", {"a"}},
        {"empty lines", "\r\n\r\n", {"", ""}},
        {"a line longer than the buffer", longLine + "\r\nz", {longLine, "z"}},
        {"CR LF across a filling of the buffer", std::string(1023, 'x') + "\r\ny", {std::string(1023, 'x'), "y"}},
        {"CR at the end of a filling, CR after", std::string(1023, 'x') + "\r\ry", {std::string(1023, 'x'), "", "y"}},
        {"LF at the start of a filling", std::string(1024, 'x') + "\ny", {std::string(1024, 'x'), "y"}},
        {"double-byte text", HYOU SO "\r\n" SO "\\" HYOU, {HYOU SO, SO "\\" HYOU}},
        {"control bytes that end no line",
         std::string("\tab\x0b\x0c\x00\x01\x0e\r\n\t", 11),
         {std::string("\tab\x0b\x0c\x00\x01\x0e", 8), "\t"}},
        {"an empty file", "", {}},
    };
    for (const Case& c : cases) {
        ObjectRef stream(openText(scratch.make("lines.txt", c.bytes)));
        ASSERT_NE(stream.get(), nullptr) << c.name;
        EXPECT_EQ(readLines(stream.get()), c.lines) << c.name;
        EXPECT_TRUE(TextInputStreamEOF(stream.get())) << c.name;
        EXPECT_EQ(TextInputStreamReadLine(stream.get()), nullptr) << c.name << ": reading at the end";
        TextInputStreamClose(stream.get());
    }
}

TEST(TextInput, ReadAllTakesTheRest)
{
    ScratchFolder scratch;
    std::string rest;
    for (int i = 0; i < 500; ++i)
        rest += "line " + std::to_string(i) + "\r\n";
    ObjectRef stream(openText(scratch.make("all.txt", "first\r\n" + rest)));
    EXPECT_EQ(textOf(TextInputStreamReadLine(stream.get())), "first");
    EXPECT_EQ(textOf(TextInputStreamReadAll(stream.get())), rest);
    EXPECT_TRUE(TextInputStreamEOF(stream.get()));
    EXPECT_EQ(TextInputStreamReadAll(stream.get()), nullptr);
}

TEST(TextStreams, EveryOperationOnAClosedStreamDoesNothing)
{
    ScratchFolder scratch;
    ObjectRef input(openText(scratch.make("in.txt", "a\r\nb")));
    TextInputStreamClose(input.get());
    TextInputStreamClose(input.get());
    EXPECT_EQ(TextInputStreamReadLine(input.get()), nullptr);
    EXPECT_EQ(TextInputStreamReadAll(input.get()), nullptr);
    EXPECT_TRUE(TextInputStreamEOF(input.get())) << "a loop that reads to the end ends";

    ObjectRef output(createText(scratch.pathOf("out.txt")));
    writeLine(output.get(), "kept");
    EXPECT_TRUE(TextOutputStreamClose(output.get()));
    writeLine(output.get(), "lost");
    StringRef text(stringFromText("lost"));
    TextOutputStreamWrite(output.get(), text.get());
    EXPECT_FALSE(TextOutputStreamClose(output.get()));
    EXPECT_EQ(fileBytes(scratch.pathOf("out.txt")), "kept\r\n");
}

// Nil, and an object of another class where a stream or an item belongs, are taken as Nil.
TEST(TextStreams, AnObjectOfAnotherClassIsTakenAsNil)
{
    ScratchFolder scratch;
    std::string path = scratch.make("in.txt", "a\r\n");
    ObjectRef item(itemFor(path));
    ObjectRef input(openText(path));
    ObjectRef output(createText(scratch.pathOf("out.txt")));
    StringRef text(stringFromText("text"));
    for (ObjectHeader* notAnInput : {static_cast<ObjectHeader*>(nullptr), item.get(), output.get()}) {
        EXPECT_EQ(TextInputStreamReadLine(notAnInput), nullptr);
        EXPECT_EQ(TextInputStreamReadAll(notAnInput), nullptr);
        EXPECT_TRUE(TextInputStreamEOF(notAnInput));
        TextInputStreamClose(notAnInput);
    }
    for (ObjectHeader* notAnOutput : {static_cast<ObjectHeader*>(nullptr), item.get(), input.get()}) {
        TextOutputStreamWrite(notAnOutput, text.get());
        TextOutputStreamWriteLine(notAnOutput, text.get());
        textOutputStreamDelimiterSetter(notAnOutput, 0, text.get());
        EXPECT_EQ(textOutputStreamDelimiterGetter(notAnOutput, 0), nullptr);
        EXPECT_FALSE(TextOutputStreamClose(notAnOutput));
    }
    for (ObjectHeader* notAnItem : {input.get(), output.get()}) {
        EXPECT_EQ(fileAbsolutePathGetter(notAnItem, 0), nullptr);
        EXPECT_EQ(fileNameGetter(notAnItem, 0), nullptr);
        EXPECT_FALSE(fileExistsGetter(notAnItem, 0));
        EXPECT_EQ(FolderItemOpenTextFile(notAnItem), nullptr);
    }
    EXPECT_EQ(textOf(TextInputStreamReadLine(input.get())), "a") << "the streams themselves are untouched";
    EXPECT_TRUE(TextOutputStreamClose(output.get()));
}

TEST(TextOutput, LinesEndWithTheDelimiter)
{
    ScratchFolder scratch;
    struct Case {
        const char* name;
        const char* delimiter; // null: never set
        std::string bytes;
    } cases[] = {
        {"by default", nullptr, "<a>b\r\n\r\n"},
        {"an empty delimiter", "", "<a>b\r\n\r\n"},
        {"LF", "\n", "<a>b\n\n"},
        {"two characters", SO HYOU, "<a>b" SO HYOU SO HYOU},
    };
    for (const Case& c : cases) {
        ObjectRef stream(createText(scratch.pathOf("out.txt")));
        ASSERT_NE(stream.get(), nullptr) << c.name;
        if (c.delimiter) {
            StringRef delimiter(stringFromText(c.delimiter));
            textOutputStreamDelimiterSetter(stream.get(), 0, delimiter.get());
            EXPECT_EQ(textOf(textOutputStreamDelimiterGetter(stream.get(), 0)), c.delimiter) << c.name;
        }
        StringRef text(stringFromText("<a>"));
        TextOutputStreamWrite(stream.get(), text.get());
        TextOutputStreamWrite(stream.get(), nullptr);
        writeLine(stream.get(), "b");
        TextOutputStreamWriteLine(stream.get(), nullptr);
        EXPECT_TRUE(TextOutputStreamClose(stream.get())) << c.name;
        EXPECT_EQ(fileBytes(scratch.pathOf("out.txt")), c.bytes) << c.name;
    }
}

// Twelve lines written and read back, as a window keeps its settings.
TEST(TextStreams, LinesWrittenAreTheLinesRead)
{
    ScratchFolder scratch;
    std::vector<std::string> lines = {
        "株式会社" HYOU, "", "東京都" SO "区", "12", "-3", "ＭＳ 明朝", "x", "", "0", "1", "2", "end"};
    ObjectRef output(createText(scratch.pathOf(SO HYOU ".txt")));
    for (const std::string& line : lines)
        writeLine(output.get(), line);
    ASSERT_TRUE(TextOutputStreamClose(output.get()));
    ObjectRef input(openText(scratch.pathOf(SO HYOU ".txt")));
    EXPECT_EQ(readLines(input.get()), lines);
}

TEST(TextOutput, CreatingCutsAFileAndAppendingAddsToIt)
{
    ScratchFolder scratch;
    struct Case {
        const char* name;
        ObjectHeader* (*open)(const std::string&);
        const char* existing; // null: no file yet
        const char* after;
    } cases[] = {
        {"create over a file", createText, "old\r\n", "new\r\n"},
        {"create a file", createText, nullptr, "new\r\n"},
        {"append to a file", appendText, "old\r\n", "old\r\nnew\r\n"},
        {"append to an empty file", appendText, "", "new\r\n"},
        {"append to a missing file", appendText, nullptr, "new\r\n"},
    };
    for (const Case& c : cases) {
        std::string path = scratch.pathOf("file.txt");
        DeleteFileA(path.c_str());
        if (c.existing)
            scratch.make("file.txt", c.existing);
        ObjectRef stream(c.open(path));
        ASSERT_NE(stream.get(), nullptr) << c.name;
        writeLine(stream.get(), "new");
        EXPECT_TRUE(TextOutputStreamClose(stream.get())) << c.name;
        EXPECT_EQ(fileBytes(path), c.after) << c.name;
    }
}

TEST(TextStreams, WhatCannotBeOpenedIsNil)
{
    ScratchFolder scratch;
    scratch.make("folder\\");
    std::string tooLong = scratch.pathOf(std::string(2000, 'n'));
    struct Case {
        const char* name;
        ObjectHeader* (*open)(const std::string&);
        std::string path;
    } cases[] = {
        {"read a missing file", openText, scratch.pathOf("none.txt")},
        {"read a folder", openText, scratch.pathOf("folder")},
        {"read too long a path", openText, tooLong},
        {"create in a missing folder", createText, scratch.pathOf("none\\x.txt")},
        {"create over a folder", createText, scratch.pathOf("folder")},
        {"create on a missing drive", createText, "Q:\\x.txt"},
        {"create too long a path", createText, tooLong},
        {"append in a missing folder", appendText, scratch.pathOf("none\\x.txt")},
        {"append to a folder", appendText, scratch.pathOf("folder")},
    };
    for (const Case& c : cases) {
        ObjectRef stream(c.open(c.path));
        EXPECT_EQ(stream.get(), nullptr) << c.name;
    }
    EXPECT_EQ(FolderItemOpenTextFile(nullptr), nullptr);
    EXPECT_EQ(FolderItemCreateTextFile(nullptr), nullptr);
    EXPECT_EQ(FolderItemAppendTextFile(nullptr), nullptr);
    EXPECT_FALSE(pathExists(scratch.pathOf("none")));
}

// A full disk: the writes fail, and Close says so.
TEST(TextOutput, AWriteThatFailsIsReportedByClose)
{
    ScratchFolder scratch;
    ObjectRef stream(createText("Z:\\dev\\full"));
    if (!stream.get())
        GTEST_SKIP() << "no full device to write to";
    for (int i = 0; i < 10; ++i)
        writeLine(stream.get(), "a line that does not fit");
    EXPECT_FALSE(TextOutputStreamClose(stream.get()));
}

} // namespace

namespace {

// Another program has the file for itself: nothing opens it, and it keeps its bytes.
TEST(TextStreams, AFileHeldByAnotherProgramIsNotOpened)
{
    ScratchFolder scratch;
    std::string path = scratch.make("held.txt", "kept\r\n");
    HeldFile held(path);
    ASSERT_TRUE(held.held());
    for (auto open : {openText, createText, appendText}) {
        ObjectRef stream(open(path));
        EXPECT_EQ(stream.get(), nullptr);
    }
    EXPECT_TRUE(fileExistsGetter(ObjectRef(itemFor(path)).get(), 0));
}

// A file whose reading fails part way: the lines read so far, then the end, so that a loop
// that reads to the end ends.
TEST(TextInput, AReadThatFailsEndsTheStream)
{
    ScratchFolder scratch;
    std::string text;
    for (int i = 0; text.size() < 200 * 1024; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    ObjectRef input(openText(scratch.make("failing.txt", text)));
    fileStreamFailReadsAfter(1);
    std::vector<std::string> lines = readLines(input.get());
    fileStreamFailReadsAfter(-1);
    EXPECT_GT(lines.size(), 100u);
    EXPECT_LT(lines.size(), 20000u);
    EXPECT_EQ(lines[100], "line 100");
    EXPECT_TRUE(TextInputStreamEOF(input.get()));
    EXPECT_EQ(TextInputStreamReadAll(input.get()), nullptr);
}

} // namespace

// A program that ends without closing its stream: the lines it wrote are in the file.
CHILD_SCENARIO(writeWithoutClosing)
{
    builtinClassesEnsure();
    ObjectRef item(itemFor(getenv("FILES_TEST_UNCLOSED")));
    ObjectHeader* neverReleased = FolderItemCreateTextFile(item.get());
    for (int i = 0; i < 3; ++i)
        writeLine(neverReleased, "line " + std::to_string(i));
    return 0;
}

namespace {

TEST(TextOutput, LinesOfAStreamLeftOpenReachTheFileWhenTheProgramEnds)
{
    ScratchFolder scratch;
    std::string path = scratch.pathOf("unclosed.txt");
    ASSERT_TRUE(runChildToEnd("writeWithoutClosing", "FILES_TEST_UNCLOSED", path));
    EXPECT_EQ(fileBytes(path), "line 0\r\nline 1\r\nline 2\r\n");
}

} // namespace

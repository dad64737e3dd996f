// The byte stream under the text streams: positions, lengths and cutting, reads after writes,
// and a stream that says whether its writes reached the file.
#include "files/filestream.h"
#include "tests/files/scratchfolder.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string readBytes(FileStream& stream, uint32_t count)
{
    std::string bytes(count, '\0');
    bytes.resize(stream.read(bytes.data(), count));
    return bytes;
}

TEST(FileStream, PositionsLengthsAndCutting)
{
    ScratchFolder scratch;
    std::string path = scratch.pathOf("bytes.bin");
    std::unique_ptr<FileStream> stream = FileStream::open(path, FileStream::Mode::create);
    ASSERT_NE(stream, nullptr);
    stream->write("abcdef", 6);
    EXPECT_EQ(stream->position(), 6);
    EXPECT_EQ(stream->length(), 6);
    EXPECT_TRUE(stream->atEnd());
    ASSERT_TRUE(stream->seek(1));
    EXPECT_EQ(readBytes(*stream, 2), "bc");
    EXPECT_FALSE(stream->atEnd());
    stream->write("XY", 2);
    EXPECT_EQ(stream->position(), 5);
    ASSERT_TRUE(stream->setLength(4));
    EXPECT_EQ(stream->length(), 4);
    EXPECT_EQ(stream->position(), 5) << "cutting the file leaves the position";
    ASSERT_TRUE(stream->setLength(7));
    ASSERT_TRUE(stream->seek(0));
    EXPECT_EQ(readBytes(*stream, 100), std::string("abcX\0\0\0", 7));
    EXPECT_TRUE(stream->atEnd());
    EXPECT_EQ(readBytes(*stream, 100), "");
    EXPECT_FALSE(stream->seek(-1));
    EXPECT_TRUE(stream->close());
    EXPECT_EQ(fileBytes(path), std::string("abcX\0\0\0", 7));
}

TEST(FileStream, AClosedStreamDoesNothing)
{
    ScratchFolder scratch;
    std::string path = scratch.make("bytes.bin", "abc");
    std::unique_ptr<FileStream> stream = FileStream::open(path, FileStream::Mode::append);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->position(), 3) << "appending starts at the end";
    EXPECT_TRUE(stream->close());
    EXPECT_FALSE(stream->close());
    stream->write("d", 1);
    EXPECT_EQ(readBytes(*stream, 10), "");
    EXPECT_TRUE(stream->atEnd());
    EXPECT_FALSE(stream->seek(0));
    EXPECT_FALSE(stream->setLength(0));
    EXPECT_EQ(stream->length(), 0);
    EXPECT_EQ(fileBytes(path), "abc");
}

// Writes larger than the stream's buffer reach the file in order.
TEST(FileStream, LargeWritesAndReadsKeepTheirOrder)
{
    ScratchFolder scratch;
    std::string path = scratch.pathOf("large.bin");
    std::string bytes;
    for (int i = 0; bytes.size() < 300 * 1024; ++i)
        bytes += std::to_string(i) + ",";
    std::unique_ptr<FileStream> stream = FileStream::open(path, FileStream::Mode::create);
    stream->write(bytes.data(), 10);
    stream->write(bytes.data() + 10, static_cast<uint32_t>(bytes.size() - 10));
    ASSERT_TRUE(stream->close());
    EXPECT_EQ(fileBytes(path), bytes);
    std::unique_ptr<FileStream> reader = FileStream::open(path, FileStream::Mode::read);
    std::string read;
    while (!reader->atEnd())
        read += readBytes(*reader, 1000);
    EXPECT_EQ(read, bytes);
}

} // namespace

// Text input streams: a file read line by line, or whole, through a 1,024-byte buffer.
#include "files/textinputstream.h"

#include "files/filesexports.h"
#include "files/folderitem.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/string.h"

#include <cstring>
#include <string>

namespace {

// Nil, a closed stream and any other object have no reader.
TextReader* readerOf(ObjectHeader* stream)
{
    if (!objectIsa(stream, builtinClass(BuiltinClassId::TextInputStream)))
        return nullptr;
    return reinterpret_cast<TextInputStreamObject*>(stream)->reader;
}

void closeReader(ObjectHeader* stream)
{
    delete readerOf(stream);
    reinterpret_cast<TextInputStreamObject*>(stream)->reader = nullptr;
}

void destroyInput(ObjectHeader* stream, ClassDescriptor*)
{
    closeReader(stream);
}

[[maybe_unused]] const bool setUpRegistered =
    (builtinClassOnSetUp(BuiltinClassId::TextInputStream, [](ClassDescriptor* cls) { cls->destructor = destroyInput; }),
     true);

// False when nothing more could be read.
bool refill(TextReader& reader)
{
    reader.position = 0;
    reader.count = reader.stream->read(reader.buffer, sizeof reader.buffer);
    return reader.count > 0;
}

bool isLineEnd(char byte)
{
    return byte == '\r' || byte == '\n';
}

// The top bit of each of four bytes that is below 0x0E, as a CR and an LF are; most words of
// a text have none. The lowest bit set marks the first such byte (a borrow only ever reaches
// the bytes after it).
uint32_t lowBytes(const char* bytes)
{
    uint32_t word;
    memcpy(&word, bytes, sizeof word);
    return (word - 0x0E0E0E0Eu) & ~word & 0x80808080u;
}

// The index of the first CR or LF from the position on; the count when there is none.
uint32_t lineEndIndex(const TextReader& reader)
{
    uint32_t i = reader.position;
    while (reader.count - i >= 4) {
        uint32_t low = lowBytes(reader.buffer + i);
        if (!low) {
            i += 4;
            continue;
        }
        i += static_cast<uint32_t>(__builtin_ctz(low)) / 8;
        if (isLineEnd(reader.buffer[i]))
            return i;
        ++i;
    }
    for (; i < reader.count; ++i) {
        if (isLineEnd(reader.buffer[i]))
            return i;
    }
    return reader.count;
}

// After a CR: an LF that follows it is the same line end, even when it comes with the next
// filling of the buffer.
void passLineEnd(TextReader& reader)
{
    if (reader.buffer[reader.position++] != '\r')
        return;
    if (reader.position == reader.count && !refill(reader))
        return;
    if (reader.buffer[reader.position] == '\n')
        ++reader.position;
}

// A line that runs past the buffer, gathered over as many fillings as it takes.
StringRecord* gatherLine(TextReader& reader)
{
    std::string line;
    for (;;) {
        uint32_t end = lineEndIndex(reader);
        line.append(reader.buffer + reader.position, end - reader.position);
        reader.position = end;
        if (end < reader.count) {
            passLineEnd(reader);
            break;
        }
        if (reader.stream->atEnd() || !refill(reader))
            break;
    }
    return stringFromView(line);
}

} // namespace

extern "C" ObjectHeader* FolderItemOpenTextFile(ObjectHeader* item)
{
    std::unique_ptr<FileStream> file =
        item ? FileStream::open(folderItemFullPath(item), FileStream::Mode::read) : nullptr;
    if (!file)
        return nullptr;
    ObjectHeader* stream = objectInstantiate(builtinClass(BuiltinClassId::TextInputStream));
    reinterpret_cast<TextInputStreamObject*>(stream)->reader = new TextReader{std::move(file)};
    return stream;
}

extern "C" StringRecord* TextInputStreamReadLine(ObjectHeader* stream)
{
    TextReader* reader = readerOf(stream);
    if (!reader)
        return nullptr;
    uint32_t end = lineEndIndex(*reader);
    if (end == reader->count)
        return gatherLine(*reader);
    StringRecord* line = stringMake(reader->buffer + reader->position, static_cast<int32_t>(end - reader->position));
    reader->position = end;
    passLineEnd(*reader);
    return line;
}

extern "C" StringRecord* TextInputStreamReadAll(ObjectHeader* stream)
{
    TextReader* reader = readerOf(stream);
    if (!reader)
        return nullptr;
    std::string text(reader->buffer + reader->position, reader->count - reader->position);
    reader->position = reader->count;
    while (refill(*reader))
        text.append(reader->buffer, reader->count);
    reader->position = reader->count;
    return stringFromView(text);
}

// A closed stream, and one that cannot read further, is at its end: a loop that reads until
// the end always ends.
extern "C" int32_t TextInputStreamEOF(ObjectHeader* stream)
{
    TextReader* reader = readerOf(stream);
    return !reader || (reader->position == reader->count && reader->stream->atEnd());
}

extern "C" void TextInputStreamClose(ObjectHeader* stream)
{
    if (readerOf(stream))
        closeReader(stream);
}

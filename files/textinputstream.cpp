// Text input streams: a file read line by line, or whole, through a 1,024-byte buffer.
#include "files/textinputstream.h"

#include "files/filesexports.h"
#include "files/folderitem.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/string.h"

#include <string>

namespace {

TextReader* readerOf(ObjectHeader* stream)
{
    return stream ? reinterpret_cast<TextInputStreamObject*>(stream)->reader : nullptr;
}

void closeReader(ObjectHeader* stream)
{
    delete readerOf(stream);
    reinterpret_cast<TextInputStreamObject*>(stream)->reader = nullptr;
}

[[maybe_unused]] const bool setUpRegistered =
    (builtinClassOnSetUp(BuiltinClassId::TextInputStream,
                         [](ClassDescriptor* cls) { cls->destructor = [](ObjectHeader* stream, ClassDescriptor*) { closeReader(stream); }; }),
     true);

// False when nothing more could be read.
bool refill(TextReader& reader)
{
    reader.position = 0;
    reader.count = reader.stream->read(reader.buffer, sizeof reader.buffer);
    return reader.count > 0;
}

// The index of the first CR or LF from the position on; the count when there is none.
uint32_t lineEndIndex(const TextReader& reader)
{
    for (uint32_t i = reader.position; i < reader.count; ++i) {
        if (reader.buffer[i] == '\r' || reader.buffer[i] == '\n')
            return i;
    }
    return reader.count;
}

// After a CR: an LF that follows it is the same line end, even when it comes with the next
// filling of the buffer.
void skipLineFeedAfterReturn(TextReader& reader)
{
    if (reader.position == reader.count && !refill(reader))
        return;
    if (reader.buffer[reader.position] == '\n')
        ++reader.position;
}

} // namespace

extern "C" ObjectHeader* FolderItemOpenTextFile(ObjectHeader* item)
{
    std::unique_ptr<FileStream> file = item ? FileStream::open(folderItemFullPath(item), FileStream::Mode::read) : nullptr;
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
    std::string line;
    for (;;) {
        uint32_t end = lineEndIndex(*reader);
        line.append(reader->buffer + reader->position, end - reader->position);
        reader->position = end;
        if (end < reader->count) {
            char lineEnd = reader->buffer[reader->position++];
            if (lineEnd == '\r')
                skipLineFeedAfterReturn(*reader);
            return stringFromView(line);
        }
        if (reader->stream->atEnd() || !refill(*reader))
            return stringFromView(line);
    }
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

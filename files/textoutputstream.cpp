// Text output streams: text and lines written to a file, each line ended by the delimiter.
#include "files/filesexports.h"
#include "files/filestream.h"
#include "files/folderitem.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/string.h"

namespace {

// The file goes with Close or the last reference; a closed stream has none. An empty
// delimiter ends lines with CR LF.
struct TextOutputStreamObject {
    ObjectHeader header;
    FileStream* file;
    StringRecord* delimiter;
};
static_assert(sizeof(TextOutputStreamObject) <= 32, "the TextOutputStream class is 32 bytes");

TextOutputStreamObject* asOutput(ObjectHeader* stream)
{
    return reinterpret_cast<TextOutputStreamObject*>(stream);
}

bool isOutput(ObjectHeader* stream)
{
    return objectIsa(stream, builtinClass(BuiltinClassId::TextOutputStream));
}

// Nil, a closed stream and any other object have no file.
FileStream* fileOf(ObjectHeader* stream)
{
    return isOutput(stream) ? asOutput(stream)->file : nullptr;
}

bool closeFile(ObjectHeader* stream)
{
    FileStream* file = fileOf(stream);
    bool written = file && file->close();
    delete file;
    asOutput(stream)->file = nullptr;
    return written;
}

void destroyOutput(ObjectHeader* stream, ClassDescriptor*)
{
    closeFile(stream);
    stringAssign(asOutput(stream)->delimiter, nullptr);
}

[[maybe_unused]] const bool setUpRegistered =
    (builtinClassOnSetUp(BuiltinClassId::TextOutputStream,
                         [](ClassDescriptor* cls) {
                             cls->destructor = destroyOutput;
                             classDeclareProperties(cls,
                                                    {{"Delimiter", accessor(textOutputStreamDelimiterGetter),
                                                      accessor(textOutputStreamDelimiterSetter), 0, propertyString}});
                         }),
     true);

ObjectHeader* openOutput(ObjectHeader* item, FileStream::Mode mode)
{
    std::unique_ptr<FileStream> file = item ? FileStream::open(folderItemFullPath(item), mode) : nullptr;
    if (!file)
        return nullptr;
    ObjectHeader* stream = objectInstantiate(builtinClass(BuiltinClassId::TextOutputStream));
    asOutput(stream)->file = file.release();
    return stream;
}

void writeText(FileStream* file, StringRecord* text)
{
    file->write(stringText(text), static_cast<uint32_t>(stringLength(text)));
}

} // namespace

extern "C" ObjectHeader* FolderItemCreateTextFile(ObjectHeader* item)
{
    return openOutput(item, FileStream::Mode::create);
}

// A file that cannot be opened to append to is made afresh.
extern "C" ObjectHeader* FolderItemAppendTextFile(ObjectHeader* item)
{
    ObjectHeader* stream = openOutput(item, FileStream::Mode::append);
    return stream ? stream : openOutput(item, FileStream::Mode::create);
}

extern "C" void TextOutputStreamWrite(ObjectHeader* stream, StringRecord* text)
{
    if (FileStream* file = fileOf(stream))
        writeText(file, text);
}

extern "C" void TextOutputStreamWriteLine(ObjectHeader* stream, StringRecord* text)
{
    FileStream* file = fileOf(stream);
    if (!file)
        return;
    writeText(file, text);
    if (StringRecord* delimiter = asOutput(stream)->delimiter)
        writeText(file, delimiter);
    else
        file->write("\r\n", 2);
}

extern "C" int32_t TextOutputStreamClose(ObjectHeader* stream)
{
    return fileOf(stream) && closeFile(stream);
}

extern "C" StringRecord* textOutputStreamDelimiterGetter(ObjectHeader* stream, int32_t)
{
    return isOutput(stream) ? RuntimeLockString(asOutput(stream)->delimiter) : nullptr;
}

extern "C" void textOutputStreamDelimiterSetter(ObjectHeader* stream, int32_t, StringRecord* delimiter)
{
    if (isOutput(stream))
        stringAssign(asOutput(stream)->delimiter, delimiter);
}

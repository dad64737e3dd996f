// A settings file on disk: where it is kept, which of its versions is read back, and its
// replacement in one step with the previous version kept beside it.
#include "app/settingsfile.h"

#include "app/appfolders.h"

#include <utility>

namespace {
STRING_CONSTANT(newVersionSuffix, ".new");
STRING_CONSTANT(keptVersionSuffix, ".bak");
STRING_CONSTANT(crLf, "\r\n");
STRING_CONSTANT(cr, "\r");
STRING_CONSTANT(lf, "\n");
STRING_CONSTANT(space, " ");

// A settings file is a few hundred bytes; anything far larger is not one, and is not read.
constexpr int largestSettingsFile = 64 * 1024;

OwnedObject fileIn(const OwnedObject& folder, StringRecord* name, StringRecord* suffix = nullptr)
{
    return OwnedObject(FolderChild(folder.get(), suffix ? joined(name, suffix).get() : name));
}

// Text has no control bytes but the tab and the line ends; Shift-JIS never uses them inside a
// character.
bool isControlByte(unsigned char byte)
{
    return (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F;
}

bool hasControlBytes(const unsigned char* bytes, int length)
{
    for (int i = 0; i < length; ++i) {
        if (isControlByte(bytes[i]))
            return true;
    }
    return false;
}

int lineEnd(const unsigned char* bytes, int from, int length)
{
    while (from < length && bytes[from] != '\r' && bytes[from] != '\n')
        ++from;
    return from;
}

SettingsLines splitLines(StringRecord* content)
{
    SettingsLines lines;
    const unsigned char* bytes = content ? content->buffer + 1 : nullptr;
    int length = content ? content->length : 0;
    lines.text = length > 0 && !hasControlBytes(bytes, length);
    lines.asWritten = lines.text;
    for (int start = 0; start < length;) {
        int end = lineEnd(bytes, start, length);
        if (lines.count < settingsLineCount)
            lines.line[lines.count] = OwnedText(StringMid3(content, start + 1, end - start));
        ++lines.count;
        bool crLfEnded = end + 1 < length && bytes[end] == '\r' && bytes[end + 1] == '\n';
        lines.asWritten = lines.asWritten && crLfEnded;
        start = end + (crLfEnded ? 2 : 1);
    }
    return lines;
}

SettingsLines linesOf(const OwnedObject& file)
{
    if (fileSizeGetter(file.get(), 0) > largestSettingsFile)
        return SettingsLines();
    OwnedObject stream(FolderItemOpenTextFile(file.get()));
    if (!stream)
        return SettingsLines();
    OwnedText content(TextInputStreamReadAll(stream.get()));
    TextInputStreamClose(stream.get());
    return splitLines(content.get());
}

// A new version of the file, made in a folder and open for its lines.
struct NewVersion {
    OwnedObject folder, file, stream;
};

bool startNewVersion(OwnedObject folder, StringRecord* name, NewVersion& made)
{
    if (!folder)
        return false;
    made.file = fileIn(folder, name, &newVersionSuffix.record);
    made.stream = OwnedObject(FolderItemCreateTextFile(made.file.get()));
    made.folder = std::move(folder);
    return bool(made.stream);
}

// The program's folder while the program can make files there; else the user's data folder.
bool startNewVersionWhereKept(StringRecord* name, NewVersion& made)
{
    return startNewVersion(programFolder(), name, made) || startNewVersion(userDataFolder(), name, made);
}

OwnedObject keepingFolder(StringRecord* name)
{
    NewVersion probe;
    if (!startNewVersionWhereKept(name, probe))
        return OwnedObject();
    TextOutputStreamClose(probe.stream.get());
    FolderItemDelete(probe.file.get());
    return std::move(probe.folder);
}

OwnedText oneLine(StringRecord* text)
{
    OwnedText line(StringReplaceAll(text, &crLf.record, &space.record));
    line = OwnedText(StringReplaceAll(line.get(), &cr.record, &space.record));
    return OwnedText(StringReplaceAll(line.get(), &lf.record, &space.record));
}

bool finishNewVersion(NewVersion& made, StringRecord* name, StringRecord* const* lines, int count)
{
    for (int i = 0; i < count; ++i)
        TextOutputStreamWriteLine(made.stream.get(), oneLine(lines[i]).get());
    if (!TextOutputStreamClose(made.stream.get()))
        return false;
    OwnedObject file = fileIn(made.folder, name), kept = fileIn(made.folder, name, &keptVersionSuffix.record);
    return FolderItemReplaceWith(file.get(), made.file.get(), kept.get()) != 0;
}

// A position as the program writes it: digits, after a minus sign for one above or left of 0.
bool isWholeNumber(const OwnedText& text)
{
    if (text.empty())
        return false;
    const unsigned char* bytes = text.get()->buffer + 1;
    int length = text.get()->length, first = bytes[0] == '-' ? 1 : 0;
    if (first == length)
        return false;
    for (int i = first; i < length; ++i) {
        if (bytes[i] < '0' || bytes[i] > '9')
            return false;
    }
    return true;
}

// A version that does not read so was not written by the program: a kept version is read
// instead when there is one.
bool isWhole(const SettingsLines& lines, SettingsNumberLines numberLines)
{
    if (!lines.text || !lines.asWritten || lines.count != settingsLineCount)
        return false;
    for (int i = 0; i < settingsLineCount; ++i) {
        if ((numberLines >> i & 1) && !isWholeNumber(lines.line[i]))
            return false;
    }
    return true;
}

SettingsLines bestVersionIn(const OwnedObject& folder, StringRecord* name, SettingsNumberLines numberLines)
{
    SettingsLines file = linesOf(fileIn(folder, name));
    if (isWhole(file, numberLines))
        return file;
    SettingsLines kept = linesOf(fileIn(folder, name, &keptVersionSuffix.record));
    if (isWhole(kept, numberLines))
        return kept;
    return file.text ? std::move(file) : std::move(kept);
}

} // namespace

// A kept version is read only when the file itself is there: a file deleted on purpose brings
// the template back, and a replacement never leaves the file missing.
SettingsLines readSettingsFile(StringRecord* name, SettingsNumberLines numberLines)
{
    OwnedObject kept = keepingFolder(name), program = programFolder();
    for (const OwnedObject* folder : {&kept, &program}) {
        if (*folder && fileExistsGetter(fileIn(*folder, name).get(), 0))
            return bestVersionIn(*folder, name, numberLines);
    }
    return SettingsLines();
}

bool writeSettingsFile(StringRecord* name, StringRecord* const* lines, int count)
{
    NewVersion made;
    if (!startNewVersionWhereKept(name, made))
        return false;
    if (finishNewVersion(made, name, lines, count))
        return true;
    FolderItemDelete(made.file.get());
    return false;
}

// The byte stream under the text streams: an open file read ahead and written behind through
// one buffer, which remembers whether any read or write failed.
#include "files/filestream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint32_t bufferSize = 64 * 1024;
int32_t readsBeforeFailure = -1;

struct OpenRule {
    DWORD access;
    DWORD share;
    DWORD disposition;
};

OpenRule openRule(FileStream::Mode mode)
{
    switch (mode) {
    case FileStream::Mode::read:
        return {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING};
    case FileStream::Mode::create:
        return {GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS};
    case FileStream::Mode::append:
        break;
    }
    return {GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING};
}

// Streams still open when the program ends: what they hold back is written before it goes,
// as it would have been had every write gone straight to the file. The list itself is never
// destroyed, so a stream closed later in the program's end still finds it.
std::vector<FileStream*>& openStreams()
{
    static auto* open = [] {
        atexit([] {
            for (FileStream* stream : openStreams())
                stream->flush();
        });
        return new std::vector<FileStream*>;
    }();
    return *open;
}

} // namespace

void fileStreamFailReadsAfter(int32_t reads)
{
    readsBeforeFailure = reads;
}

std::unique_ptr<FileStream> FileStream::open(const std::string& path, Mode mode)
{
    OpenRule rule = openRule(mode);
    HANDLE handle =
        CreateFileA(path.c_str(), rule.access, rule.share, nullptr, rule.disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    std::unique_ptr<FileStream> stream(new FileStream(handle));
    if (mode == Mode::append && !stream->seek(stream->length()))
        return nullptr;
    return stream;
}

FileStream::FileStream(HANDLE handle) : handle(handle), buffer(bufferSize)
{
    openStreams().push_back(this);
}

FileStream::~FileStream()
{
    close();
}

uint32_t FileStream::read(void* bytes, uint32_t count)
{
    if (handle == INVALID_HANDLE_VALUE || failedRead || !flushWrites())
        return 0;
    if (readPosition == readEnd && !fillBuffer())
        return 0;
    uint32_t taken = std::min(count, readEnd - readPosition);
    memcpy(bytes, buffer.data() + readPosition, taken);
    readPosition += taken;
    return taken;
}

bool FileStream::fillBuffer()
{
    DWORD got = 0;
    failedRead = readsBeforeFailure == 0 || !ReadFile(handle, buffer.data(), bufferSize, &got, nullptr);
    if (readsBeforeFailure > 0)
        --readsBeforeFailure;
    readPosition = 0;
    readEnd = failedRead ? 0 : got;
    filePosition += readEnd;
    return readEnd > 0;
}

void FileStream::write(const void* bytes, uint32_t count)
{
    if (handle == INVALID_HANDLE_VALUE || failedWrite || count == 0)
        return;
    dropReadAhead();
    const char* from = static_cast<const char*>(bytes);
    while (count > 0 && !failedWrite) {
        uint32_t taken = std::min(count, bufferSize - pending);
        memcpy(buffer.data() + pending, from, taken);
        pending += taken;
        from += taken;
        count -= taken;
        if (pending == bufferSize)
            flushWrites();
    }
}

bool FileStream::flush()
{
    return handle != INVALID_HANDLE_VALUE && flushWrites();
}

bool FileStream::flushWrites()
{
    if (pending == 0)
        return !failedWrite;
    DWORD written = 0;
    if (!WriteFile(handle, buffer.data(), pending, &written, nullptr) || written != pending)
        failedWrite = true;
    filePosition += written;
    pending = 0;
    return !failedWrite;
}

bool FileStream::close()
{
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    flushWrites();
    bool closed = CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
    std::erase(openStreams(), this);
    return closed && !failedWrite;
}

bool FileStream::atEnd()
{
    if (handle == INVALID_HANDLE_VALUE || failedRead)
        return true;
    return readPosition == readEnd && position() >= length();
}

void FileStream::dropReadAhead()
{
    if (readPosition == readEnd)
        return;
    moveTo(position());
}

bool FileStream::moveTo(int64_t target)
{
    LARGE_INTEGER distance;
    distance.QuadPart = target;
    readPosition = readEnd = 0;
    if (!SetFilePointerEx(handle, distance, nullptr, FILE_BEGIN))
        return false;
    filePosition = target;
    return true;
}

bool FileStream::seek(int64_t target)
{
    return handle != INVALID_HANDLE_VALUE && target >= 0 && flushWrites() && moveTo(target);
}

int64_t FileStream::length()
{
    LARGE_INTEGER size;
    if (handle == INVALID_HANDLE_VALUE || !flushWrites() || !GetFileSizeEx(handle, &size))
        return 0;
    return size.QuadPart;
}

// Cuts or extends the file; the position stays where it was.
bool FileStream::setLength(int64_t newLength)
{
    int64_t kept = position();
    if (!seek(newLength))
        return false;
    bool done = SetEndOfFile(handle);
    return seek(kept) && done;
}

int64_t FileStream::position() const
{
    return filePosition - (readEnd - readPosition) + pending;
}

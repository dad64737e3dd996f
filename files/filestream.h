// The byte stream under the text streams: an open file read ahead and written behind through
// one buffer, which remembers whether any read or write failed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// For tests of failing disks: after this many more reads from the system every read fails;
// -1 (the start) lets every read through.
void fileStreamFailReadsAfter(int32_t reads);

class FileStream {
public:
    enum class Mode {
        read,   // an existing file, read only
        create, // made afresh, or cut to nothing when it exists
        append, // an existing file, read and written, positioned at its end
    };
    // The stream, or null when the file cannot be opened so.
    static std::unique_ptr<FileStream> open(const std::string& path, Mode mode);
    ~FileStream();
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    // Bytes read into `bytes`; 0 at the end and once a read has failed.
    uint32_t read(void* bytes, uint32_t count);
    // Nothing more is written once a write has failed: the file would have a hole.
    void write(const void* bytes, uint32_t count);
    // Writes what the buffer holds back; false when a write has failed.
    bool flush();
    // True when every write reached the file and the file was closed without fault.
    bool close();
    // At the end of the file, or unable to read further.
    bool atEnd();
    bool seek(int64_t position);
    int64_t length();
    bool setLength(int64_t length);
    int64_t position() const;
    bool writeFailed() const { return failedWrite; }

private:
    explicit FileStream(HANDLE handle);
    bool flushWrites();
    bool fillBuffer();
    void dropReadAhead();
    bool moveTo(int64_t position);

    HANDLE handle;
    std::vector<char> buffer;
    uint32_t readPosition = 0; // unread bytes of the buffer are [readPosition, readEnd)
    uint32_t readEnd = 0;
    uint32_t pending = 0;     // bytes written to the buffer, not yet to the file
    int64_t filePosition = 0; // the system's position in the file
    bool failedRead = false;
    bool failedWrite = false;
};

// Text input streams: a file read line by line, or whole, through a 1,024-byte buffer.
#pragma once

#include "files/filestream.h"
#include "runtime/objects/object.h"

#include <memory>

// The reader goes with the stream's Close or its last reference; a closed stream has none.
struct TextReader {
    std::unique_ptr<FileStream> stream;
    char buffer[1024];
    uint32_t position = 0; // the next unread byte
    uint32_t count = 0;    // valid bytes in the buffer
};

struct TextInputStreamObject {
    ObjectHeader header;
    TextReader* reader;
};
static_assert(sizeof(TextInputStreamObject) <= 32, "the TextInputStream class is 32 bytes");

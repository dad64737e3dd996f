// The image loader: finds the application image, reads its four blocks, links, relocates, runs it.
#pragma once

#include <cstdint>
#include <string>

class ExportIndex;

struct ImageBlock {
    uint8_t* bytes; // its own allocation; nullptr for an empty block
    uint32_t size;
};

// In file order: code, link records, data, data relocations.
struct ImageBlocks {
    ImageBlock code, links, data, relocations;
};

typedef int (*ImageEntry)();

// Reads the image appended to the executable at `imageOffset`.
bool imageReadExecutable(const char* path, uint32_t imageOffset, ImageBlocks& blocks, std::string& error);
// Reads code1.dat, data1.dat, code2.dat and data2.dat from the current folder.
bool imageReadLooseFiles(ImageBlocks& blocks, std::string& error);
// Links and relocates the blocks, frees the link records and relocations, and checks the
// data header; on success `entry` is the image's entry routine.
bool imagePrepare(ImageBlocks& blocks, const ExportIndex& exports, ImageEntry& entry, std::string& error);
void imageFreeBlocks(ImageBlocks& blocks);

// The whole start: locate, read, prepare, call the entry routine. A failure is shown in a
// message box and the entry routine never runs.
bool imageLoadAndRun(const ExportIndex& exports);

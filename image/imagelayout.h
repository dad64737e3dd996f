// The layout of an application image: its four blocks, the header words of its data block, the
// loose files of file mode, and the locator resource through which a program finds the image
// appended to it. The build tools write it and the loader reads it, both from this one header;
// it stays free of Win32 for the tools.
#pragma once

#include <cstdint>

// The blocks in file order, each a u32 little-endian length and then its bytes, with nothing
// after the last.
enum ImageBlockIndex { imageCodeBlock, imageLinkRecordBlock, imageDataBlock, imageRelocationBlock, imageBlockCount };
constexpr uint32_t imageBlockLengthBytes = 4;

// File mode: each block in its own file of the current folder, and the resource table in a fifth.
constexpr const char* imageLooseFileNames[imageBlockCount] = {"code1.dat", "code2.dat", "data1.dat", "data2.dat"};
constexpr const char* imageLooseResourceFileName = "data3.dat";

// The data block starts with two words: the entry routine (a code offset, relocated by the code
// base) and the class table (a data offset, relocated by the data base).
constexpr uint32_t imageEntryWord = 0, imageClassTableWord = 4;
constexpr uint32_t imageDataHeaderBytes = 8;

// The locator: resource "PICKLE" 101 of the program, two u32 little-endian words, the file
// offsets of the image and of the resource table (0: none). A program that carries no image
// holds the four bytes imageLocatorUnset and four zero bytes there.
constexpr const char* imageLocatorType = "PICKLE";
constexpr uint16_t imageLocatorId = 101;
constexpr uint32_t imageLocatorBytes = 8;
constexpr uint32_t imageLocatorImageWord = 0, imageLocatorTableWord = 4;
constexpr char imageLocatorUnset[] = "PICK"; // compared without its NUL
constexpr uint32_t imageLocatorUnsetBytes = 4;

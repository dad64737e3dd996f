// The resource table behind the image: item data (movies, mouse cursors) by number.
#pragma once

#include <windows.h>

#include <cstdint>

// Set by the loader: the table's file offset in the executable, 0 when it carries none
// (the table is then read from "data3.dat" in the current folder). The next lookup opens the
// file afresh.
void resourceSetTableOffset(uint32_t offset);

// Finds item `item` (1-based). The file is opened on first use and stays open. Fails
// quietly for an item out of range, a file that cannot be opened, or a table that does
// not fit in its file.
bool resourceItemData(int32_t item, HANDLE& file, uint32_t& position);

// Reads exactly `size` bytes at a file offset; false when the file holds fewer.
bool resourceReadAt(HANDLE file, uint64_t offset, void* into, uint32_t size);
bool resourceReadBigEndianAt(HANDLE file, uint64_t offset, uint32_t& value);

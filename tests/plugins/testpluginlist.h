// The test plug-in as the tests install it: its built library, a data block holding a plug-in
// list of copies of it, and the routines it exports for the tests to ask it what it was given.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

template <typename Routine> Routine pluginRoutine(HMODULE module, const char* name)
{
    return reinterpret_cast<Routine>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::vector<uint8_t> readBuilt(const char* name);
const std::vector<uint8_t>& embeddedLibrary();
// Where a copy of the test plug-in installed under that file name is written.
std::wstring extractedPath(const std::string& name);

// A data block holding a plug-in list, records added from the last to the first.
class PluginListBlock {
public:
    PluginListBlock() { bytes.reserve(1 << 20); }
    uint32_t add(const std::string& name, const std::vector<uint8_t>& library, uint32_t next = 0);
    uint32_t address(size_t offset) const
    {
        return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(bytes.data() + offset));
    }
    uint32_t end() const { return address(bytes.size()); }
    void setWord(uint32_t recordAddress, int field, uint32_t value);
    // Installs the list from `head` with the runtime's export table; the problems reported.
    std::vector<std::string> install(uint32_t head) const;

private:
    void appendWord(uint32_t word);
    std::vector<uint8_t> bytes;
};

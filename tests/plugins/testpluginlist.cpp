// The test plug-in as the tests install it: its built library, a data block holding a plug-in
// list of copies of it, and the routines it exports for the tests to ask it what it was given.
#include "tests/plugins/testpluginlist.h"

#include "image/imagedata.h"
#include "plugins/pluginfile.h"
#include "plugins/plugininstall.h"
#include "startup/runtimeexports.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

void* exportRoutine(const char* name)
{
    const ExportSlot* slot = exportFind(name);
    return slot ? slot->routine : nullptr;
}

} // namespace

std::vector<uint8_t> readBuilt(const char* name)
{
    std::ifstream in(std::string("tests\\plugins\\") + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const std::vector<uint8_t>& embeddedLibrary()
{
    static std::vector<uint8_t> bytes = readBuilt(TEST_PLUGIN_EMBEDDED);
    return bytes;
}

std::wstring extractedPath(const std::string& name)
{
    return pluginFilePath({name, embeddedLibrary()});
}

uint32_t PluginListBlock::add(const std::string& name, const std::vector<uint8_t>& library, uint32_t next)
{
    size_t start = bytes.size();
    appendWord(next);
    appendWord(static_cast<uint32_t>(5 + name.size() + library.size()));
    appendWord(0);
    bytes.push_back(static_cast<uint8_t>(name.size()));
    bytes.insert(bytes.end(), name.begin(), name.end());
    bytes.insert(bytes.end(), library.begin(), library.end());
    return address(start);
}

void PluginListBlock::setWord(uint32_t recordAddress, int field, uint32_t value)
{
    std::memcpy(bytes.data() + (recordAddress - address(0)) + 4 * field, &value, 4);
}

std::vector<std::string> PluginListBlock::install(uint32_t head) const
{
    ImageData block(bytes.data(), static_cast<uint32_t>(bytes.size()), nullptr, 0);
    return pluginsInstall(block, head, exportRoutine);
}

void PluginListBlock::appendWord(uint32_t word)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<uint8_t>(word >> shift));
}

// The plug-ins the image carries: recorded by the entry routine, read and checked at start-up.
#include "plugins/pluginlist.h"

#include "base/bytecursor.h"

#include <cstdio>
#include <set>

namespace {

const void* embeddedPlugins;

// next, length, a reserved word and the name's length byte.
constexpr uint32_t recordHeaderSize = 13;

std::string hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
}

// The name becomes a file name in the plug-ins' folder: nothing that could leave it.
bool plainFileName(const std::string& name)
{
    if (name.empty() || name[0] == '.')
        return false;
    for (char c : name) {
        bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                       c == '_' || c == '-';
        if (!allowed)
            return false;
    }
    return true;
}

struct RecordWalk {
    const ImageData& block;
    std::vector<std::string>& problems;
    std::vector<EmbeddedPlugin> plugins;

    // The next record's address, or 0 when the walk must stop.
    uint32_t readRecord(uint32_t address)
    {
        uint32_t offset;
        if (!block.dataOffset(address, recordHeaderSize, offset))
            return fail(address, "the record's header leaves the data block");
        const uint8_t* header = block.at(offset);
        uint32_t length = loadU32LE(header + 4);
        uint8_t nameLength = header[12];
        if (length < 5u + nameLength)
            return fail(address, "its length " + std::to_string(length) + " is shorter than its name");
        if (!block.dataOffset(address, uint64_t(8) + length, offset))
            return fail(address, "its library leaves the data block");
        std::string name(reinterpret_cast<const char*>(header + recordHeaderSize), nameLength);
        if (!plainFileName(name))
            problems.push_back("plug-in list: record at " + hex(address) + ": \"" + name +
                               "\" is not a plain file name; skipped");
        else
            plugins.push_back({name, {header + recordHeaderSize + nameLength, length - 5u - nameLength}});
        return loadU32LE(header);
    }

    uint32_t fail(uint32_t address, const std::string& why)
    {
        problems.push_back("plug-in list: record at " + hex(address) + ": " + why + "; the rest is not installed");
        return 0;
    }
};

} // namespace

extern "C" void Win32InstallPlugins(const void* list)
{
    embeddedPlugins = list;
}

const void* pluginEmbeddedList()
{
    return embeddedPlugins;
}

std::vector<EmbeddedPlugin> pluginListRead(const ImageData& block, uint32_t head, std::vector<std::string>& problems)
{
    RecordWalk walk{block, problems, {}};
    std::set<uint32_t> visited;
    for (uint32_t address = head; address != 0; address = walk.readRecord(address)) {
        if (!visited.insert(address).second) {
            walk.fail(address, "the list links back to this record");
            break;
        }
    }
    return std::move(walk.plugins);
}

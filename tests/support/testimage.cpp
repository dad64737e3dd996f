// Class tables and project items built in memory, in a data block and a code block laid out
// as the image linker lays them out, and handed to the linker as its image.
#include "tests/support/testimage.h"

#include "classes/classregistry.h"
#include "image/linker.h"
#include "startup/runtimeexports.h"

#include <cstring>

namespace {
constexpr size_t dataCapacity = 1 << 20, codeCapacity = 4096;

uint32_t addressOf(const void* pointer)
{
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

void appendWord(std::vector<uint32_t>& words, uint32_t value)
{
    words.push_back(value);
}
} // namespace

TestImage::TestImage() : data(dataCapacity, 0), codeBlock(codeCapacity, 0x90)
{}

uint32_t TestImage::words(std::initializer_list<uint32_t> values)
{
    uint32_t at = here();
    for (uint32_t value : values) {
        memcpy(&data[used], &value, 4);
        used += 4;
    }
    return at;
}

uint32_t TestImage::bytes(const std::vector<uint8_t>& values)
{
    uint32_t at = here();
    memcpy(&data[used], values.data(), values.size());
    used += uint32_t(values.size() + 3) / 4 * 4;
    return at;
}

uint32_t TestImage::text(std::string_view value)
{
    std::vector<uint8_t> buffer = {uint8_t(value.size())};
    buffer.insert(buffer.end(), value.begin(), value.end());
    buffer.push_back(0);
    uint32_t textAddress = bytes(buffer);
    uint32_t length = uint32_t(value.size());
    return words({1, textAddress, length, length});
}

uint32_t TestImage::reference(const char* name)
{
    uint32_t nameAddress = text(name);
    return words({1, nameAddress});
}

uint32_t TestImage::definition(const TestClass& cls)
{
    std::vector<uint32_t> entry = {0, cls.size, cls.name ? text(cls.name) : 0, uint32_t(cls.superclass),
                                   cls.initialisers};
    if (cls.initialisers)
        entry.insert(entry.end(), {code(cls.constructor), code(cls.destructor)});
    entry.push_back(cls.isInterface);
    appendWord(entry, uint32_t(cls.interfaces.size()));
    entry.insert(entry.end(), cls.interfaces.begin(), cls.interfaces.end());
    appendWord(entry, uint32_t(cls.methods.size()));
    for (const TestMethod& method : cls.methods) {
        entry.push_back(text(method.name));
        if (!cls.isInterface)
            entry.push_back(code(method.code));
    }
    appendWord(entry, uint32_t(cls.handlers.size()));
    for (const TestHandler& handler : cls.handlers)
        entry.insert(entry.end(), {text(handler.name), code(handler.code), handler.key});
    appendWord(entry, uint32_t(cls.menuHandlers.size()));
    for (const TestMethod& handler : cls.menuHandlers)
        entry.insert(entry.end(), {text(handler.name), code(handler.code)});
    appendWord(entry, uint32_t(cls.virtualTable.size()));
    for (uint32_t slot : cls.virtualTable)
        entry.push_back(slot ? code(slot) : 0);
    uint32_t at = here();
    for (uint32_t value : entry)
        words({value});
    return at;
}

uint32_t TestImage::table(const std::vector<uint32_t>& classes, const std::vector<uint32_t>& items)
{
    uint32_t at = words({uint32_t(classes.size())});
    for (uint32_t entry : classes)
        words({entry});
    words({uint32_t(items.size())});
    for (uint32_t item : items)
        words({item});
    return at;
}

uint32_t TestImage::code(uint32_t offset) const
{
    return offset ? addressOf(codeBlock.data() + offset) : 0;
}

uint32_t TestImage::offset(uint32_t address) const
{
    return address - addressOf(data.data());
}

uint32_t TestImage::here() const
{
    return addressOf(data.data() + used);
}

const uint32_t* TestImage::pointer(uint32_t address) const
{
    return tableAt(address);
}

uint8_t* TestImage::dataBytes(uint32_t address)
{
    return data.data() + (address - addressOf(data.data()));
}

void TestImage::import(const std::string& name, uint32_t count)
{
    std::vector<uint32_t> chain;
    for (uint32_t i = 0; i < count; ++i, nextSite += 16) {
        codeBlock[nextSite - 1] = 0xE8;
        chain.push_back(nextSite);
    }
    for (size_t i = 0; i < chain.size(); ++i) {
        uint32_t next = i + 1 < chain.size() ? chain[i + 1] : 0;
        memcpy(&codeBlock[chain[i]], &next, 4);
    }
    uint32_t first = chain.empty() ? 0 : chain[0];
    std::string text = "!" + name;
    records.push_back(1);
    records.insert(records.end(), {uint8_t(first), uint8_t(first >> 8), uint8_t(first >> 16), uint8_t(first >> 24)});
    records.push_back(uint8_t(text.size()));
    records.insert(records.end(), text.begin(), text.end());
    sites.push_back({name, chain});
}

bool TestImage::link(std::string& error, uint32_t cut)
{
    linkDeferredMembers().clear();
    LinkedImage image = {codeBlock.data(), uint32_t(codeBlock.size()), data.data(), used - cut};
    return linkImage(image, records.data(), uint32_t(records.size()), runtimeExports(), error);
}

uint32_t TestImage::callTarget(uint32_t site) const
{
    uint32_t operand;
    memcpy(&operand, &codeBlock[site], 4);
    return operand + addressOf(codeBlock.data()) + site + 4;
}

uint32_t TestImage::site(const std::string& import, int index) const
{
    for (const auto& [name, chain] : sites) {
        if (name == import)
            return chain[index];
    }
    return 0;
}

bool buildClasses(TestImage& image, uint32_t table, std::string& error)
{
    return image.link(error) && registryBuildClasses(tableAt(table), error);
}

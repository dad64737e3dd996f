// Class tables and project items built in memory, in a data block and a code block laid out
// as the image linker lays them out, and handed to the linker as its image.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TestMethod {
    const char* name;
    uint32_t code; // an offset in the code block; ignored for interfaces
};

struct TestHandler {
    const char* name;
    uint32_t code;
    uint32_t key = 0;
};

struct TestClass {
    const char* name = nullptr;
    uint32_t size = 24;
    int32_t superclass = -1;
    bool initialisers = false;
    uint32_t constructor = 0; // offsets in the code block
    uint32_t destructor = 0;
    bool isInterface = false;
    std::vector<int32_t> interfaces;
    std::vector<TestMethod> methods;
    std::vector<TestHandler> handlers;
    std::vector<TestMethod> menuHandlers;
    std::vector<uint32_t> virtualTable; // offsets in the code block, 0 for none
};

class TestImage {
public:
    TestImage();

    // Each appends to the data block and gives the address of what it appended.
    uint32_t words(std::initializer_list<uint32_t> values);
    uint32_t bytes(const std::vector<uint8_t>& values);
    uint32_t text(std::string_view value); // a string constant
    uint32_t reference(const char* name);
    uint32_t definition(const TestClass& cls);
    // The class table: count, entries, item count, items.
    uint32_t table(const std::vector<uint32_t>& classes, const std::vector<uint32_t>& items = {});

    uint32_t code(uint32_t offset) const;
    uint32_t offset(uint32_t address) const;
    uint32_t here() const;
    const uint32_t* pointer(uint32_t address) const;
    uint8_t* dataBytes(uint32_t address);

    // A member import ("!" + name) whose call sites are `sites` in the code block.
    void import(const std::string& name, uint32_t sites);
    // Hands the blocks to the linker: the data block ends after what was appended (less
    // `cut` bytes), and the imports are deferred.
    bool link(std::string& error, uint32_t cut = 0);
    // Where the call site at `offset` of the code block now calls.
    uint32_t callTarget(uint32_t site) const;
    uint32_t site(const std::string& import, int index) const;

private:
    std::vector<uint8_t> data;
    std::vector<uint8_t> codeBlock;
    uint32_t used = 8; // the two header words
    std::vector<uint8_t> records;
    std::vector<std::pair<std::string, std::vector<uint32_t>>> sites;
    uint32_t nextSite = 64;
};

// The class table's address as the image's entry routine passes it.
inline const uint32_t* tableAt(uint32_t address)
{
    return reinterpret_cast<const uint32_t*>(static_cast<uintptr_t>(address));
}

// Links the image and builds the classes of its table; false with the message if either fails.
bool buildClasses(TestImage& image, uint32_t table, std::string& error);

// Damaged class tables: each stops the start with a message that names the entry, its data
// offset and the fault, and nothing of the table is built.
#include "classes/classregistry.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classdescriptor.h"
#include "tests/support/testimage.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace {

std::string hex(uint32_t value)
{
    char text[16];
    snprintf(text, sizeof text, "0x%X", value);
    return text;
}

// A definition written word by word: kind, size, name, superclass, no initialisers, not an
// interface, then the counts given.
uint32_t rawDefinition(TestImage& image, uint32_t size, uint32_t superclass, std::initializer_list<uint32_t> rest)
{
    uint32_t at = image.words({0, size, 0, superclass, 0, 0});
    for (uint32_t word : rest)
        image.words({word});
    return at;
}

struct DamagedTable {
    const char* what;
    // Builds the image and gives the table's address; `message` receives what the start says.
    std::function<uint32_t(TestImage& image, std::string& message)> build;
    uint32_t cut = 0; // bytes cut from the end of the data block
};

// The start of a message about the entry of that index at that address.
std::string entryAt(TestImage& image, int index, uint32_t address)
{
    return "class table entry " + std::to_string(index) + " at data offset " + hex(image.offset(address)) + ": ";
}

const DamagedTable damagedTables[] = {
    {"table outside the data block",
     [](TestImage& image, std::string& message) {
         uint32_t outside = image.here() + 0x100;
         message = "the class table (" + hex(outside) + ") lies outside the data block";
         return outside;
     }},
    {"more classes than the block holds",
     [](TestImage& image, std::string& message) {
         message = "the class table holds 268435456 classes, more than fit in the data block";
         return image.words({0x10000000, 0});
     }},
    {"entry outside the data block",
     [](TestImage& image, std::string& message) {
         message = "class table entry 0: its address 0x10 lies outside the data block";
         return image.table({0x10});
     }},
    {"unknown kind",
     [](TestImage& image, std::string& message) {
         uint32_t entry = image.words({7});
         message = entryAt(image, 0, entry) + "the kind 7 is neither a definition (0) nor a reference (1)";
         return image.table({entry});
     }},
    {"reference without a name",
     [](TestImage& image, std::string& message) {
         uint32_t entry = image.words({1, 0});
         message = entryAt(image, 0, entry) + "the reference names no class";
         return image.table({entry});
     }},
    {"name that points outside the block",
     [](TestImage& image, std::string& message) {
         uint32_t entry = image.words({1, 0x20});
         message = entryAt(image, 0, entry) + "the class name (0x20) is not a string constant of the data block";
         return image.table({entry});
     }},
    {"string constant whose text lies outside",
     [](TestImage& image, std::string& message) {
         uint32_t record = image.words({1, 0x30, 3, 3});
         uint32_t entry = image.words({1, record});
         message = entryAt(image, 0, entry) + "the class name (" + hex(record) +
                   ") is not a string constant of the data block";
         return image.table({entry});
     }},
    {"string constant longer than the block",
     [](TestImage& image, std::string& message) {
         uint32_t text = image.words({0x41410003});
         uint32_t record = image.words({1, text, 0x1000, 0x1000});
         uint32_t entry = image.words({1, record});
         message = entryAt(image, 0, entry) + "the class name (" + hex(record) +
                   ") is not a string constant of the data block";
         return image.table({entry});
     }},
    {"superclass out of range",
     [](TestImage& image, std::string& message) {
         uint32_t entry = rawDefinition(image, 24, 5, {});
         message = entryAt(image, 0, entry) + "the superclass 5 is not a class of the table, which holds 1";
         return image.table({entry});
     }},
    {"interface index -1",
     [](TestImage& image, std::string& message) {
         uint32_t entry = rawDefinition(image, 24, uint32_t(-1), {1, uint32_t(-1)});
         message = entryAt(image, 0, entry) + "the interface -1 is not a class of the table, which holds 1";
         return image.table({entry});
     }},
    {"method count past the block",
     [](TestImage& image, std::string& message) {
         uint32_t entry = rawDefinition(image, 24, uint32_t(-1), {0, 0x40000000});
         message = entryAt(image, 0, entry) + "the method count 1073741824 runs past the end of the data block";
         return image.table({entry});
     }},
    {"handler code outside the code block",
     [](TestImage& image, std::string& message) {
         uint32_t name = image.text("Open");
         uint32_t entry = rawDefinition(image, 24, uint32_t(-1), {0, 0, 1, name, 0x1234, 0, 0, 0});
         message = entryAt(image, 0, entry) + "the code of event handler 1 (0x1234) lies outside the code block";
         return image.table({entry});
     }},
    {"constructor outside the code block",
     [](TestImage& image, std::string& message) {
         uint32_t entry = image.words({0, 24, 0, uint32_t(-1), 1, 0x10, 0});
         message = entryAt(image, 0, entry) + "the constructor (0x10) lies outside the code block";
         return image.table({entry});
     }},
    {"instance smaller than an object header",
     [](TestImage& image, std::string& message) {
         uint32_t entry = rawDefinition(image, 4, uint32_t(-1), {});
         message = entryAt(image, 0, entry) + "the instance size 4 is not between 16 and 1048576 bytes";
         return image.table({entry});
     }},
    {"entry cut short by the end of the block",
     [](TestImage& image, std::string& message) {
         uint32_t table = image.words({1, 0, 0});
         uint32_t entry = image.definition({.name = "Cut"});
         reinterpret_cast<uint32_t*>(image.dataBytes(table))[1] = entry;
         message = entryAt(image, 0, entry) + "the entry ends with the data block before its virtual table size";
         return table;
     },
     4},
    {"superclasses in a loop",
     [](TestImage& image, std::string& message) {
         uint32_t first = image.definition({.name = "A", .superclass = 1});
         message = entryAt(image, 0, first) + "its chain of superclasses comes back to itself";
         return image.table({first, image.definition({.name = "B", .superclass = 0})});
     }},
    {"a class that is its own superclass",
     [](TestImage& image, std::string& message) {
         uint32_t second = image.definition({.name = "B", .superclass = 1});
         message = entryAt(image, 1, second) + "its chain of superclasses comes back to itself";
         return image.table({image.definition({.name = "A"}), second});
     }},
};

TEST(DamagedClassTables, EachStopsTheStartWithItsMessageAndBuildsNothing)
{
    const std::string damaged = "The application could not be loaded because its image is damaged: ";
    builtinClassesEnsure();
    for (const DamagedTable& c : damagedTables) {
        TestImage image;
        std::string message;
        uint32_t table = c.build(image, message);
        std::string error;
        ASSERT_TRUE(image.link(error, c.cut)) << c.what << ": " << error;
        ClassDescriptor* newestBefore = classListHead();
        int32_t countBefore = classCount();
        EXPECT_FALSE(registryBuildClasses(tableAt(table), error)) << c.what;
        EXPECT_EQ(error, damaged + message) << c.what;
        EXPECT_EQ(classListHead(), newestBefore) << c.what << ": no class was made";
        EXPECT_EQ(classCount(), countBefore) << c.what;
    }
}

} // namespace

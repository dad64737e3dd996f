// Damaged class tables: each stops the start with a message that names the entry and the
// fault, and nothing of the table is built.
#include "runtime/objects/builtinclassset.h"
#include "host/classes/classregistry.h"
#include "runtime/objects/classdescriptor.h"
#include "tests/support/testimage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

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
    uint32_t cut = 0;   // bytes cut from the end of the data block
};

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
         message = "class table entry 0: the kind 7 is neither a definition (0) nor a reference (1)";
         return image.table({image.words({7})});
     }},
    {"reference without a name",
     [](TestImage& image, std::string& message) {
         message = "class table entry 0: the reference names no class";
         return image.table({image.words({1, 0})});
     }},
    {"name that points outside the block",
     [](TestImage& image, std::string& message) {
         message = "class table entry 0: the class name (0x20) is not a string constant of the data block";
         return image.table({image.words({1, 0x20})});
     }},
    {"string constant whose text lies outside",
     [](TestImage& image, std::string& message) {
         uint32_t record = image.words({1, 0x30, 3, 3});
         message = "class table entry 0: the class name (" + hex(record) + ") is not a string constant of the data block";
         return image.table({image.words({1, record})});
     }},
    {"string constant longer than the block",
     [](TestImage& image, std::string& message) {
         uint32_t text = image.words({0x41410003});
         uint32_t record = image.words({1, text, 0x1000, 0x1000});
         message = "class table entry 0: the class name (" + hex(record) + ") is not a string constant of the data block";
         return image.table({image.words({1, record})});
     }},
    {"superclass out of range",
     [](TestImage& image, std::string& message) {
         message = "class table entry 0: the superclass 5 is not a class of the table, which holds 1";
         return image.table({rawDefinition(image, 24, 5, {})});
     }},
    {"interface index -1",
     [](TestImage& image, std::string& message) {
         message = "class table entry 0: the interface -1 is not a class of the table, which holds 1";
         return image.table({rawDefinition(image, 24, uint32_t(-1), {1, uint32_t(-1)})});
     }},
    {"method count past the block",
     [](TestImage& image, std::string& message) {
         message = "class table entry 0: the method count 1073741824 runs past the end of the data block";
         return image.table({rawDefinition(image, 24, uint32_t(-1), {0, 0x40000000})});
     }},
    {"handler code outside the code block",
     [](TestImage& image, std::string& message) {
         uint32_t name = image.text("Open");
         message = "class table entry 0: the code of event handler 1 (0x1234) lies outside the code block";
         return image.table({rawDefinition(image, 24, uint32_t(-1), {0, 0, 1, name, 0x1234, 0, 0, 0})});
     }},
    {"constructor outside the code block",
     [](TestImage& image, std::string& message) {
         message = "class table entry 0: the constructor (0x10) lies outside the code block";
         return image.table({image.words({0, 24, 0, uint32_t(-1), 1, 0x10, 0})});
     }},
    {"instance smaller than an object header",
     [](TestImage& image, std::string& message) {
         message = "class table entry 0: the instance size 4 is not between 16 and 1048576 bytes";
         return image.table({rawDefinition(image, 4, uint32_t(-1), {})});
     }},
    {"entry cut short by the end of the block",
     [](TestImage& image, std::string& message) {
         message = "class table entry 0: the entry ends with the data block before its virtual table size";
         uint32_t table = image.words({1, 0, 0});
         uint32_t entry = image.definition({.name = "Cut"});
         reinterpret_cast<uint32_t*>(image.dataBytes(table))[1] = entry;
         return table;
     },
     4},
    {"superclasses in a loop",
     [](TestImage& image, std::string& message) {
         message = "class table entry 0: its chain of superclasses comes back to itself";
         return image.table({image.definition({.name = "A", .superclass = 1}), image.definition({.name = "B", .superclass = 0})});
     }},
    {"a class that is its own superclass",
     [](TestImage& image, std::string& message) {
         message = "class table entry 1: its chain of superclasses comes back to itself";
         return image.table({image.definition({.name = "A"}), image.definition({.name = "B", .superclass = 1})});
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

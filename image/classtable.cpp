// The image's class table read and checked: every count, address and index of every entry,
// before anything is built from it.
#include "image/classtable.h"

#include "base/bytecursor.h"
#include "image/classentryformat.h"
#include "image/imagefault.h"

namespace {

std::string entryName(int32_t index)
{
    return "class table entry " + std::to_string(index);
}

// Reads one entry from its address on; the first fault is kept as the message.
class EntryReader : public ImageFaults {
public:
    EntryReader(const ImageData& image, uint32_t offset, int32_t index, int32_t classCount)
        : image(image),
          offset(offset),
          cursor(image.at(offset), image.dataSize() - offset),
          index(index),
          classCount(classCount)
    {}

    bool word(uint32_t& value, const char* what)
    {
        value = 0;
        return cursor.readU32LE(value) || fail("the entry ends with the data block before its %s", what);
    }

    // A count of elements of `elementBytes` each, all of which must fit in what is left.
    bool count(uint32_t& value, uint32_t elementBytes, const char* what)
    {
        if (!word(value, what))
            return false;
        return uint64_t(value) * elementBytes <= cursor.remaining() ||
               fail("the %s %u runs past the end of the data block", what, value);
    }

    // `number` (from 1) tells which element of a list the word belongs to; 0 for none.
    bool text(std::string_view& value, const char* what, uint32_t number = 0)
    {
        uint32_t address = 0;
        if (!word(address, what))
            return false;
        return image.stringConstant(address, value) ||
               fail("the %s (0x%X) is not a string constant of the data block", named(what, number).c_str(), address);
    }

    bool code(uint32_t& address, const char* what, uint32_t number = 0)
    {
        if (!word(address, what))
            return false;
        return address == 0 || image.isCode(address) ||
               fail("the %s (0x%X) lies outside the code block", named(what, number).c_str(), address);
    }

    bool classIndex(int32_t& value, bool allowNone, const char* what)
    {
        uint32_t word = 0;
        if (!this->word(word, what))
            return false;
        value = static_cast<int32_t>(word);
        bool valid = (allowNone && value == -1) || (value >= 0 && value < classCount);
        return valid || fail("the %s %d is not a class of the table, which holds %d", what, value, classCount);
    }

    static std::string named(const char* what, uint32_t number)
    {
        return number ? std::string(what) + " " + std::to_string(number) : std::string(what);
    }

    uint32_t addressHere() const { return image.addressOf(offset + static_cast<uint32_t>(cursor.position())); }

private:
    ImageFaultPlace faultPlace() const override { return {entryName(index), ImageOffsetUnit::dataOffset, offset}; }

    const ImageData& image;
    uint32_t offset;
    ByteCursor cursor;
    int32_t index;
    int32_t classCount;
};

bool readHeader(EntryReader& r, ClassTableEntry& entry)
{
    uint32_t hasInitialisers = 0, isInterface = 0;
    if (!r.word(entry.instanceSize, "instance size") || !r.text(entry.name, "name") ||
        !r.classIndex(entry.superclass, true, "superclass") || !r.word(hasInitialisers, "initialiser flag"))
        return false;
    if (entry.instanceSize < classSmallestInstance || entry.instanceSize > classLargestInstance)
        return r.fail("the instance size %u is not between %u and %u bytes", entry.instanceSize, classSmallestInstance,
                      classLargestInstance);
    if (hasInitialisers && (!r.code(entry.constructor, "constructor") || !r.code(entry.destructor, "destructor")))
        return false;
    if (!r.word(isInterface, "interface flag"))
        return false;
    entry.isInterface = (isInterface & 0xFF) != 0;
    return true;
}

bool readInterfaces(EntryReader& r, ClassTableEntry& entry)
{
    uint32_t n = 0;
    if (!r.count(n, 4, "interface count"))
        return false;
    entry.interfaces.resize(n);
    for (int32_t& interface : entry.interfaces) {
        if (!r.classIndex(interface, false, "interface"))
            return false;
    }
    return true;
}

bool readMethods(EntryReader& r, ClassTableEntry& entry)
{
    uint32_t n = 0;
    if (!r.count(n, entry.isInterface ? 4 : 8, "method count"))
        return false;
    entry.methods.resize(n);
    for (uint32_t i = 0; i < n; ++i) {
        ClassTableMethod& method = entry.methods[i];
        if (!r.text(method.name, "name of method", i + 1))
            return false;
        if (!entry.isInterface && !r.code(method.code, "code of method", i + 1))
            return false;
    }
    return true;
}

bool readHandlers(EntryReader& r, ClassTableEntry& entry)
{
    uint32_t n = 0;
    if (!r.count(n, 12, "event handler count"))
        return false;
    entry.handlers.resize(n);
    for (uint32_t i = 0; i < n; ++i) {
        ClassTableHandler& handler = entry.handlers[i];
        if (!r.text(handler.name, "name of event handler", i + 1) ||
            !r.code(handler.code, "code of event handler", i + 1) || !r.word(handler.key, "handler key"))
            return false;
    }
    return true;
}

bool readMenuHandlers(EntryReader& r, ClassTableEntry& entry)
{
    uint32_t n = 0;
    if (!r.count(n, 8, "menu handler count"))
        return false;
    entry.menuHandlers.resize(n);
    for (uint32_t i = 0; i < n; ++i) {
        ClassTableMenuHandler& handler = entry.menuHandlers[i];
        if (!r.text(handler.itemName, "item name of menu handler", i + 1) ||
            !r.code(handler.code, "code of menu handler", i + 1))
            return false;
    }
    return true;
}

bool readVirtualTable(EntryReader& r, ClassTableEntry& entry)
{
    if (!r.count(entry.virtualTableSize, 4, "virtual table size"))
        return false;
    entry.virtualTable = r.addressHere();
    for (uint32_t i = 0; i < entry.virtualTableSize; ++i) {
        uint32_t code = 0;
        if (!r.code(code, "virtual table entry", i + 1))
            return false;
    }
    return true;
}

bool readEntry(EntryReader& r, ClassTableEntry& entry)
{
    uint32_t kind = 0;
    if (!r.word(kind, "kind"))
        return false;
    if (kind == classEntryReference) {
        entry.isReference = true;
        return r.text(entry.name, "class name") && (!entry.name.empty() || r.fail("the reference names no class"));
    }
    if (kind != classEntryDefinition)
        return r.fail("the kind %u is neither a definition (%u) nor a reference (%u)", kind, classEntryDefinition,
                      classEntryReference);
    return readHeader(r, entry) && readInterfaces(r, entry) && readMethods(r, entry) && readHandlers(r, entry) &&
           readMenuHandlers(r, entry) && readVirtualTable(r, entry);
}

// A chain of definitions whose superclasses come back to one of them would never end.
bool checkSuperclassLoops(const std::vector<ClassTableEntry>& classes, const std::vector<uint32_t>& offsets,
                          std::string& error)
{
    enum : uint8_t { unseen, onPath, done };
    std::vector<uint8_t> state(classes.size(), unseen);
    std::vector<int32_t> path;
    for (size_t start = 0; start < classes.size(); ++start) {
        path.clear();
        int32_t at = static_cast<int32_t>(start);
        while (at >= 0 && !classes[at].isReference && state[at] == unseen) {
            state[at] = onPath;
            path.push_back(at);
            at = classes[at].superclass;
        }
        if (at >= 0 && state[at] == onPath) {
            error = imageDamaged(imageFault({entryName(at), ImageOffsetUnit::dataOffset, offsets[at]},
                                            "its chain of superclasses comes back to itself"));
            return false;
        }
        for (int32_t visited : path)
            state[visited] = done;
    }
    return true;
}

// The count and the entry addresses; `offset` is left at the item count.
bool readClassAddresses(const ImageData& image, uint32_t address, std::vector<uint32_t>& entries, uint32_t& offset,
                        std::string& error)
{
    uint32_t count;
    if (!image.dataOffset(address, 4, offset)) {
        error = imageDamaged(formatText("the class table (0x%X) lies outside the data block", address));
        return false;
    }
    count = loadU32LE(image.at(offset));
    if (count > 0x7FFFFFFF || uint64_t(count) * 4 + 8 > image.dataSize() - offset) {
        error = imageDamaged(formatText("the class table holds %u classes, more than fit in the data block", count));
        return false;
    }
    entries.resize(count);
    for (uint32_t i = 0; i < count; ++i)
        entries[i] = loadU32LE(image.at(offset + 4 + 4 * i));
    offset += 4 + 4 * count;
    return true;
}

} // namespace

bool classTableRead(const ImageData& image, uint32_t address, std::vector<ClassTableEntry>& classes, std::string& error)
{
    std::vector<uint32_t> entries;
    uint32_t offset;
    if (!readClassAddresses(image, address, entries, offset, error))
        return false;
    classes.assign(entries.size(), {});
    std::vector<uint32_t> offsets(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        int32_t index = static_cast<int32_t>(i);
        if (!image.dataOffset(entries[i], 4, offsets[i])) {
            error = imageDamaged(
                imageFault({entryName(index)}, "its address 0x%X lies outside the data block", entries[i]));
            return false;
        }
        EntryReader reader(image, offsets[i], index, static_cast<int32_t>(entries.size()));
        if (!readEntry(reader, classes[i])) {
            error = imageDamaged(reader.fault());
            return false;
        }
    }
    return checkSuperclassLoops(classes, offsets, error);
}

bool classTableReadItems(const ImageData& image, uint32_t address, std::vector<uint32_t>& items, std::string& error)
{
    std::vector<uint32_t> entries;
    uint32_t offset;
    if (!readClassAddresses(image, address, entries, offset, error))
        return false;
    uint32_t count = loadU32LE(image.at(offset));
    if (uint64_t(count) * 4 > image.dataSize() - offset - 4) {
        error =
            imageDamaged(formatText("the class table lists %u project items, more than fit in the data block", count));
        return false;
    }
    items.resize(count);
    for (uint32_t i = 0; i < count; ++i)
        items[i] = loadU32LE(image.at(offset + 4 + 4 * i));
    return true;
}

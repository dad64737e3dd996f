// The project items of the image: pictures, the menu bar, movies, sounds, cursors, the
// settings, databases and the single instances of its modules, by item number.
#include "project/projectitems.h"

#include "base/assertion.h"
#include "base/bytecursor.h"
#include "graphics/mousecursor.h"
#include "graphics/picture.h"
#include "image/classtable.h"
#include "image/imagedata.h"
#include "image/imagefault.h"
#include "image/projectitemformat.h"
#include "image/projectsettings.h"
#include "project/projectobjects.h"

#include <span>
#include <vector>

namespace {

// An item as read: what each kind needs of its layout, checked against the data block.
struct ProjectItem {
    bool present = false; // false for an empty slot
    uint32_t kind = 0;
    uint32_t value = 0;
    uint32_t valueB = 0;
    const uint8_t* bytes = nullptr;
    uint32_t length = 0;
    uint32_t* variable = nullptr;
    SettingsStream settings;
};

std::vector<ObjectHeader*> projectObjects(1);
MenuBarStream menuBar;

// Reads one item from its address on; the first fault is kept as the message.
class ItemReader : public ImageFaults {
public:
    ItemReader(const ImageData& image, uint32_t offset, int32_t number)
        : image(image), offset(offset), cursor(image.at(offset), image.dataSize() - offset), number(number)
    {}

    bool word(uint32_t& value)
    {
        value = 0;
        return cursor.readU32LE(value) || fail("the item ends with the data block");
    }

    // `length` bytes at the cursor.
    bool bytesHere(uint32_t length, const uint8_t*& bytes)
    {
        std::span<const uint8_t> view;
        if (!cursor.readBytes(length, view))
            return fail("its %u bytes run past the end of the data block", length);
        bytes = view.data();
        return true;
    }

    uint32_t rest() const { return static_cast<uint32_t>(cursor.remaining()); }

    bool bytesAt(uint32_t address, uint32_t length, const uint8_t*& bytes)
    {
        bytes = nullptr;
        if (length == 0)
            return true;
        uint32_t at;
        if (!image.dataOffset(address, length, at))
            return fail("its %u bytes at 0x%X lie outside the data block", length, address);
        bytes = image.at(at);
        return true;
    }

private:
    ImageFaultPlace faultPlace() const override
    {
        return {"project item " + std::to_string(number), ImageOffsetUnit::dataOffset, offset};
    }

    const ImageData& image;
    uint32_t offset;
    ByteCursor cursor;
    int32_t number;
};

bool readStream(ItemReader& r, ProjectItem& item)
{
    return r.word(item.length) && r.bytesHere(item.length, item.bytes);
}

// A fault of the settings stream is told as a fault of its item.
bool readSettings(ItemReader& r, ProjectItem& item)
{
    uint32_t list = 0;
    std::string fault;
    if (!r.word(list) || !readStream(r, item))
        return false;
    return settingsRead(item.bytes, item.length, item.settings, fault) || r.fail("%s", fault.c_str());
}

bool readModule(ItemReader& r, ProjectItem& item)
{
    uint32_t variable = 0;
    const uint8_t* bytes = nullptr;
    if (!r.word(item.value) || !r.word(variable) || !r.bytesAt(variable, 4, bytes))
        return false;
    item.variable = reinterpret_cast<uint32_t*>(const_cast<uint8_t*>(bytes));
    return item.value < uint32_t(classCount()) ||
           r.fail("the class index %d is not a class of the table, which holds %d", int32_t(item.value), classCount());
}

bool readDatabase(ItemReader& r, ProjectItem& item)
{
    uint32_t name = 0;
    return r.word(item.length) && r.word(name) && r.bytesAt(name, item.length, item.bytes) && r.word(item.value) &&
           r.word(item.valueB);
}

// Data in place runs to the end of the block: its own header says how much of it is used.
bool readInPlace(ItemReader& r, ProjectItem& item)
{
    if (!r.word(item.value))
        return false;
    item.length = r.rest();
    return r.bytesHere(item.length, item.bytes);
}

bool readItem(ItemReader& r, ProjectItem& item)
{
    item.present = true;
    if (!r.word(item.kind))
        return false;
    switch (item.kind) {
    case projectItemPicture:
    case projectItemSound:
        return readInPlace(r, item);
    case projectItemMenuBar:
        return readStream(r, item);
    case projectItemSettings:
        return readSettings(r, item);
    case projectItemModule:
        return readModule(r, item);
    case projectItemDatabase:
        return readDatabase(r, item);
    case projectItemMovie:
    case projectItemValue7:
    case projectItemValue8:
    case projectItemCursor:
        return r.word(item.value);
    default:
        return true; // an unknown kind is reported when the items are built
    }
}

bool readItems(const ImageData& image, const std::vector<uint32_t>& addresses, std::vector<ProjectItem>& items,
               std::string& error)
{
    items.resize(addresses.size());
    for (size_t i = 0; i < addresses.size(); ++i) {
        int32_t number = static_cast<int32_t>(i + 1);
        uint32_t offset;
        if (addresses[i] == 0)
            continue;
        if (!image.dataOffset(addresses[i], 4, offset)) {
            error = imageDamaged(imageFault({"project item " + std::to_string(number)},
                                            "its address 0x%X lies outside the data block", addresses[i]));
            return false;
        }
        ItemReader reader(image, offset, number);
        if (!readItem(reader, items[i])) {
            error = imageDamaged(reader.fault());
            return false;
        }
    }
    return true;
}

// A module's variables live in one instance, held by its global variable. A class whose
// reference was found nowhere (already reported) makes none.
void buildModule(const ProjectItem& item)
{
    ClassDescriptor* cls = classAt(static_cast<int32_t>(item.value));
    if (cls)
        *item.variable = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(objectInstantiate(cls)));
}

ObjectHeader* buildItem(const ProjectItem& item)
{
    switch (item.kind) {
    case projectItemPicture:
        return pictureFromImageData(item.bytes, item.length, static_cast<int32_t>(item.value));
    case projectItemMenuBar:
        menuBar = {item.bytes, item.length};
        return nullptr;
    case projectItemMovie:
        return movieFromResource(static_cast<int32_t>(item.value));
    case projectItemSettings:
        settingsApply(item.settings);
        return nullptr;
    case projectItemModule:
        buildModule(item);
        return nullptr;
    case projectItemSound:
        return soundFromImageData(item.value, item.bytes, item.length);
    case projectItemValue7:
    case projectItemValue8:
        return valueItemObject(item.kind, item.value);
    case projectItemCursor:
        return mouseCursorFromResource(static_cast<int32_t>(item.value));
    case projectItemDatabase:
        return databaseFromImage({reinterpret_cast<const char*>(item.bytes), item.length}, item.value, item.valueB);
    default:
        assertFailed(assertCategoryData, assertUnknownItemKind, "RuntimeMain", __LINE__);
        return nullptr;
    }
}

void releaseProjectObjects()
{
    for (ObjectHeader* object : projectObjects)
        RuntimeUnlockObject(object);
    projectObjects.assign(1, nullptr);
    menuBar = {nullptr, 0};
}

} // namespace

bool registryBuildProjectItems(const uint32_t* classTable, std::string& error)
{
    ImageData image = ImageData::linked();
    std::vector<uint32_t> addresses;
    std::vector<ProjectItem> items;
    uint32_t address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(classTable));
    if (!classTableReadItems(image, address, addresses, error) || !readItems(image, addresses, items, error))
        return false;
    releaseProjectObjects();
    projectObjects.resize(items.size() + 1, nullptr);
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].present)
            projectObjects[i + 1] = buildItem(items[i]);
    }
    return true;
}

MenuBarStream projectMenuBarStream()
{
    return menuBar;
}

extern "C" ObjectHeader* RuntimeProjectObject(int32_t number)
{
    if (number <= 0 || static_cast<size_t>(number) >= projectObjects.size())
        return nullptr;
    return RuntimeLockObject(projectObjects[number]);
}

// Pictures of the project are project objects: the same operation under the name the image's
// picture references use.
extern "C" ObjectHeader* RuntimePictureReference(int32_t number)
{
    return RuntimeProjectObject(number);
}

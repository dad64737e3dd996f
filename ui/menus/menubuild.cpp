// Building the menu bar from the image's menu bar stream, once at start-up.
#include "ui/menus/menubuild.h"

#include "image/menubarstream.h"
#include "project/projectitems.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"
#include "ui/menus/menubar.h"

namespace {

std::string buildError;

// The item's own class when it descends from MenuItem (a class that does not is replaced by
// MenuItem). A missing class or one too small to hold an item is reported and replaced too.
ClassDescriptor* itemClass(int32_t classIndex, const std::string& name, std::string& error)
{
    ClassDescriptor* menuItem = builtinClass(BuiltinClassId::MenuItem);
    ClassDescriptor* cls = classIndex >= 0 && classIndex < classCount() ? classAt(classIndex) : nullptr;
    const char* fault = !cls                                         ? "names no class"
                        : cls->instanceSize < sizeof(MenuItemObject) ? "names a class too small for a MenuItem"
                                                                     : nullptr;
    if (fault) {
        error += "menu item " + name + ": class index " + std::to_string(classIndex) + " " + fault + "\n";
        return menuItem;
    }
    return classDescendsFrom(cls, menuItem) ? cls : menuItem;
}

MenuItemObject* makeItem(const MenuItemRecord& record, std::string& error)
{
    ObjectHeader* object = objectInstantiate(itemClass(record.classIndex, record.name, error));
    MenuItemObject* item = asMenuItem(object);
    item->name = stringFromView(record.name);
    item->text = stringFromView(record.text);
    item->extra1 = stringFromView(record.extra1);
    item->extra2 = stringFromView(record.extra2);
    item->commandKey = stringFromView(record.commandKey);
    item->index = record.index;
    item->templateValue = record.flag;
    item->command = menuCommandTake(item);
    return item;
}

void buildItems(Menu* menu, const std::vector<MenuItemRecord>& records, std::string& error)
{
    for (const MenuItemRecord& record : records) {
        if (record.kind == streamMenuSkipped)
            continue;
        MenuItemObject* item = makeItem(record, error);
        Menu* submenu = record.hasSubmenu ? menuCreate(item) : nullptr;
        if (submenu)
            buildItems(submenu, record.submenu, error);
        menuAppendItem(menu, item, submenu);
    }
}

void buildTitle(HMENU bar, const MenuTitleRecord& title, std::string& error)
{
    if (title.kind == streamMenuSkippedTitle || title.kind == streamMenuSkipped)
        return;
    Menu* menu = menuCreate(nullptr);
    buildItems(menu, title.items, error);
    AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu->handle), title.text.c_str());
}

} // namespace

bool menuBarBuildFrom(const uint8_t* bytes, uint32_t length, std::string& error)
{
    std::vector<MenuTitleRecord> titles;
    error.clear();
    if (!menuBarRead(bytes, length, titles, error))
        return false;
    HMENU bar = menuBarCreate();
    for (const MenuTitleRecord& title : titles)
        buildTitle(bar, title, error);
    return true;
}

void menuBarBuild()
{
    MenuBarStream stream = projectMenuBarStream();
    if (stream.bytes && !menuBarHandle())
        menuBarBuildFrom(stream.bytes, stream.length, buildError);
}

const std::string& menuBarError()
{
    return buildError;
}

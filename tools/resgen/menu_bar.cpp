// The menu bar stream: the titles, each with its items, each item with its submenu.
#include "resgen/menu_bar.h"

#include "image/streamencoding.h"
#include "resgen/names.h"

#include <algorithm>

namespace resgen {

namespace {

// The fields a title and an item share, up to the flag byte.
void writeRecord(ImageStreamWriter& out, const MenuDescription& menu)
{
    out.number(streamMenuPlain);
    out.text(menu.text);
    out.text(menu.name);
    out.number(menu.index);
    out.text(menu.commandKey);
    out.text(menu.extra1);
    out.text(menu.extra2);
    out.byte(menu.flag);
}

void writeItems(ImageStreamWriter& out, const std::vector<MenuDescription>& items, const ClassTable& classes)
{
    out.number(static_cast<int32_t>(items.size()));
    for (const MenuDescription& item : items) {
        writeRecord(out, item);
        out.byte(item.items.empty() ? 0 : 1);
        out.number(classes.indexOf(item.itemClass.name.empty() ? "MenuItem" : item.itemClass.name));
        if (!item.items.empty())
            writeItems(out, item.items, classes);
    }
}

class MenuChecker {
public:
    MenuChecker(const ClassCatalog& catalog, tools::Diagnostics& diagnostics)
        : catalog_(catalog), diagnostics_(diagnostics)
    {}

    void items(const std::vector<MenuDescription>& items)
    {
        for (const MenuDescription& item : items) {
            itemClass(item.itemClass);
            if (!item.name.empty())
                name(item);
            this->items(item.items);
        }
    }

    // The runtime looks menu handlers up by item name; one that names no item never runs.
    void handlers(const ClassDescription& description)
    {
        for (const Binding& handler : description.menuHandlers) {
            const bool found = std::any_of(named_.begin(), named_.end(), [&](const MenuDescription* item) {
                return equalsIgnoringCase(item->name, handler.name);
            });
            if (!found)
                report(diagnostics_, handler.where, "no menu item is named " + handler.name);
        }
    }

private:
    void itemClass(const Binding& itemClass)
    {
        if (itemClass.name.empty())
            return;
        if (catalog_.find(itemClass.name) == nullptr) {
            report(diagnostics_, itemClass.where, "unknown class \"" + itemClass.name + "\"");
        } else if (!catalog_.descendsFrom(itemClass.name, "MenuItem")) {
            report(diagnostics_, itemClass.where, itemClass.name + " is not a MenuItem class");
        }
    }

    void name(const MenuDescription& item)
    {
        for (const MenuDescription* other : named_) {
            const bool array =
                item.index != streamNotInArray && other->index != streamNotInArray && item.index != other->index;
            if (equalsIgnoringCase(other->name, item.name) && !array) {
                report(diagnostics_, item.where,
                       "the menu bar already has an item named " + item.name + " (line " +
                           std::to_string(other->where.line) + "); elements of a menu array each need their own Index");
                break;
            }
        }
        named_.push_back(&item);
    }

    const ClassCatalog& catalog_;
    tools::Diagnostics& diagnostics_;
    std::vector<const MenuDescription*> named_;
};

} // namespace

std::vector<uint8_t> buildMenuBarStream(const Descriptions& descriptions, const ClassCatalog& catalog,
                                        const ClassTable& classes, tools::Diagnostics& diagnostics)
{
    MenuChecker checker(catalog, diagnostics);
    for (const MenuDescription& title : descriptions.menuBar)
        checker.items(title.items);
    for (const ClassDescription& description : descriptions.classes)
        checker.handlers(description);
    for (const WindowDescription& window : descriptions.windows)
        checker.handlers(window.windowClass);
    ImageStreamWriter out;
    out.number(static_cast<int32_t>(descriptions.menuBar.size()));
    for (const MenuDescription& title : descriptions.menuBar) {
        writeRecord(out, title);
        out.byte(1); // a title always carries its items
        out.number(classes.indexOf("MenuItem"));
        writeItems(out, title.items, classes);
    }
    return out.bytes();
}

} // namespace resgen

// Shortcut texts from the shortcut definitions of menu items, and their entries in the
// shortcut list.
#include "ui/menus/menushortcut.h"

#include "ui/menus/menudispatch.h"
#include "ui/menus/menuenabling.h"
#include "ui/menus/menuitem.h"
#include "ui/windows/shortcuts.h"

#include <vector>

namespace {

struct Modifiers {
    bool control = false;
    bool shift = false;
    bool alt = false;
};

std::vector<std::string_view> fieldsOf(std::string_view definition)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t dash; (dash = definition.find('-', start)) != std::string_view::npos; start = dash + 1)
        fields.push_back(definition.substr(start, dash - start));
    fields.push_back(definition.substr(start));
    return fields;
}

void noteModifier(std::string_view field, Modifiers& held)
{
    if (field == "Shift")
        held.shift = true;
    else if (field == "Control")
        held.control = true;
    else if (field == "Alt")
        held.alt = true;
    // "Option" has no key of its own here.
}

// The list runs it the way the menu would: the item is chosen only when it is not grayed.
// The enabling pass runs first, as before a menu opens, so that the state is the present one.
void runItemShortcut(void* target)
{
    auto* item = static_cast<MenuItemObject*>(target);
    ObjectRef kept(RuntimeLockObject(&item->header)); // the pass's handlers may close it
    menuEnablingPass();
    if (item->parent && item->present && item->enabledShown)
        menuDispatchCommand(item->command);
}

} // namespace

std::string menuShortcutText(std::string_view definition)
{
    if (definition.empty())
        return {};
    std::vector<std::string_view> fields = fieldsOf(definition);
    Modifiers held;
    for (std::string_view field : fields)
        noteModifier(field, held);
    std::string_view key = fields.back().empty() ? std::string_view("-") : fields.back();
    if (definition.size() == 1)
        held.control = true;
    std::string text;
    if (held.control)
        text += "Ctrl+";
    if (held.shift)
        text += "Shft+";
    if (held.alt)
        text += "Alt+";
    return text + std::string(key);
}

void menuShortcutEnter(MenuItemObject* item)
{
    menuShortcutRemove(item);
    std::string text = menuShortcutText(stringText(item->commandKey));
    if (!text.empty())
        shortcutAdd(text, runItemShortcut, item);
}

void menuShortcutRemove(MenuItemObject* item)
{
    shortcutRemoveTarget(item);
}

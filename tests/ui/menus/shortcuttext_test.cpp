// Shortcut texts from the shortcut definitions of menu items.
#include "ui/menus/menushortcut.h"

#include <gtest/gtest.h>

namespace {

struct ShortcutCase {
    const char* definition;
    const char* text;
    const char* why;
};

const ShortcutCase shortcutCases[] = {
    {"", "", "no definition, no shortcut"},
    {"N", "Ctrl+N", "a bare key means Control and the key"},
    {"P", "Ctrl+P", "another bare key"},
    {"Shift-N", "Shft+N", "Shift alone does not add Control"},
    {"Control-Shift-S", "Ctrl+Shft+S", "Control and Shift, Control first"},
    {"Shift-Control-S", "Ctrl+Shft+S", "the order of the text does not follow the definition"},
    {"Alt-Q", "Alt+Q", "Alt"},
    {"Control-Alt-Shift-Z", "Ctrl+Shft+Alt+Z", "all three in their fixed order"},
    {"Option-X", "X", "Option has no text"},
    {"Control-", "Ctrl+-", "a definition ending in a dash has the dash as its key"},
    {"-", "Ctrl+-", "a lone dash is a bare key"},
    {"Shift-F5", "Shft+F5", "a named key stays whole"},
    {"Control-Del", "Ctrl+Del", "key names as the keyboard gives them"},
    {"Hyper-K", "K", "unknown fields set nothing"},
};

TEST(MenuShortcutText, FromDefinitions)
{
    for (const ShortcutCase& c : shortcutCases)
        EXPECT_EQ(menuShortcutText(c.definition), c.text) << c.definition << ": " << c.why;
}

} // namespace

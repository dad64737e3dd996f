// The shortcut list: key texts are matched without regard to case, the newest binding first.
#include "ui/windows/shortcuts.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string ran;

void record(void* target)
{
    ran = static_cast<const char*>(target);
}

} // namespace

TEST(Shortcuts, KeyTextsMatchWithoutRegardToCase)
{
    struct Case {
        const char* bound;
        const char* pressed;
        bool runs;
    } cases[] = {
        {"Ctrl+P", "Ctrl+P", true},       {"Ctrl+p", "Ctrl+P", true}, {"ctrl+shft+s", "Ctrl+Shft+S", true},
        {"Ctrl+P", "Ctrl+Shft+P", false}, {"Ctrl+P", "Alt+P", false}, {"Ctrl+P", "", false},
    };
    for (const Case& c : cases) {
        shortcutClear();
        ran.clear();
        shortcutAdd(c.bound, record, const_cast<char*>(c.bound));
        EXPECT_EQ(shortcutRun(c.pressed), c.runs) << c.bound << " pressed as " << c.pressed;
        EXPECT_EQ(ran, c.runs ? c.bound : "") << c.bound;
    }
    shortcutClear();
}

TEST(Shortcuts, TheNewestBindingOfAKeyRunsFirst)
{
    shortcutClear();
    static char older[] = "older", newer[] = "newer";
    shortcutAdd("Ctrl+N", record, older);
    shortcutAdd("ctrl+n", record, newer);
    EXPECT_TRUE(shortcutRun("Ctrl+N"));
    EXPECT_EQ(ran, "newer");
    shortcutRemoveTarget(newer);
    EXPECT_TRUE(shortcutRun("Ctrl+N"));
    EXPECT_EQ(ran, "older");
    shortcutClear();
}

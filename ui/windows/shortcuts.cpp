// Keyboard shortcuts: key texts ("Ctrl+S", "Shft+F5") bound to what they run.
#include "ui/windows/shortcuts.h"

#include "runtime/strings/identifier.h"
#include "ui/windows/pane.h"

#include <string>
#include <vector>

namespace {

struct Shortcut {
    std::string keyText;
    void (*run)(void* target);
    void* target;
};

std::vector<Shortcut>& shortcuts()
{
    static std::vector<Shortcut> list;
    return list;
}

void runPaneShortcut(void* pane)
{
    static_cast<Pane*>(pane)->shortcut();
}

} // namespace

void shortcutAdd(std::string_view keyText, void (*run)(void* target), void* target)
{
    shortcuts().insert(shortcuts().begin(), Shortcut{std::string(keyText), run, target});
}

void shortcutAddForPane(std::string_view keyText, Pane* pane)
{
    shortcutAdd(keyText, runPaneShortcut, pane);
}

void shortcutRemoveTarget(void* target)
{
    std::erase_if(shortcuts(), [target](const Shortcut& shortcut) { return shortcut.target == target; });
}

void shortcutClear()
{
    shortcuts().clear();
}

bool shortcutRun(std::string_view keyText)
{
    if (keyText.empty())
        return false;
    for (const Shortcut& shortcut : shortcuts()) {
        if (identifierEquals(shortcut.keyText, keyText)) {
            Shortcut chosen = shortcut; // running it may change the list
            chosen.run(chosen.target);
            return true;
        }
    }
    return false;
}

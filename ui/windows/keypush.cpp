// Buttons pushed from the keyboard: shown pressed while their key is held, pushed once a press.
#include "ui/windows/keypush.h"

#include "ui/windows/pane.h"

namespace {

// The button a held key shows pressed; it holds a reference, so that a window closed while the
// key is down leaves no dangling control (its pane is gone, and nothing is drawn then).
struct HeldButton {
    ObjectHeader* control = nullptr;
    WPARAM key = 0;
};

HeldButton held;
MSG currentKey = {};

bool isRepeat(const MSG& key)
{
    return (key.lParam & (1L << 30)) != 0;
}

void letGo()
{
    if (!held.control)
        return;
    if (Pane* pane = paneOfControl(held.control))
        pane->showPressed(false);
    RuntimeUnlockObject(held.control);
    held = {};
}

void hold(ObjectHeader* control, Pane* pane, WPARAM key)
{
    held = {RuntimeLockObject(control), key};
    pane->showPressed(true);
    UpdateWindow(pane->handle());
}

} // namespace

void keyPushBeginKey(const MSG& message)
{
    currentKey = message;
}

void keyPushEndKey()
{
    currentKey = {};
}

void keyPushKeyUp(const MSG& message)
{
    if (held.control && message.wParam == held.key)
        letGo();
}

extern "C" void RuntimeKeyPushButton(ObjectHeader* control)
{
    Pane* pane = paneOfControl(control);
    if (!pane || !pane->visible() || !pane->enabled())
        return;
    if (isRepeat(currentKey) && held.control == control)
        return;
    letGo();
    WPARAM key = currentKey.wParam;
    if (key)
        hold(control, pane, key);
    pane->push();
    // A box the push showed took the key's release in its own loop.
    if (key && !(GetKeyState(static_cast<int>(key)) & 0x8000))
        letGo();
}

// Controls stack in the order they are made, drawn and native alike: where two controls of one
// parent window overlap, the one made later lies above.
#include "ui/windows/panestacking.h"

#include "ui/windows/nativewindow.h"

namespace {

// Only siblings share a stacking order, and only where they overlap does it show.
bool overlapsSibling(const Pane* pane, const Pane* other)
{
    return pane != other && pane->handle() && other->handle() && pane->stacking.parent == other->stacking.parent &&
           pane->bounds().overlaps(other->bounds());
}

bool overlapsAnySibling(Pane* pane)
{
    bool overlapping = false;
    forEachPane(pane->window(), [&](Pane* other) { overlapping = overlapping || overlapsSibling(pane, other); });
    return overlapping;
}

// A new window has never been painted: it paints itself whole once raised, and nothing it now
// covers needs drawing again. A moved one is redrawn as usual.
void raiseToTop(Pane* pane, NativeWindow* native, bool isNew)
{
    UINT quiet = isNew ? SWP_NOREDRAW | SWP_NOSENDCHANGING : 0;
    SetWindowPos(pane->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | quiet);
    pane->stacking.rank = ++native->stackTop;
}

NativeWindow* nativeOf(Pane* pane)
{
    return pane->window() ? pane->window()->native : nullptr;
}

} // namespace

void stackNewPane(Pane* pane)
{
    NativeWindow* native = nativeOf(pane);
    if (!native || !pane->handle())
        return;
    pane->stacking.parent = GetParent(pane->handle());
    if (overlapsAnySibling(pane))
        raiseToTop(pane, native, true);
    else
        pane->stacking.rank = --native->stackBottom;
}

void restackMovedPane(Pane* pane)
{
    NativeWindow* native = nativeOf(pane);
    if (!native || !pane->handle())
        return;
    bool madeLater = false, wrong = false;
    forEachPane(pane->window(), [&](Pane* other) {
        madeLater = madeLater || other == pane;
        if (overlapsSibling(pane, other))
            wrong = wrong || (other->stacking.rank > pane->stacking.rank) != madeLater;
    });
    if (!wrong)
        return;
    forEachPane(pane->window(), [&](Pane* each) {
        if (each->stacking.parent == pane->stacking.parent && overlapsAnySibling(each))
            raiseToTop(each, native, false);
    });
}

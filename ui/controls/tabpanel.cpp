// TabPanel: a native tab control ("SysTabControl32") whose tabs are the lines of InitialValue;
// the controls inside it show only on their own tab (TabPanelIndex, from 0), and choosing a
// tab raises Change.
#include "ui/controls/controlkinds.h"
#include "ui/controls/textlines.h"
#include "ui/windows/events.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"

#include <commctrl.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace {

struct TabPanelObject {
    RectControlObject rect;
    StringRecord* initialValue; // the tabs' captions, one per line
    int32_t value;              // the tab chosen before the window opened
};
static_assert(sizeof(TabPanelObject) <= 124, "the TabPanel class is 124 bytes");

TabPanelObject* asTabPanel(ObjectHeader* object)
{
    return reinterpret_cast<TabPanelObject*>(object);
}

class TabPanelPane : public NativePane {
public:
    using NativePane::NativePane;

    PaneKind kind() const override { return PaneKind::tabPanel; }
    bool usesArrowKeys() const override { return true; }
    void open(NativeWindow* native) override
    {
        nativeEnsureCommonControls();
        TabPanelObject* panel = asTabPanel(control());
        if (!createControl(native, WC_TABCONTROLA, WS_CLIPSIBLINGS | WS_TABSTOP, 0, ""))
            return;
        setFont(nativeFontAcquire(nullptr, 0, false, false, false));
        addTabs(std::string_view(stringText(panel->initialValue), stringLength(panel->initialValue)));
        SendMessageA(windowHandle, TCM_SETCURSEL, panel->value, 0);
    }

    int32_t current() const { return static_cast<int32_t>(SendMessageA(windowHandle, TCM_GETCURSEL, 0, 0)); }
    int32_t tabCount() const { return static_cast<int32_t>(SendMessageA(windowHandle, TCM_GETITEMCOUNT, 0, 0)); }

    void choose(int32_t tab)
    {
        SendMessageA(windowHandle, TCM_SETCURSEL, tab, 0);
        changed();
    }

    // The panes inside the panel show on their own tab only; their Visible stays as it is.
    void showCurrentTab()
    {
        int32_t tab = current();
        forEachPane(window(), [&](Pane* pane) {
            if (pane == this || !pane->handle() || !paneBounds.contains(pane->bounds()))
                return;
            ShowWindow(pane->handle(), pane->visible() && pane->tabPanelIndex() == tab ? SW_SHOWNA : SW_HIDE);
        });
    }

    LRESULT notify(NMHDR* header) override
    {
        if (header->code == TCN_SELCHANGE)
            changed();
        return 0;
    }

private:
    void changed()
    {
        asTabPanel(control())->value = current();
        showCurrentTab();
        raiseEvent(control(), "Change");
    }

    void addTabs(std::string_view captions)
    {
        int32_t index = 0;
        for (std::string caption : textLines(captions)) {
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageA(windowHandle, TCM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&item));
        }
    }
};

TabPanelPane* tabPane(ObjectHeader* panel)
{
    Pane* pane = paneOfControl(panel);
    return pane && pane->handle() ? static_cast<TabPanelPane*>(pane) : nullptr;
}

void destroyTabPanel(ObjectHeader* object, ClassDescriptor*)
{
    RuntimeUnlockString(asTabPanel(object)->initialValue);
}

} // namespace

extern "C" int32_t tabPanelValueGetter(ObjectHeader* panel, int32_t)
{
    TabPanelPane* pane = tabPane(panel);
    return pane ? pane->current() : panel ? asTabPanel(panel)->value : 0;
}

// A tab that does not exist is ignored.
extern "C" void tabPanelValueSetter(ObjectHeader* panel, int32_t, int32_t tab)
{
    if (!panel)
        return;
    TabPanelPane* pane = tabPane(panel);
    if (!pane)
        asTabPanel(panel)->value = tab;
    else if (tab >= 0 && tab < pane->tabCount())
        pane->choose(tab);
}

void tabPanelSetUpClass(ClassDescriptor* cls)
{
    cls->destructor = destroyTabPanel;
    classDeclareProperties(
        cls, {
                 {"InitialValue", accessor(stringGetter), accessor(stringSetter),
                  offsetof(TabPanelObject, initialValue), propertyString},
                 {"Value", accessor(tabPanelValueGetter), accessor(tabPanelValueSetter), 0, propertyInteger},
             });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<TabPanelPane>));
}

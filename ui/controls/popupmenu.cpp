// PopupMenu: a native drop-down list ("COMBOBOX") whose rows the application adds; choosing a
// row raises Change.
#include "graphics/gdiobjects.h"
#include "ui/controls/controlkinds.h"
#include "ui/controls/rowlistobject.h"
#include "ui/controls/textlines.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/events.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Room for the drop-down list below the closed control.
constexpr int32_t dropDownRoom = 200;

class PopupMenuPane : public NativePane {
public:
    using NativePane::NativePane;

    bool usesArrowKeys() const override { return true; }
    bool takesTyping() const override { return true; }
    bool listDropped() const override { return handle() && SendMessageA(handle(), CB_GETDROPPEDSTATE, 0, 0); }
    void open(NativeWindow* native) override
    {
        RowListObject* popup = asRowList(control());
        if (!createControl(native, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, ""))
            return;
        setFont(nativeFontAcquire(popup->textFont, popup->textSize, popup->bold, popup->italic, popup->underline));
        addInitialRows(std::string_view(stringText(popup->initialValue), stringLength(popup->initialValue)));
        if (popup->listIndex >= 0)
            SendMessageA(windowHandle, CB_SETCURSEL, popup->listIndex, 0);
    }

    void addRow(const char* text)
    {
        LRESULT row = SendMessageA(windowHandle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (row >= 0)
            SendMessageA(windowHandle, CB_SETITEMDATA, row, 0);
        widenDropDown(text);
    }

    int32_t rowCount() const { return static_cast<int32_t>(SendMessageA(windowHandle, CB_GETCOUNT, 0, 0)); }

    void command(int32_t code) override
    {
        if (code == CBN_SELCHANGE)
            raiseEvent(control(), "Change");
    }

protected:
    int32_t extraHeight() const override { return dropDownRoom; }

private:
    void addInitialRows(std::string_view rows)
    {
        for (const std::string& row : textLines(rows))
            addRow(row.c_str());
    }

    // The list opens at least as wide as its widest row.
    // The list is made as wide as its widest row; rows are measured on a device context made
    // once, since getting the control's own for every added row is slow.
    void widenDropDown(const char* text)
    {
        static HDC measuring = CreateCompatibleDC(nullptr);
        SIZE extent = {};
        {
            Selection selected(measuring, controlFont() ? controlFont() : GetStockObject(DEFAULT_GUI_FONT));
            GetTextExtentPoint32A(measuring, text, static_cast<int>(strlen(text)), &extent);
        }
        int32_t wanted = extent.cx + 2 * GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXVSCROLL);
        if (wanted <= widestRow)
            return;
        widestRow = wanted;
        if (wanted > SendMessageA(windowHandle, CB_GETDROPPEDWIDTH, 0, 0))
            SendMessageA(windowHandle, CB_SETDROPPEDWIDTH, wanted, 0);
    }

    int32_t widestRow = 0;
};

PopupMenuPane* popupPane(ObjectHeader* popup)
{
    Pane* pane = paneOfControl(popup);
    return pane && pane->handle() ? static_cast<PopupMenuPane*>(pane) : nullptr;
}

} // namespace

extern "C" StringRecord* popupTextGetter(ObjectHeader* popup, int32_t)
{
    PopupMenuPane* pane = popupPane(popup);
    if (!pane)
        return nullptr;
    LRESULT row = SendMessageA(pane->handle(), CB_GETCURSEL, 0, 0);
    LRESULT length = row < 0 ? CB_ERR : SendMessageA(pane->handle(), CB_GETLBTEXTLEN, row, 0);
    if (length <= 0)
        return nullptr;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    length = SendMessageA(pane->handle(), CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return length > 0 ? stringMake(text.data(), static_cast<int32_t>(length)) : nullptr;
}

extern "C" void RuntimePopupAddRow(ObjectHeader* popup, StringRecord* text)
{
    if (PopupMenuPane* pane = popupPane(popup))
        pane->addRow(stringText(text));
}

// An index outside the rows (other than -1, no selection) is ignored.
extern "C" void RuntimePopupSelectionSetter(ObjectHeader* popup, int32_t index)
{
    if (!popup)
        return;
    PopupMenuPane* pane = popupPane(popup);
    if (!pane) {
        asRowList(popup)->listIndex = index;
        return;
    }
    if (index < -1 || index >= pane->rowCount())
        return;
    SendMessageA(pane->handle(), CB_SETCURSEL, index, 0);
    raiseEvent(popup, "Change");
}

extern "C" int32_t popupListIndexGetter(ObjectHeader* popup, int32_t)
{
    PopupMenuPane* pane = popupPane(popup);
    if (!pane)
        return popup ? asRowList(popup)->listIndex : -1;
    return static_cast<int32_t>(SendMessageA(pane->handle(), CB_GETCURSEL, 0, 0));
}

extern "C" void popupListIndexSetter(ObjectHeader* popup, int32_t, int32_t index)
{
    RuntimePopupSelectionSetter(popup, index);
}

extern "C" int32_t popupListCountGetter(ObjectHeader* popup, int32_t)
{
    PopupMenuPane* pane = popupPane(popup);
    return pane ? pane->rowCount() : 0;
}

void popupMenuSetUpClass(ClassDescriptor* cls)
{
    rowListSetUpClass(cls, {accessor(stringSetter), accessor(shortFieldSetter), accessor(booleanFieldSetter)});
    classDeclareProperties(
        cls, {
                 {"Text", accessor(popupTextGetter), nullptr, 0, propertyString},
                 {"ListIndex", accessor(popupListIndexGetter), accessor(popupListIndexSetter), 0, propertyInteger},
                 {"ListCount", accessor(popupListCountGetter), nullptr, 0, propertyInteger},
             });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<PopupMenuPane>));
}

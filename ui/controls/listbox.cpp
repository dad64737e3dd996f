// Listbox: rows of text drawn by the runtime in a "VX_Pane", one of them selected by a click or
// from code (Change), a double click on the selected row (DoubleClick); the row operations the
// application calls.
#include "base/assertion.h"
#include "graphics/fontcache.h"
#include "graphics/gdiobjects.h"
#include "runtime/exceptions/exceptions.h"
#include "ui/controls/controlkinds.h"
#include "ui/controls/rowlistobject.h"
#include "ui/controls/textlines.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/events.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/messagestate.h"
#include "ui/windows/nativepane.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace {

HFONT listFont(const RowListObject* list)
{
    return nativeFontAcquire(list->textFont, list->textSize, list->bold, list->italic, list->underline);
}

class ListboxPane : public DrawnPane {
public:
    ListboxPane(ObjectHeader* control, const PaneRect& bounds) : DrawnPane(control, bounds)
    {
        RowListObject* list = asRowList(control);
        rows = textLines(std::string_view(stringText(list->initialValue), stringLength(list->initialValue)));
        selected = list->listIndex >= 0 && list->listIndex < rowCount() ? list->listIndex : -1;
    }

    int32_t rowCount() const { return static_cast<int32_t>(rows.size()); }
    bool validRow(int32_t row) const { return row >= 0 && row < rowCount(); }
    const std::string& row(int32_t index) const { return rows[static_cast<size_t>(index)]; }
    int32_t selection() const { return selected; }

    void insertRow(int32_t index, const char* text)
    {
        index = index < 0 ? 0 : index > rowCount() ? rowCount() : index;
        rows.insert(rows.begin() + index, text);
        if (selected >= index)
            ++selected;
        invalidate();
    }
    void removeRow(int32_t index)
    {
        rows.erase(rows.begin() + index);
        if (selected == index)
            selected = -1;
        else if (selected > index)
            --selected;
        invalidate();
    }
    void empty()
    {
        rows.clear();
        selected = -1;
        invalidate();
    }
    void select(int32_t index)
    {
        selected = index;
        invalidate();
        raiseEvent(control(), "Change");
    }

    bool receivesMouse() const override { return true; }
    // The first click selects the row; the second of a double click on it raises DoubleClick.
    bool mouseDown(int32_t x, int32_t y, int32_t) override
    {
        int32_t height = rowHeight();
        int32_t index = height > 0 ? (y - paneBounds.top - 1) / height : -1;
        if (x < paneBounds.left || !validRow(index))
            return false;
        if (index != selected)
            select(index);
        else if (lastMouseDown().doubleClick)
            raiseEvent(control(), "DoubleClick");
        return false;
    }

protected:
    void drawContent(HDC dc) override
    {
        RECT area = {0, 0, paneBounds.width(), paneBounds.height()};
        FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
        FrameRect(dc, &area, GetSysColorBrush(COLOR_WINDOWFRAME));
        HeldFont font(listFont(asRowList(control())));
        Selection selectedFont(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
        int32_t height = textHeight(dc);
        for (int32_t index = 0; index < rowCount() && 1 + index * height < area.bottom; ++index) {
            RECT line = {1, 1 + index * height, area.right - 1, 1 + (index + 1) * height};
            bool chosen = index == selected;
            if (chosen)
                FillRect(dc, &line, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(chosen ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            RECT text = {line.left + 2, line.top, line.right, line.bottom};
            DrawTextA(dc, row(index).c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }

private:
    static int32_t textHeight(HDC dc)
    {
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        return metrics.tmHeight + 2;
    }
    int32_t rowHeight() const
    {
        HDC dc = GetDC(windowHandle);
        int32_t height;
        {
            HeldFont font(listFont(asRowList(control())));
            Selection selectedFont(dc, font.get());
            height = textHeight(dc);
        }
        ReleaseDC(windowHandle, dc);
        return height;
    }

    std::vector<std::string> rows;
    int32_t selected = -1;
};

ListboxPane* listPane(ObjectHeader* list)
{
    return static_cast<ListboxPane*>(paneOfControl(list));
}

// A row index outside the rows raises OutOfBoundsException; false then.
bool checkedRow(ListboxPane* pane, int32_t row)
{
    if (pane->validRow(row))
        return true;
    raiseBuiltinException(BuiltinException::OutOfBounds);
    return false;
}

} // namespace

extern "C" int32_t listCountGetter(ObjectHeader* list, int32_t)
{
    ListboxPane* pane = listPane(list);
    if (!pane) {
        assertFailed(assertCategoryRuntime, assertBadCall, "runListbox", __LINE__);
        return 0;
    }
    return pane->rowCount();
}

extern "C" void RuntimeListAddRow(ObjectHeader* list, StringRecord* text)
{
    if (ListboxPane* pane = listPane(list))
        pane->insertRow(pane->rowCount(), stringText(text));
}

// A row before the first inserts at the top, one after the last appends.
extern "C" void RuntimeListInsertRow(ObjectHeader* list, int32_t row, StringRecord* text)
{
    if (ListboxPane* pane = listPane(list))
        pane->insertRow(row, stringText(text));
}

extern "C" void RuntimeRemoveRow(ObjectHeader* list, int32_t row)
{
    ListboxPane* pane = listPane(list);
    if (pane && checkedRow(pane, row))
        pane->removeRow(row);
}

extern "C" StringRecord* RuntimeGetRow(ObjectHeader* list, int32_t row)
{
    ListboxPane* pane = listPane(list);
    if (!pane || !checkedRow(pane, row))
        return nullptr;
    return stringFromView(pane->row(row));
}

extern "C" void RuntimeListEmpty(ObjectHeader* list)
{
    if (ListboxPane* pane = listPane(list))
        pane->empty();
}

extern "C" int32_t listIndexGetter(ObjectHeader* list, int32_t)
{
    ListboxPane* pane = listPane(list);
    return pane ? pane->selection() : list ? asRowList(list)->listIndex : -1;
}

// An index outside the rows (other than -1, no selection) is ignored.
extern "C" void listIndexSetter(ObjectHeader* list, int32_t, int32_t index)
{
    if (!list)
        return;
    ListboxPane* pane = listPane(list);
    if (!pane)
        asRowList(list)->listIndex = index;
    else if (index == -1 || pane->validRow(index))
        pane->select(index);
}

void listboxSetUpClass(ClassDescriptor* cls)
{
    rowListSetUpClass(cls,
                      {accessor(controlStringSetter), accessor(controlShortSetter), accessor(controlBooleanSetter)});
    classDeclareProperties(cls,
                           {
                               {"ListCount", accessor(listCountGetter), nullptr, 0, propertyInteger},
                               {"ListIndex", accessor(listIndexGetter), accessor(listIndexSetter), 0, propertyInteger},
                           });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createDrawnPane<ListboxPane>));
}

// Listbox rows: added, inserted, removed, read and emptied; rows out of range raise
// OutOfBoundsException; a click on a row selects it and raises Change, a double click on it
// DoubleClick.
#include "graphics/fontcache.h"
#include "runtime/exceptions/exceptions.h"
#include "tests/ui/controls/controltesting.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/messagestate.h"

extern "C" int callCatchingOutOfBounds(void (*routine)(void* context), void* context);

namespace {

struct RowCall {
    ObjectHeader* list;
    int32_t row;
    bool remove;
};

void callRowRoutine(void* context)
{
    auto* call = static_cast<RowCall*>(context);
    if (call->remove)
        RuntimeRemoveRow(call->list, call->row);
    else
        RuntimeUnlockString(RuntimeGetRow(call->list, call->row));
}

// The catching frame names class 0 of the class table; the test classes come back after it.
bool raisesOutOfBounds(RowCall call)
{
    static ClassDescriptor* table[1];
    table[0] = exceptionClass(BuiltinException::OutOfBounds);
    classSetTable(table, 1);
    bool caught = callCatchingOutOfBounds(callRowRoutine, &call) != 0;
    testClass(BuiltinClassId::Object, {});
    return caught;
}

class Listboxes : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        // "東京", "大阪", "名古屋": the branches.
        ASSERT_NE(open({{listboxClass(), controlProperties("Branches", 10, 10, 200, 150,
                                                           {{"InitialValue", "\x93\x8c\x8b\x9e\r\x91\xe5\x8d\xe3\r"
                                                                             "\x96\xbc\x8c\xc3\x89\xae"}})}}),
                  nullptr);
    }
    ObjectHeader* list() { return control("Branches"); }
    std::string row(int32_t index) { return textOf(RuntimeGetRow(list(), index)); }
    std::vector<std::string> rows()
    {
        std::vector<std::string> all;
        for (int32_t index = 0; index < listCountGetter(list(), 0); ++index)
            all.push_back(row(index));
        return all;
    }
};

TEST_F(Listboxes, RowsAreAddedInsertedRemovedAndEmptied)
{
    EXPECT_EQ(rows(), (Events{"\x93\x8c\x8b\x9e", "\x91\xe5\x8d\xe3", "\x96\xbc\x8c\xc3\x89\xae"}));
    StringRef a(stringFromText("A")), b(stringFromText("B")), c(stringFromText("C"));
    RuntimeListAddRow(list(), a.get());
    RuntimeListInsertRow(list(), 0, b.get());
    RuntimeListInsertRow(list(), 99, c.get());
    RuntimeListInsertRow(list(), -3, nullptr);
    EXPECT_EQ(rows(), (Events{"", "B", "\x93\x8c\x8b\x9e", "\x91\xe5\x8d\xe3", "\x96\xbc\x8c\xc3\x89\xae", "A", "C"}));
    RuntimeRemoveRow(list(), 0);
    RuntimeRemoveRow(list(), 5);
    EXPECT_EQ(rows(), (Events{"B", "\x93\x8c\x8b\x9e", "\x91\xe5\x8d\xe3", "\x96\xbc\x8c\xc3\x89\xae", "A"}));
    RuntimeListEmpty(list());
    EXPECT_EQ(listCountGetter(list(), 0), 0);
}

TEST_F(Listboxes, RowsOutOfRangeRaiseOutOfBounds)
{
    struct Case {
        int32_t row;
        bool remove;
        bool raises;
    };
    const Case cases[] = {{-1, false, true}, {3, false, true}, {2, false, false}, {-1, true, true},
                          {3, true, true},   {2, true, false}, {2, true, true}};
    for (const Case& c : cases)
        EXPECT_EQ(raisesOutOfBounds({list(), c.row, c.remove}), c.raises) << c.row << (c.remove ? " remove" : " get");
    EXPECT_EQ(listCountGetter(list(), 0), 2);
}

int32_t rowHeight()
{
    HFONT font = fontAcquire("System", 0, false, false, false);
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    fontRelease(font);
    return metrics.tmHeight + 2;
}

// The middle of a row of the list, in the window's client coordinates.
int32_t rowMiddle(int32_t row)
{
    return 10 + 1 + row * rowHeight() + rowHeight() / 2;
}

// Two clicks from the mouse itself, as quick as a person's double click, so that the system
// makes the second one a double click.
void doubleClickAt(HWND window, int32_t x, int32_t y)
{
    POINT at = {x, y};
    ClientToScreen(window, &at);
    moveMouseToScreen(at.x, at.y);
    INPUT inputs[4] = {};
    const DWORD buttons[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN));
        inputs[i].mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN));
        inputs[i].mi.dwFlags = buttons[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(4, inputs, sizeof(INPUT));
    pumpFor(200);
}

TEST_F(Listboxes, AClickOnARowSelectsItOnceAndRaisesChange)
{
    HWND windowHandle = windowHandleOf(window);
    clickAt(windowHandle, 50, rowMiddle(1));
    clickAt(windowHandle, 60, rowMiddle(1));
    EXPECT_EQ(listIndexGetter(list(), 0), 1);
    EXPECT_EQ(recordedIgnoring(incidental), Events{"Branches.Change"}) << "two clicks apart";
    listIndexSetter(list(), 0, 7);
    EXPECT_EQ(listIndexGetter(list(), 0), 1);
    listIndexSetter(list(), 0, -1);
    EXPECT_EQ(listIndexGetter(list(), 0), -1);
}

TEST_F(Listboxes, ADoubleClickOnARowSelectsItAndRaisesDoubleClick)
{
    doubleClickAt(windowHandleOf(window), 50, rowMiddle(2));
    EXPECT_EQ(listIndexGetter(list(), 0), 2);
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Branches.Change", "Branches.DoubleClick"}));
    MouseDownKind kind = lastMouseDown();
    EXPECT_FALSE(kind.rightButton);
    EXPECT_TRUE(kind.doubleClick);
}

} // namespace

// Listbox rows: added, inserted, removed, read and emptied; rows out of range raise
// OutOfBoundsException; a click on a row selects it and raises Change.
#include "graphics/fontcache.h"
#include "runtime/exceptions/exceptions.h"
#include "tests/ui/controls/controltesting.h"
#include "ui/windows/controlaccessors.h"

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

TEST_F(Listboxes, AClickOnARowSelectsItOnceAndRaisesChange)
{
    HFONT font = fontAcquire("System", 0, false, false, false);
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    fontRelease(font);
    int32_t rowHeight = metrics.tmHeight + 2;
    HWND windowHandle = windowHandleOf(window);
    clickAt(windowHandle, 50, 10 + 1 + rowHeight + rowHeight / 2);
    clickAt(windowHandle, 60, 10 + 1 + rowHeight + rowHeight / 2);
    EXPECT_EQ(listIndexGetter(list(), 0), 1);
    EXPECT_EQ(recordedOnly({"Change"}), Events{"Branches.Change"});
    listIndexSetter(list(), 0, 7);
    EXPECT_EQ(listIndexGetter(list(), 0), 1);
    listIndexSetter(list(), 0, -1);
    EXPECT_EQ(listIndexGetter(list(), 0), -1);
}

} // namespace

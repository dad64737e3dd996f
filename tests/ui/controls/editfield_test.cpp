// Edit fields driven as a person would: Japanese text typed and read back, the text set
// before and after opening, password fields, the keys the field hears of first, focus moves,
// the selection and the font.
#include "base/hostmessage.h"
#include "startup/runtimeexports.h"
#include "tests/support/waits.h"
#include "tests/ui/controls/controltesting.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/windowobject.h"

#include <richedit.h>

#include <functional>
#include <thread>

namespace {

StringRef text(const char* value)
{
    return StringRef(stringFromText(value));
}

// "日本語の入力" in Shift-JIS, and a half-width part after it.
const std::string japanese = "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x93\xfc\x97\xcd";

class EditFields : public ControlTest {
protected:
    void openFields(const Properties& own = {})
    {
        ASSERT_NE(open({{editFieldClass(), controlProperties("Field", 10, 10, 200, 24, own)},
                        {editFieldClass(), controlProperties("Other", 10, 50, 200, 24)},
                        {pushButtonClass(), controlProperties("Button", 10, 90, 80, 24, {{"Caption", "OK"}})}}),
                  nullptr);
    }
    std::string fieldText() { return textOf(editTextGetter(control("Field"), 0)); }
};

TEST_F(EditFields, TextSetBeforeOpeningIsShownWithoutATextChange)
{
    openFields({{"Text", "\x8b\xe0\x8a\x7a 1,000"}});
    EXPECT_EQ(windowText(handleOf("Field")), "\x8b\xe0\x8a\x7a 1,000");
    EXPECT_EQ(fieldText(), "\x8b\xe0\x8a\x7a 1,000");
    EXPECT_EQ(recordedIgnoring(incidental), Events{});
}

TEST_F(EditFields, TypedJapaneseTextReadsBackByteForByte)
{
    openFields();
    focus("Field");
    typeText(handleOf("Field"), japanese + " abc");
    EXPECT_EQ(fieldText(), japanese + " abc");
    // Single-byte characters are offered to the field's KeyDown; double-byte ones pass on whole.
    // Each character changes the text and moves the selection once.
    Events expected;
    for (size_t character = 0; character < japanese.size() / 2; ++character)
        expected.insert(expected.end(), {"Field.SelChange", "Field.TextChange"});
    for (const char* code : {"32", "97", "98", "99"})
        expected.insert(expected.end(), {std::string("Field.KeyDown ") + code, "Field.SelChange", "Field.TextChange"});
    EXPECT_EQ(recordedIgnoring(incidental), expected);
}

TEST_F(EditFields, AKeyDownAnsweredTrueKeepsTheCharacterOut)
{
    openFields();
    focus("Field");
    handlerAnswers()["Field.KeyDown"] = true;
    typeText(handleOf("Field"), "12");
    handlerAnswers()["Field.KeyDown"] = false;
    typeText(handleOf("Field"), "3");
    EXPECT_EQ(fieldText(), "3");
}

TEST_F(EditFields, TypingStopsAtTheLimit)
{
    openFields({{"LimitText", "4"}});
    focus("Field");
    typeText(handleOf("Field"), "ab" + japanese);
    EXPECT_EQ(fieldText(), "ab\x93\xfa\x96\x7b");
}

TEST_F(EditFields, SettingTheTextOfAnOpenFieldRaisesTextChange)
{
    openFields();
    editTextSetter(control("Field"), 0, text(japanese.c_str()).get());
    pumpFor(30);
    EXPECT_EQ(windowText(handleOf("Field")), japanese);
    EXPECT_EQ(recordedIgnoring(incidental), Events{"Field.TextChange"});
    editTextSetter(control("Field"), 0, nullptr);
    EXPECT_EQ(fieldText(), "");
}

// "壱万円": the text a TextChange handler keeps and puts back into its own field, as the
// application's amount fields do after every change.
const char* const keptAmount = "\x88\xeb\x96\x9c\x89\x7e";
int textChangeDepth = 0;

// Stops after a few nested calls, so that a field raising TextChange again for the text its
// own handler set fails the test instead of overflowing the stack.
int32_t putKeptAmountBack(ObjectHeader* field)
{
    recordEvent(field, "TextChange", " depth " + std::to_string(textChangeDepth));
    if (textChangeDepth >= 3)
        return 0;
    ++textChangeDepth;
    editTextSetter(field, 0, text(keptAmount).get());
    --textChangeDepth;
    return 0;
}

TEST_F(EditFields, AHandlerSettingItsOwnFieldsTextRunsOnceAndItsTextStays)
{
    static int32_t amountClass =
        testClass(BuiltinClassId::EditField, {{"TextChange", reinterpret_cast<void*>(putKeptAmountBack)}});
    ASSERT_NE(open({{amountClass, controlProperties("Amount", 10, 10, 200, 24)}}), nullptr);
    struct Case {
        const char* what;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"a typed digit", [&] { typeText(handleOf("Amount"), "3"); }},
        {"a text set from code", [&] { editTextSetter(control("Amount"), 0, text("5").get()); }},
    };
    focus("Amount");
    for (const Case& c : cases) {
        recordedEvents().clear();
        c.change();
        pumpFor(50);
        EXPECT_EQ(recordedIgnoring(incidental), Events{"Amount.TextChange depth 0"}) << c.what;
        EXPECT_EQ(textOf(editTextGetter(control("Amount"), 0)), keptAmount) << c.what;
        EXPECT_EQ(windowText(handleOf("Amount")), keptAmount) << c.what;
    }
}

TEST_F(EditFields, APasswordFieldShowsStarsAndKeepsTheTypedText)
{
    openFields({{"Password", "True"}, {"Text", "ab"}});
    EXPECT_EQ(windowText(handleOf("Field")), "**");
    focus("Field");
    editSelStartSetter(control("Field"), 0, 2);
    typeText(handleOf("Field"), "c\x82\xa0");
    EXPECT_EQ(windowText(handleOf("Field")), "*****");
    EXPECT_EQ(fieldText(), "abc\x82\xa0");
    pressKeyIn("Field", VK_BACK);
    pressKeyIn("Field", VK_BACK);
    EXPECT_EQ(fieldText(), "abc");
    pressKeyIn("Field", VK_HOME);
    pressKeyIn("Field", VK_DELETE);
    EXPECT_EQ(fieldText(), "bc");
    EXPECT_EQ(windowText(handleOf("Field")), "**");
}

TEST_F(EditFields, MovementKeysReachKeyDownFirstAndATrueAnswerKeepsThemFromTheField)
{
    openFields({{"Text", "abc"}});
    focus("Field");
    editSelStartSetter(control("Field"), 0, 3);
    recordedEvents().clear();
    struct Case {
        WORD key;
        bool answer;
        int32_t selStartAfter;
        Events recorded;
    };
    const Case cases[] = {
        {VK_LEFT, false, 2, {"Field.KeyDown 28", "Controls.KeyDown 28", "Field.SelChange"}},
        {VK_LEFT, true, 2, {"Field.KeyDown 28"}},
        {VK_HOME, false, 0, {"Field.KeyDown 1", "Controls.KeyDown 1", "Field.SelChange"}},
        {VK_END, true, 0, {"Field.KeyDown 4"}},
        {VK_END, false, 3, {"Field.KeyDown 4", "Controls.KeyDown 4", "Field.SelChange"}},
    };
    for (const Case& step : cases) {
        recordedEvents().clear();
        handlerAnswers()["Field.KeyDown"] = step.answer;
        pressKeyIn("Field", step.key);
        EXPECT_EQ(editSelStartGetter(control("Field"), 0), step.selStartAfter) << "key " << step.key;
        EXPECT_EQ(recordedIgnoring(incidental), step.recorded) << "key " << step.key;
    }
}

TEST_F(EditFields, ATypedCharacterReachesTheFieldsKeyDownBeforeTheWindowsAndOnlyOnce)
{
    openFields();
    focus("Field");
    struct Case {
        WORD key;
        bool fieldAnswer;
        bool windowAnswer;
        Events recorded;
        const char* textAfter;
    };
    const Case cases[] = {
        {'A', false, false, {"Field.KeyDown 97", "Controls.KeyDown 97", "Field.SelChange", "Field.TextChange"}, "a"},
        {'B', true, false, {"Field.KeyDown 98"}, "a"},
        {'C', false, true, {"Field.KeyDown 99", "Controls.KeyDown 99"}, "a"},
        {'D', false, false, {"Field.KeyDown 100", "Controls.KeyDown 100", "Field.SelChange", "Field.TextChange"}, "ad"},
    };
    for (const Case& step : cases) {
        recordedEvents().clear();
        handlerAnswers()["Field.KeyDown"] = step.fieldAnswer;
        handlerAnswers()["Controls.KeyDown"] = step.windowAnswer;
        pressKeyIn("Field", step.key);
        EXPECT_EQ(recordedIgnoring(incidental), step.recorded) << "key " << char(step.key);
        EXPECT_EQ(fieldText(), step.textAfter) << "key " << char(step.key);
    }
}

TEST_F(EditFields, TabMovesTheFocusWithLostFocusAndGotFocus)
{
    openFields();
    focus("Field");
    pressKeyIn("Field", VK_TAB);
    EXPECT_EQ(focusedName(), "Other");
    EXPECT_EQ(recordedIgnoring(incidental),
              (Events{"Field.KeyDown 9", "Controls.KeyDown 9", "Field.LostFocus", "Other.GotFocus"}));
    EXPECT_EQ(asWindow(window)->focusControl, control("Other"));
}

TEST_F(EditFields, AFieldThatAcceptsTabsKeepsTheTab)
{
    openFields({{"AcceptTabs", "True"}});
    focus("Field");
    pressKeyIn("Field", VK_TAB);
    EXPECT_EQ(focusedName(), "Field");
    EXPECT_EQ(fieldText(), "\t");
}

TEST_F(EditFields, MovingTheSelectionStartKeepsItsLengthAndRaisesSelChangeOnce)
{
    // Positions count characters: the six Japanese ones, then seven half-width ones.
    openFields({{"Text", japanese + " abcdef"}});
    editSelStartSetter(control("Field"), 0, 2);
    editSelLengthSetter(control("Field"), 0, 4);
    recordedEvents().clear();
    editSelStartSetter(control("Field"), 0, 6);
    EXPECT_EQ(editSelStartGetter(control("Field"), 0), 6);
    EXPECT_EQ(editSelLengthGetter(control("Field"), 0), 4);
    EXPECT_EQ(recordedIgnoring(incidental), Events{"Field.SelChange"});
}

TEST_F(EditFields, TheFontIsMappedAndSentInTwipsWithTheJapaneseCharacterSet)
{
    openFields({{"TextSize", "12"}, {"Bold", "True"}});
    editTextFontSetter(control("Field"), 0, text("Helvetica").get());
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(handleOf("Field"), EM_SETSEL, 0, 0);
    SendMessageA(handleOf("Field"), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, "Arial");
    EXPECT_EQ(format.yHeight, 180);
    EXPECT_EQ(format.bCharSet, SHIFTJIS_CHARSET);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    EXPECT_FALSE(format.dwEffects & CFE_ITALIC);
}

TEST_F(EditFields, ABorderIsAClientEdgeAndAMultiLineFieldScrollsDown)
{
    openFields({{"Border", "True"}, {"MultiLine", "True"}});
    EXPECT_TRUE(GetWindowLongA(handleOf("Field"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(handleOf("Field"), GWL_STYLE) & ES_MULTILINE);
    EXPECT_FALSE(GetWindowLongA(handleOf("Other"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(GetWindowLongA(handleOf("Other"), GWL_STYLE) & ES_MULTILINE);
}

// Answers the next message box of this process and tells its caption and text ("" when none
// came in time).
class BoxAnswerer {
public:
    BoxAnswerer() : watcher([this] { static_cast<void>(waitUntil([this] { return answer(); }, 5000)); }) {}
    std::string result()
    {
        watcher.join();
        return seen;
    }

private:
    // A box of this process that shows its text (until then it is still being made) is read
    // and closed.
    bool answer()
    {
        HWND box = FindWindowA("#32770", nullptr);
        DWORD process = 0;
        GetWindowThreadProcessId(box, &process);
        char text[200] = {}, caption[64] = {};
        if (!box || process != GetCurrentProcessId() || !GetDlgItemTextA(box, 0xFFFF, text, sizeof text))
            return false;
        GetWindowTextA(box, caption, sizeof caption);
        seen = std::string("[") + caption + "] " + text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    }

    std::string seen;
    std::thread watcher;
};

TEST_F(EditFields, UnsupportedTextStylesAreExplainedEveryTimeAndReadAsFalse)
{
    openFields();
    struct Case {
        const char* property;
        const char* message;
    };
    const Case cases[] = {
        {"SelOutline", "[] Windows does not support the 'Outline' text font style."},
        {"SelShadow", "[] Windows does not support the 'Shadow' text font style."},
        {"SelCondense", "[] Windows does not support the 'Condensed' text font style."},
        {"SelExtend", "[] Windows does not support the 'Extended' text font style."},
    };
    using Getter = int32_t (*)(ObjectHeader*, int32_t);
    for (const Case& c : cases) {
        PropertyDeclaration* property = classFindProperty(control("Field")->cls, c.property);
        ASSERT_NE(property, nullptr) << c.property;
        BoxAnswerer reading;
        EXPECT_EQ(reinterpret_cast<Getter>(property->getter)(control("Field"), property->parameter), 0);
        EXPECT_EQ(reading.result(), c.message);
        BoxAnswerer writing;
        applyProperty(control("Field"), c.property, "True");
        EXPECT_EQ(writing.result(), c.message);
    }
}

int messagesShown;

TEST_F(EditFields, TogglingAStyleWindowsLacksLeavesTheFieldAsItIsWithoutAWord)
{
    openFields({{"Text", "abc"}});
    editSelStartSetter(control("Field"), 0, 1);
    editSelLengthSetter(control("Field"), 0, 1);
    pumpFor(30);
    recordedEvents().clear();
    auto shown = messageSteps().show;
    messagesShown = 0;
    messageSteps().show = [](const char*, UINT) { ++messagesShown; };
    for (const char* name :
         {"ToggleSelectionOutline", "ToggleSelectionShadow", "ToggleSelectionCondense", "ToggleSelectionExtend"}) {
        const ExportSlot* slot = exportFind(name);
        ASSERT_NE(slot, nullptr) << name;
        reinterpret_cast<void (*)(ObjectHeader*)>(slot->routine)(control("Field"));
    }
    pumpFor(30);
    messageSteps().show = shown;
    EXPECT_EQ(messagesShown, 0);
    EXPECT_EQ(fieldText(), "abc");
    EXPECT_EQ(editSelStartGetter(control("Field"), 0), 1);
    EXPECT_EQ(editSelLengthGetter(control("Field"), 0), 1);
    EXPECT_EQ(recordedEvents(), Events{});
}

TEST_F(EditFields, AFieldWithoutAWindowKeepsWhatItIsGiven)
{
    ObjectRef field(objectInstantiate(builtinClass(BuiltinClassId::EditField)));
    editTextSetter(field.get(), 0, text("abc").get());
    editSelStartSetter(field.get(), 0, 2);
    EXPECT_EQ(textOf(editTextGetter(field.get(), 0)), "abc");
    EXPECT_EQ(editSelStartGetter(field.get(), 0), 2);
    EXPECT_EQ(textOf(editTextGetter(nullptr, 0)), "");
}

} // namespace

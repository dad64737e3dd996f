// Control tests: a window of native controls opened from a template, with every control event
// recorded, and the typing of text as a person gives it.
#pragma once

#include "tests/ui/windows/windowtesting.h"
#include "ui/windows/pane.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class ControlTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a 320 x 240 window of these controls, in front, with the events so far forgotten.
    ObjectHeader* open(const std::vector<ControlSpec>& controls);
    ObjectHeader* control(const char* name);
    HWND handleOf(const char* name);
    // Gives the control the focus, as a click or Tab would, and forgets the events it raised.
    void focus(const char* name);
    std::string focusedName();
    // Presses a key in the control, giving it the focus back first should anything have taken it.
    void pressKeyIn(const char* name, WORD key, std::vector<WORD> held = {});

    // Recording subclasses of the built-in kinds.
    static int32_t editFieldClass();
    static int32_t pushButtonClass();
    static int32_t popupMenuClass();
    static int32_t checkBoxClass();
    static int32_t radioButtonClass();
    static int32_t groupBoxClass();
    static int32_t listboxClass();
    static int32_t sliderClass();
    static int32_t scrollBarClass();
    static int32_t progressBarClass();
    static int32_t tabPanelClass();

    // Clicks the middle of the control's native window, once it is under the cursor.
    void clickControl(const char* name);

    ObjectHeader* window = nullptr;
    ObjectHeader* slot = nullptr;
};

// Types the bytes of a text (Shift-JIS double-byte characters as their two bytes) into the
// focused field, as the keyboard and input method deliver them to it.
// Sets a property through its declared setter, from its text as a template gives it.
void applyProperty(ObjectHeader* object, const char* key, const char* value);
void typeText(HWND field, const std::string& bytes);
std::string textOf(StringRecord* owned);
std::string windowText(HWND handle);

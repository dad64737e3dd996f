// The properties each built-in class declares, in their order and with their types: a name is
// found at its first declaration up the class chain, and a template's text becomes a value by
// the declared type.
#include "runtime/objects/builtinclassset.h"
#include "tests/ui/windows/windowtesting.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

std::string typeName(PropertyType type)
{
    const char* const kinds[] = {"", "String", "Integer", "Color", "Boolean", "Single", "Double"};
    if (type.kind == PropertyKind::Class)
        return stringText(type.valueClass->name);
    return kinds[static_cast<int>(type.kind)];
}

// "Name Type" for each property the class itself declares, in order, "read-only" added where
// there is no setter.
std::string ownDeclarations(ClassDescriptor* cls)
{
    std::string list;
    for (PropertyDeclaration* property = cls->properties; property; property = property->next) {
        list += list.empty() ? "" : ", ";
        list += std::string(stringText(property->name)) + " " + typeName(propertyTypeOf(property));
        list += property->setter ? "" : " read-only";
    }
    return list;
}

TEST(PropertyDeclarations, EveryBuiltInClassDeclaresItsPropertiesInTheirOrderWithTheirTypes)
{
    windowTestSetUp();
    // A class missing from the table declares no property of its own.
    const std::map<BuiltinClassId, std::string> expected = {
        {BuiltinClassId::Window,
         "Visible Boolean, Left Integer, Top Integer, Width Integer, Height Integer, Placement Integer, Title String, "
         "FullScreen Boolean, MenuBarVisible Boolean, CloseBox Boolean, GrowIcon Boolean, ZoomIcon Boolean, "
         "Frame Integer, Backdrop Picture, HasBackColor Boolean, BackColor Color, BalloonHelp String, "
         "MinWidth Integer, MinHeight Integer, MaxWidth Integer, MaxHeight Integer, MacProcID Integer, "
         "MouseCursor MouseCursor, FloaterProcess String, ControlCount Integer read-only, MouseX Integer read-only, "
         "MouseY Integer read-only, MacWindowPtr Integer read-only, WinHWND Integer read-only, "
         "Graphics Graphics read-only"},
        {BuiltinClassId::Control,
         "Name String, Index Integer, TabPanelIndex Integer, HelpTag String, BalloonHelp String, "
         "DisabledBalloonHelp String, MouseCursor MouseCursor, MouseX Integer read-only, MouseY Integer read-only, "
         "Window Window read-only, MacControlHandle Integer read-only, Handle Integer read-only"},
        {BuiltinClassId::RectControl,
         "Visible Boolean, Left Integer, Top Integer, Width Integer, Height Integer, Enabled Boolean, "
         "AutoDeactivate Boolean, LockLeft Boolean, LockTop Boolean, LockRight Boolean, LockBottom Boolean"},
        {BuiltinClassId::Canvas, "Backdrop Picture, Graphics Graphics read-only"},
        {BuiltinClassId::StaticText,
         "TextFont String, TextSize Integer, Bold Boolean, Italic Boolean, Underline Boolean, Text String, "
         "Caption String, TextAlign Integer, TextColor Color, MultiLine Boolean"},
        {BuiltinClassId::Rectangle, "FillColor Color, BorderWidth Integer, TopLeftColor Color, BottomRightColor Color"},
        {BuiltinClassId::RoundRectangle,
         "FillColor Color, BorderWidth Integer, BorderColor Color, OvalWidth Integer, OvalHeight Integer"},
        {BuiltinClassId::Oval, "FillColor Color, BorderWidth Integer, BorderColor Color"},
        {BuiltinClassId::Line,
         "X1 Integer, Y1 Integer, X2 Integer, Y2 Integer, BorderWidth Integer, BorderColor Color, Visible Boolean"},
        {BuiltinClassId::PushButton,
         "Caption String, TextFont String, TextSize Integer, Bold Boolean, Italic Boolean, Underline Boolean, "
         "Default Boolean, Cancel Boolean"},
        {BuiltinClassId::EditField,
         "Text String, TextFont String, TextSize Integer, TextColor Color, Bold Boolean, Italic Boolean, "
         "Underline Boolean, MultiLine Boolean, Border Boolean, ReadOnly Boolean, Password Boolean, "
         "AcceptTabs Boolean, LimitText Integer, SelStart Integer, SelLength Integer, SelOutline Boolean, "
         "SelShadow Boolean, SelCondense Boolean, SelExtend Boolean"},
        {BuiltinClassId::PopupMenu,
         "InitialValue String, TextFont String, TextSize Integer, Bold Boolean, Italic Boolean, Underline Boolean, "
         "Text String read-only, ListIndex Integer, ListCount Integer read-only"},
        {BuiltinClassId::Listbox,
         "InitialValue String, TextFont String, TextSize Integer, Bold Boolean, Italic Boolean, Underline Boolean, "
         "ListCount Integer read-only, ListIndex Integer"},
        {BuiltinClassId::CheckBox,
         "Caption String, TextFont String, TextSize Integer, Bold Boolean, Italic Boolean, Underline Boolean, "
         "Value Boolean"},
        {BuiltinClassId::RadioButton,
         "Caption String, TextFont String, TextSize Integer, Bold Boolean, Italic Boolean, Underline Boolean, "
         "Value Boolean"},
        {BuiltinClassId::GroupBox,
         "Caption String, TextFont String, TextSize Integer, Bold Boolean, Italic Boolean, Underline Boolean"},
        {BuiltinClassId::Slider, "Value Integer, Minimum Integer, Maximum Integer"},
        {BuiltinClassId::ProgressBar, "Value Integer, Minimum Integer, Maximum Integer"},
        {BuiltinClassId::TabPanel, "InitialValue String, Value Integer"},
        {BuiltinClassId::ScrollBar,
         "Value Integer, Minimum Integer, Maximum Integer, LineStep Integer, PageStep Integer"},
        {BuiltinClassId::MoviePlayer,
         "Movie Movie, Controller Integer, Looping Boolean, Palindrome Boolean, AutoResize Boolean, Border Boolean, "
         "Speaker Boolean, HasStep Boolean"},
        {BuiltinClassId::MenuItem,
         "Name String read-only, Text String, CommandKey String, Index Integer read-only, Enabled Boolean, "
         "Checked Boolean, Visible Boolean"},
        {BuiltinClassId::Graphics,
         "ForeColor Color, Width Integer read-only, Height Integer read-only, TextFont String, TextSize Integer, "
         "Copies Integer read-only, FirstPage Integer read-only, LastPage Integer read-only, Bold Boolean, "
         "Italic Boolean, Underline Boolean, PenWidth Integer, PenHeight Integer"},
        {BuiltinClassId::Picture, "Graphics Graphics read-only"},
        {BuiltinClassId::Date,
         "Year Integer, Month Integer, Day Integer, Hour Integer, Minute Integer, Second Integer, "
         "DayOfWeek Integer read-only, DayOfYear Integer read-only, WeekOfYear Integer read-only, "
         "ShortDate String read-only, LongDate String read-only, AbbreviatedDate String read-only, "
         "ShortTime String read-only, LongTime String read-only, TotalSeconds Double"},
    };
    for (int i = 0; i < static_cast<int>(BuiltinClassId::count); ++i) {
        ClassDescriptor* cls = builtinClass(static_cast<BuiltinClassId>(i));
        auto entry = expected.find(static_cast<BuiltinClassId>(i));
        EXPECT_EQ(ownDeclarations(cls), entry == expected.end() ? "" : entry->second) << stringText(cls->name);
    }
}

} // namespace

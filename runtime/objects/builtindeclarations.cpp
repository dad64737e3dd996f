// What the built-in classes declare at start-up: their events, in the order of each class's
// event table, the properties of the classes whose accessors have no subsystem of their own,
// and the built-in interfaces.
#include "runtime/objects/builtindeclarations.h"

#include "runtime/numbers/date.h"
#include "runtime/objects/builtinclassset.h"

#include <initializer_list>

namespace {

struct EventRow {
    const char* name;
    const char* parameters;
};

struct ClassEvents {
    BuiltinClassId cls;
    std::initializer_list<EventRow> events;
};

const char* const xy = "(X As Integer, Y As Integer)";
const char* const xyBoolean = "(X As Integer, Y As Integer) As Boolean";
const char* const keyBoolean = "(Key As String) As Boolean";

const ClassEvents eventTables[] = {
    {BuiltinClassId::Application,
     {{"Open", nullptr},
      {"Close", nullptr},
      {"EnableMenuItems", nullptr},
      {"NewDocument", nullptr},
      {"OpenDocument", "(item As FolderItem)"},
      {"HandleAppleEvent", "() As Boolean"},
      {"Activate", nullptr},
      {"Deactivate", nullptr}}},
    {BuiltinClassId::Window,
     {{"Open", nullptr},
      {"Close", nullptr},
      {"CancelClose", "() As Boolean"},
      {"KeyDown", keyBoolean},
      {"MouseMove", xy},
      {"MouseEnter", nullptr},
      {"MouseExit", nullptr},
      {"Paint", "(g As Graphics)"},
      {"MouseDown", xyBoolean},
      {"MouseDrag", xy},
      {"MouseUp", xy},
      {"EnableMenuItems", nullptr},
      {"Resized", nullptr},
      {"Moved", nullptr},
      {"DropObject", "(obj As DragItem)"},
      {"Activate", nullptr},
      {"Deactivate", nullptr}}},
    {BuiltinClassId::Control,
     {{"CreatePane", nullptr}, {"Open", nullptr}, {"Close", nullptr}, {"DropObject", "(obj As DragItem)"}}},
    {BuiltinClassId::RectControl, {{"MouseMove", xy}, {"MouseEnter", nullptr}, {"MouseExit", nullptr}}},
    {BuiltinClassId::EditField,
     {{"KeyDown", keyBoolean},
      {"GotFocus", nullptr},
      {"LostFocus", nullptr},
      {"SelChange", nullptr},
      {"TextChange", nullptr},
      {"EnableMenuItems", nullptr}}},
    {BuiltinClassId::PushButton, {{"Action", nullptr}}},
    {BuiltinClassId::CheckBox, {{"Action", nullptr}}},
    {BuiltinClassId::RadioButton, {{"Action", nullptr}}},
    {BuiltinClassId::PopupMenu, {{"Change", nullptr}}},
    {BuiltinClassId::Canvas,
     {{"Paint", "(g As Graphics)"}, {"MouseDown", xyBoolean}, {"MouseDrag", xy}, {"MouseUp", xy}}},
    {BuiltinClassId::Listbox,
     {{"Change", nullptr},
      {"DoubleClick", nullptr},
      {"KeyDown", keyBoolean},
      {"EnableMenuItems", nullptr},
      {"GotFocus", nullptr},
      {"LostFocus", nullptr}}},
    {BuiltinClassId::Slider, {{"ValueChanged", nullptr}}},
    {BuiltinClassId::ScrollBar, {{"ValueChanged", nullptr}}},
    {BuiltinClassId::TabPanel, {{"Change", nullptr}}},
    // The second is raised for every item in the pass that enables menu items.
    {BuiltinClassId::MenuItem, {{"Action", "() As Boolean"}, {"EnableMenu", nullptr}}},
};

} // namespace

void builtinDeclareEvents()
{
    for (const ClassEvents& table : eventTables) {
        ClassDescriptor* cls = builtinClass(table.cls);
        for (const EventRow& event : table.events)
            classDeclareEvent(cls, event.name, event.parameters);
    }
}

void builtinDeclareDateProperties()
{
    void* const fieldGetter = accessor(dateFieldGetter);
    void* const fieldSetter = accessor(dateFieldSetter);
    void* const textGetter = accessor(dateStringGetter);
    classDeclareProperties(
        builtinClass(BuiltinClassId::Date),
        {
            {"Year", fieldGetter, fieldSetter, dateYear, propertyInteger},
            {"Month", fieldGetter, fieldSetter, dateMonth, propertyInteger},
            {"Day", fieldGetter, fieldSetter, dateDay, propertyInteger},
            {"Hour", fieldGetter, fieldSetter, dateHour, propertyInteger},
            {"Minute", fieldGetter, fieldSetter, dateMinute, propertyInteger},
            {"Second", fieldGetter, fieldSetter, dateSecond, propertyInteger},
            {"DayOfWeek", fieldGetter, nullptr, dateDayOfWeek, propertyInteger},
            {"DayOfYear", fieldGetter, nullptr, dateDayOfYear, propertyInteger},
            {"WeekOfYear", fieldGetter, nullptr, dateWeekOfYear, propertyInteger},
            {"ShortDate", textGetter, nullptr, 0, propertyString},
            {"LongDate", textGetter, nullptr, 1, propertyString},
            {"AbbreviatedDate", textGetter, nullptr, 2, propertyString},
            {"ShortTime", textGetter, nullptr, 3, propertyString},
            {"LongTime", textGetter, nullptr, 4, propertyString},
            {"TotalSeconds", accessor(dateTotalSecondsGetter), accessor(dateTotalSecondsSetter), 0, propertyDouble},
        });
}

void builtinDeclareBinderInterface()
{
    ClassDescriptor* binder = builtinClass(BuiltinClassId::Binder);
    binder->isInterface = 1;
    classDeclareMethod(binder, "bind", nullptr);
}

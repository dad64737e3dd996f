// The keys a window template carries for a window and for each control class, in stream
// order, with the kind of value each takes and the value written when a description leaves
// it out.
#include "resgen/template_keys.h"

#include "resgen/names.h"

#include <array>

namespace resgen {

namespace {

using enum ValueKind;

constexpr std::string_view kNotInArray = "-2147483648";

constexpr TemplateKey kWindowKeys[] = {
    {"Name", Text, ""}, // the window's class name
    {"Frame", Integer, "0", 0, 7},
    {"HasBackColor", Boolean, "False"},
    {"BackColor", Color, "16777215"},
    {"Backdrop", Picture, "0"},
    {"Title", Text, ""},
    {"Visible", Boolean, "True"},
    {"FullScreen", Boolean, "False"},
    {"MenuBarVisible", Boolean, "True"},
    {"CloseBox", Boolean, "True"},
    {"GrowIcon", Boolean, "False"},
    {"ZoomIcon", Boolean, "False"},
    {"BalloonHelp", Text, ""},
    {"MacProcID", Integer, "0"},
    {"Placement", Integer, "0"},
    {"Width", Integer, "300"},
    {"Height", Integer, "300"},
    {"MinWidth", Integer, "64"},
    {"MinHeight", Integer, "64"},
    {"MaxWidth", Integer, "32000"},
    {"MaxHeight", Integer, "32000"},
};

constexpr TemplateKey kBaseKeys[] = {
    {"Name", Text, ""},
    {"Index", Integer, kNotInArray},
    {"TabPanelIndex", Integer, "0"},
    {"Visible", Boolean, "True"},
    {"Left", Integer, "0"},
    {"Top", Integer, "0"},
    {"Width", Integer, ""},
    {"Height", Integer, ""},
    {"HelpTag", Text, ""},
    {"BalloonHelp", Text, ""},
    {"DisabledBalloonHelp", Text, ""},
    {"AutoDeactivate", Boolean, "True"},
    {"LockLeft", Boolean, "False"},
    {"LockTop", Boolean, "False"},
    {"LockRight", Boolean, "False"},
    {"LockBottom", Boolean, "False"},
};

#define FONT_KEYS                                                                                                      \
    {"TextFont", Text, "System"}, {"TextSize", Integer, "0"}, {"Bold", Boolean, "False"},                              \
        {"Italic", Boolean, "False"},                                                                                  \
    {                                                                                                                  \
        "Underline", Boolean, "False"                                                                                  \
    }

constexpr TemplateKey kRectangleKeys[] = {{"FillColor", Color, "16777215"},
                                          {"BorderWidth", Integer, "1"},
                                          {"TopLeftColor", Color, "0"},
                                          {"BottomRightColor", Color, "0"}};

constexpr TemplateKey kRoundRectangleKeys[] = {{"FillColor", Color, "16777215"},
                                               {"BorderWidth", Integer, "1"},
                                               {"BorderColor", Color, "0"},
                                               {"OvalWidth", Integer, "8"},
                                               {"OvalHeight", Integer, "8"}};

constexpr TemplateKey kOvalKeys[] = {
    {"FillColor", Color, "16777215"}, {"BorderWidth", Integer, "1"}, {"BorderColor", Color, "0"}};

constexpr TemplateKey kCanvasKeys[] = {{"Backdrop", Picture, "0"}, {"Enabled", Boolean, "True"}};

constexpr TemplateKey kPushButtonKeys[] = {FONT_KEYS,
                                           {"Caption", Text, ""},
                                           {"Default", Boolean, "False"},
                                           {"Cancel", Boolean, "False"},
                                           {"Enabled", Boolean, "True"}};

constexpr TemplateKey kEditFieldKeys[] = {
    FONT_KEYS,
    {"Border", Boolean, "True"},
    {"MultiLine", Boolean, "False"},
    {"ScrollBar", Boolean, "False"},
    {"Styled", Boolean, "False"},
    {"Password", Boolean, "False"},
    {"UseFocusRing", Boolean, "True"},
    {"ReadOnly", Boolean, "False"},
    {"LimitText", Integer, "0"},
    {"AcceptTabs", Boolean, "False"},
    {"TextColor", Color, "0"},
    {"BackColor", Color, "16777215"},
    {"Enabled", Boolean, "True"},
    {"Text", Text, ""},
};

constexpr TemplateKey kStaticTextKeys[] = {FONT_KEYS,
                                           {"Text", Text, ""},
                                           {"TextAlign", Integer, "0", 0, 2},
                                           {"TextColor", Color, "0"},
                                           {"MultiLine", Boolean, "False"}};

constexpr TemplateKey kPopupMenuKeys[] = {
    FONT_KEYS, {"Enabled", Boolean, "True"}, {"InitialValue", Text, ""}, {"ListIndex", Integer, "0"}};

constexpr TemplateKey kListboxKeys[] = {
    FONT_KEYS,
    {"Enabled", Boolean, "True"},
    {"ColumnCount", Integer, "1"},
    {"ColumnWidths", Text, ""},
    {"HasHeading", Boolean, "False"},
    {"UseFocusRing", Boolean, "True"},
    {"InitialValue", Text, ""},
    {"Hierarchical", Boolean, "False"},
    {"EnableDrag", Boolean, "False"},
    {"SelectionType", Integer, "0"},
    {"HeadingIndex", Integer, "-1"},
    {"ScrollBarHorizontal", Boolean, "False"},
    {"ScrollPositionX", Integer, "0"},
    {"ScrollBarVertical", Boolean, "True"},
    {"ScrollPosition", Integer, "0"},
};

constexpr TemplateKey kMoviePlayerKeys[] = {{"Controller", Integer, "0"},     {"Looping", Boolean, "False"},
                                            {"Palindrome", Boolean, "False"}, {"AutoResize", Boolean, "False"},
                                            {"Border", Boolean, "True"},      {"Speaker", Boolean, "True"},
                                            {"HasStep", Boolean, "True"},     {"Movie", Movie, "0"}};

// The kinds this application's own windows do not use carry the properties the runtime
// declares for them.
constexpr TemplateKey kCheckBoxKeys[] = {
    FONT_KEYS, {"Caption", Text, ""}, {"Value", Boolean, "False"}, {"Enabled", Boolean, "True"}};

constexpr TemplateKey kGroupBoxKeys[] = {FONT_KEYS, {"Caption", Text, ""}, {"Enabled", Boolean, "True"}};

constexpr TemplateKey kRangeKeys[] = {
    {"Minimum", Integer, "0"}, {"Maximum", Integer, "100"}, {"Value", Integer, "0"}, {"Enabled", Boolean, "True"}};

constexpr TemplateKey kScrollBarKeys[] = {{"Minimum", Integer, "0"},   {"Maximum", Integer, "100"},
                                          {"Value", Integer, "0"},     {"LineStep", Integer, "1"},
                                          {"PageStep", Integer, "20"}, {"Enabled", Boolean, "True"}};

constexpr TemplateKey kTabPanelKeys[] = {
    {"InitialValue", Text, ""}, {"Value", Integer, "0"}, {"Enabled", Boolean, "True"}};

constexpr TemplateKey kLineKeys[] = {{"X1", Integer, "0"},          {"Y1", Integer, "0"},
                                     {"X2", Integer, "100"},        {"Y2", Integer, "100"},
                                     {"BorderWidth", Integer, "1"}, {"BorderColor", Color, "0"}};

constexpr TemplateKey kBevelButtonKeys[] = {{"Enabled", Boolean, "True"},
                                            {"Caption", Text, ""},
                                            {"CaptionAlign", Integer, "3"},
                                            {"CaptionPlacement", Integer, "1"},
                                            {"CaptionDelta", Integer, "0"},
                                            {"Icon", Picture, "0"},
                                            {"IconAlign", Integer, "0"},
                                            {"IconDX", Integer, "0"},
                                            {"IconDY", Integer, "0"},
                                            {"Bevel", Integer, "0"},
                                            {"HasMenu", Integer, "0", 0, 2},
                                            {"Value", Boolean, "False"},
                                            {"MenuValue", Integer, "0"},
                                            {"ButtonType", Integer, "0", 0, 2},
                                            FONT_KEYS};

constexpr TemplateKey kLittleArrowsKeys[] = {{"Enabled", Boolean, "True"}};

#undef FONT_KEYS

constexpr std::array kControlClasses = {
    ControlClassKeys{"Rectangle", false, "100", "100", kRectangleKeys},
    ControlClassKeys{"RoundRectangle", false, "100", "100", kRoundRectangleKeys},
    ControlClassKeys{"Oval", false, "100", "100", kOvalKeys},
    ControlClassKeys{"Canvas", false, "100", "100", kCanvasKeys},
    ControlClassKeys{"PushButton", false, "80", "20", kPushButtonKeys},
    ControlClassKeys{"EditField", false, "80", "22", kEditFieldKeys},
    ControlClassKeys{"StaticText", false, "100", "20", kStaticTextKeys},
    ControlClassKeys{"PopupMenu", false, "80", "20", kPopupMenuKeys},
    ControlClassKeys{"Listbox", false, "100", "100", kListboxKeys},
    ControlClassKeys{"MoviePlayer", false, "160", "120", kMoviePlayerKeys},
    ControlClassKeys{"CheckBox", false, "100", "20", kCheckBoxKeys},
    ControlClassKeys{"RadioButton", false, "100", "20", kCheckBoxKeys},
    ControlClassKeys{"GroupBox", false, "100", "100", kGroupBoxKeys},
    ControlClassKeys{"Slider", false, "100", "24", kRangeKeys},
    ControlClassKeys{"ProgressBar", false, "100", "16", kRangeKeys},
    ControlClassKeys{"ScrollBar", false, "100", "16", kScrollBarKeys},
    ControlClassKeys{"TabPanel", false, "200", "150", kTabPanelKeys},
    ControlClassKeys{"Line", false, "100", "100", kLineKeys},
    ControlClassKeys{"BevelButton", true, "60", "22", kBevelButtonKeys},
    ControlClassKeys{"LittleArrows", true, "13", "23", kLittleArrowsKeys},
    ControlClassKeys{"Separator", true, "64", "4", {}},
};

} // namespace

std::span<const TemplateKey> windowTemplateKeys()
{
    return kWindowKeys;
}

std::span<const TemplateKey> baseControlKeys()
{
    return kBaseKeys;
}

const ControlClassKeys* controlClassKeys(std::string_view className)
{
    for (const ControlClassKeys& keys : kControlClasses) {
        if (equalsIgnoringCase(keys.className, className))
            return &keys;
    }
    return nullptr;
}

} // namespace resgen

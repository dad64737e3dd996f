// The runtime as application code sees it: string constants and the routines it calls by name.
// Application code links against nothing else: every routine here is an entry of the
// runtime's export table, bound when the image is loaded.
#pragma once

struct StringRecord {
    int count;
    unsigned char* buffer;
    int bufferSize;
    int length;
};

// A constant's text in the runtime's buffer layout: length byte, bytes, closing 0.
template <unsigned N> struct ConstantText {
    unsigned char bytes[N + 1];
};

template <unsigned N> constexpr ConstantText<N> constantText(const char (&literal)[N])
{
    static_assert(N > 1, "the empty string is Nil, never a constant");
    ConstantText<N> text{};
    text.bytes[0] = static_cast<unsigned char>(N - 1 < 255 ? N - 1 : 255);
    for (unsigned i = 0; i + 1 < N; ++i)
        text.bytes[i + 1] = static_cast<unsigned char>(literal[i]);
    return text;
}

template <unsigned N> struct StringConstant {
    StringRecord record;
    ConstantText<N> text;
};

// A string constant of the image: count 1, never released, buffer beside the record.
#define STRING_CONSTANT(name, literal)                                                                                 \
    StringConstant<sizeof(literal)> name = {{1, name.text.bytes, sizeof(literal) - 1, sizeof(literal) - 1},            \
                                            constantText(literal)}

struct ObjectHeader;
struct ImageClassTableLayout;

// A member of a runtime or plug-in class, bound by name once the runtime's classes and the
// plug-ins' exist; the load fails when it is missing. The letter: M a method, W its second
// entry, G a property's getter, S its setter. For example
//   extern "C" int menuValue(ObjectHeader* button, int) RUNTIME_MEMBER("G", "BevelButton.MenuValue");
#define RUNTIME_MEMBER(letter, classAndMember) __asm__("\"_!" letter classAndMember "\"")

extern "C" {
// Start-up and the event loop.
void Win32InstallPlugins(const void* plugins);
void RuntimeInit(const ImageClassTableLayout* classTable);
int RuntimeRun();
void ApplicationQuit();
void RuntimeBackgroundTask();
void lineTrace(StringRecord* text);

StringRecord* RuntimeLockString(StringRecord* s);
void RuntimeUnlockString(StringRecord* s);
StringRecord* RuntimeAddString(StringRecord* a, StringRecord* b);
int RuntimeStringCompare(StringRecord* a, StringRecord* b);

int StringLen(StringRecord* s);
// Mode 0 compares bytes.
int StringStrCompare(StringRecord* a, StringRecord* b, int mode);
int StringDBCSLen(StringRecord* s);
StringRecord* StringDBCSLeft(StringRecord* s, int count);
StringRecord* StringDBCSRight(StringRecord* s, int count);
StringRecord* StringStr(double value);
double StringVal(StringRecord* s);
// A number to an integer, truncated towards zero.
int FPToInt(double value);
// Parts and searches (positions from 1; InStr ignores case, 0 when not found; a Nil
// replacement removes what is found).
StringRecord* StringMid3(StringRecord* s, int start, int count);
int StringInStr(int start, StringRecord* s, StringRecord* find);
StringRecord* StringReplaceAll(StringRecord* s, StringRecord* find, StringRecord* replacement);

// Objects of built-in classes by class index, string fields of objects, and Date fields
// (0 Year, 1 Month, 2 Day).
ObjectHeader* RuntimeNewObject(int classIndex);
// Whether the object's class is or descends from that class, or implements that interface.
bool RuntimeObjectIsa(ObjectHeader* object, int classIndex);
int dateFieldGetter(ObjectHeader* date, int field);

ObjectHeader* RuntimeLockObject(ObjectHeader* object);
void RuntimeUnlockObject(ObjectHeader* object);
ObjectHeader* RuntimeCreateWindow(const unsigned char* windowTemplate, ObjectHeader** slot);
void RuntimeCloseWindow(ObjectHeader* window);
void WindowVisibleSetter(ObjectHeader* window, int parameter, int visible);
// The selectors of a window's position (Left and Top only) and a control's (windowPos, ctlPos).
enum PositionSelector : int { positionLeft = 0, positionTop = 1, positionWidth = 2, positionHeight = 3 };
int windowPosGetter(ObjectHeader* window, int selector);
void windowPosSetter(ObjectHeader* window, int selector, int value);
void RuntimeShowWindow(ObjectHeader* window);

void RuntimeMsgBox(StringRecord* text);
// A question answered with yes (true) or no, no being the default button.
int RuntimeAskYesNo(StringRecord* text);
void RuntimeBeep();
void RuntimeMediaPlay(ObjectHeader* media);
void mediaControllerLoopingSetter(ObjectHeader* player, int parameter, int looping);

// Controls: found by name in their window (no reference added), and their values. Getters
// of strings return them with a reference for the caller.
ObjectHeader* RuntimeControlFetch(ObjectHeader* window, StringRecord* name);
// The window itself takes the keyboard focus: no control of it has it.
void formSetFocus(ObjectHeader* window);
// The focused control of the window when it takes typed characters (a text field), with a
// reference; Nil otherwise.
ObjectHeader* windowTypingFocusGetter(ObjectHeader* window, int parameter);
// A button pushed from a KeyDown handler as a click would push it: shown pressed while the key
// is held, pushed once however long it is held.
void RuntimeKeyPushButton(ObjectHeader* button);
// Edit fields' font (the size stays), size and insertion point; a pop-up menu's rows.
void editTextFontSetter(ObjectHeader* field, int parameter, StringRecord* name);
void editTextSizeSetter(ObjectHeader* field, int parameter, int size);
void editSelStartSetter(ObjectHeader* field, int parameter, int position);
void RuntimePopupAddRow(ObjectHeader* popup, StringRecord* text);
// The selected row (-1 for none); selecting a row runs the pop-up menu's Change.
int popupListIndexGetter(ObjectHeader* popup, int parameter);
void popupListIndexSetter(ObjectHeader* popup, int parameter, int row);

// The installed font faces, Japanese faces first (names are new strings; Nil outside the list).
int RuntimeFontCount();
StringRecord* RuntimeFontName(int index);
int RuntimeFontInstalled(StringRecord* name);
StringRecord* editTextGetter(ObjectHeader* field, int parameter);
void editTextSetter(ObjectHeader* field, int parameter, StringRecord* text);
StringRecord* staticCaptionGetter(ObjectHeader* text, int parameter);
void staticCaptionSetter(ObjectHeader* text, int parameter, StringRecord* caption);
// The window that holds the control, with a reference.
ObjectHeader* controlWindowGetter(ObjectHeader* control, int parameter);
int ctlPosGetter(ObjectHeader* control, int selector);
void ctlPosSetter(ObjectHeader* control, int selector, int value);
int controlVisibleGetter(ObjectHeader* control, int parameter);
void ControlVisibleSetter(ObjectHeader* control, int parameter, int visible);
int controlEnabledGetter(ObjectHeader* control, int parameter);
void controlEnabledSetter(ObjectHeader* control, int parameter, int enabled);
StringRecord* popupTextGetter(ObjectHeader* popup, int parameter);
int checkBoxValueGetter(ObjectHeader* box, int parameter);

// Folder items (each a new reference or Nil): the program's folder for a Nil path, children, the
// user's data folder; their path (a new string), existence and size; files replaced in one step.
ObjectHeader* RuntimeGetFolderItem(StringRecord* path);
ObjectHeader* FolderChild(ObjectHeader* item, StringRecord* name);
ObjectHeader* getUserAppDataFolder();
StringRecord* fileAbsolutePathGetter(ObjectHeader* item, int parameter);
int fileExistsGetter(ObjectHeader* item, int parameter);
int fileDirectoryGetter(ObjectHeader* item, int parameter);
int fileSizeGetter(ObjectHeader* item, int parameter);
int FolderItemDelete(ObjectHeader* item);
int FolderItemCreateAsFolder(ObjectHeader* item);
int FolderItemReplaceWith(ObjectHeader* item, ObjectHeader* replacement, ObjectHeader* backup);
// Opens the file with the program the system has for it; false when there is none.
int FolderItemLaunch(ObjectHeader* item);

// Text files: streams (new references, Nil when the file cannot be opened or made).
ObjectHeader* FolderItemCreateTextFile(ObjectHeader* item);
// Written at the end of the file, which is made when there is none.
ObjectHeader* FolderItemAppendTextFile(ObjectHeader* item);
ObjectHeader* FolderItemOpenTextFile(ObjectHeader* item);
StringRecord* TextInputStreamReadAll(ObjectHeader* stream);
void TextInputStreamClose(ObjectHeader* stream);
void TextOutputStreamWriteLine(ObjectHeader* stream, StringRecord* text);
// False when a write or the closing failed.
int TextOutputStreamClose(ObjectHeader* stream);

// Menus: items by name (with a reference), enabled in an EnableMenuItems handler.
ObjectHeader* RuntimeMenuReference(StringRecord* name);
void RuntimeEnableMenu(ObjectHeader* item);

// Drawing on a Graphics (a Paint event's, a canvas's or a printer's): colour, font and size
// first, then texts from their baseline and pictures (-10000 for a size left out). Colours
// are 0xRRGGBB; pictures of the project come by item number, with a reference.
void graphicsForeColorSetter(ObjectHeader* g, int parameter, int color);
void graphicsTextFontSetter(ObjectHeader* g, int parameter, StringRecord* name);
void graphicsTextSizeSetter(ObjectHeader* g, int parameter, int size);
void RuntimeGraphicsDrawString(ObjectHeader* g, StringRecord* text, int x, int y, int wrap);
void RuntimeGraphicsDrawPicture(ObjectHeader* g, ObjectHeader* picture, int x, int y, int width, int height,
                                int sourceX, int sourceY, int sourceWidth, int sourceHeight);
int RuntimeRGB(int red, int green, int blue);
ObjectHeader* RuntimePictureReference(int number);
int RuntimeGraphicsStringWidth(ObjectHeader* g, StringRecord* text);
void graphicsBoldSetter(ObjectHeader* g, int parameter, int on);
// A canvas's backdrop picture: the getter adds a reference, the setter keeps its own.
ObjectHeader* canvasBackdropGetter(ObjectHeader* canvas, int parameter);
void canvasBackdropSetter(ObjectHeader* canvas, int parameter, ObjectHeader* picture);

// Printing: the print dialog gives a printer Graphics (Nil when cancelled) whose job ends when
// its reference is dropped. A PrinterSetup (made with RuntimeNewObject) shows the page-setup
// dialog (true when confirmed) and keeps its choices as a setup string between uses.
ObjectHeader* RuntimeOpenPrinterDialog(ObjectHeader* setup);
// The job is thrown away instead of printed when its Graphics goes.
void RuntimeAbandonPrintJob(ObjectHeader* g);
// The name the spooler shows for every job started from now on.
void RuntimeSetPrintJobName(StringRecord* name);
int printerSetupPageSetup(ObjectHeader* setup);
StringRecord* printerSetupStringGetter(ObjectHeader* setup, int parameter);
void printerSetupStringSetter(ObjectHeader* setup, int parameter, StringRecord* text);
}

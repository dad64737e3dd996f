// The start-up benchmark's second baseline: the program's first screen made with plain Win32
// calls and no runtime. A frame window with a menu bar holds a document window titled 小切手
// with as many native controls of each kind as the cheque window has (push buttons, rich edit
// fields, static texts, a drop-down list) in a Japanese face, and a drawn form picture; a small
// window stands in front of it as the About window does. It measures what Wine charges for
// such a screen, whatever makes it.
#include <windows.h>

#include <richedit.h>

#include <initializer_list>

namespace {

constexpr int formWidth = 640, formHeight = 400;

struct ControlKind {
    const wchar_t* windowClass;
    DWORD style;
    int count, width, height;
};

const ControlKind cheque[] = {
    {L"BUTTON", BS_PUSHBUTTON, 23, 40, 20},
    {RICHEDIT_CLASSW, ES_AUTOHSCROLL, 20, 90, 20},
    {L"STATIC", SS_LEFT, 16, 60, 16},
    {L"COMBOBOX", CBS_DROPDOWNLIST, 1, 100, 200},
};

HFONT japaneseFace()
{
    return CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"IPA Pゴシック");
}

// The form picture stands behind the controls, drawn from a bitmap as a canvas draws its backdrop.
HBITMAP formPicture(HDC screen)
{
    HBITMAP picture = CreateCompatibleBitmap(screen, 480, 233);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, picture);
    RECT all = {0, 0, 480, 233};
    HBRUSH tint = CreateSolidBrush(RGB(0xEE, 0xF4, 0xEE));
    FillRect(memory, &all, tint);
    DeleteObject(tint);
    for (int y = 20; y < 233; y += 40) {
        MoveToEx(memory, 10, y, nullptr);
        LineTo(memory, 470, y);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    return picture;
}

HBITMAP picture = nullptr;

LRESULT CALLBACK documentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, picture);
        BitBlt(dc, 0, 0, 480, 233, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
        EndPaint(window, &paint);
        return 0;
    }
    return DefMDIChildProcW(window, message, wParam, lParam);
}

HWND frameClient = nullptr;

LRESULT CALLBACK frameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcW(window, frameClient, message, wParam, lParam);
}

void registerClass(const wchar_t* name, WNDPROC procedure, HINSTANCE instance)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

HMENU menuBar()
{
    HMENU bar = CreateMenu();
    for (const wchar_t* title : {L"?", L"ファイル", L"編集"}) {
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 1, L"項目");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), title);
    }
    return bar;
}

void addControls(HWND document, HINSTANCE instance, HFONT font)
{
    int x = 490, y = 10;
    for (const ControlKind& kind : cheque) {
        for (int i = 0; i < kind.count; ++i) {
            HWND control = CreateWindowExW(0, kind.windowClass, L"文字", WS_CHILD | WS_VISIBLE | kind.style, x, y,
                                           kind.width, kind.height, document, nullptr, instance, nullptr);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            y += 24;
            if (y > formHeight - 30) {
                y = 240;
                x -= 100;
            }
        }
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    LoadLibraryW(L"riched20.dll");
    registerClass(L"NativeFrame", frameProcedure, instance);
    registerClass(L"NativeDocument", documentProcedure, instance);
    HDC screen = GetDC(nullptr);
    picture = formPicture(screen);
    ReleaseDC(nullptr, screen);
    HWND frame = CreateWindowW(L"NativeFrame", L"手形・小切手", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 1024, 768,
                               nullptr, menuBar(), instance, nullptr);
    CLIENTCREATESTRUCT client = {nullptr, 1};
    frameClient = CreateWindowW(L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1024, 700, frame,
                                nullptr, instance, &client);
    HWND document = CreateMDIWindowW(L"NativeDocument", L"小切手", WS_VISIBLE, 40, 60, formWidth, formHeight,
                                     frameClient, instance, 0);
    addControls(document, instance, japaneseFace());
    ShowWindow(frame, SW_SHOW);
    HWND about = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"このソフトについて", WS_POPUP | WS_BORDER | WS_VISIBLE,
                                 300, 200, 300, 300, frame, nullptr, instance, nullptr);
    UpdateWindow(frame);
    UpdateWindow(about);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

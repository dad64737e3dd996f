// Panes that the runtime draws itself, each in a "VX_Pane" child window of its window.
#pragma once

#include "ui/windows/pane.h"

struct NativeWindow;

class DrawnPane : public Pane {
public:
    DrawnPane(ObjectHeader* control, const PaneRect& bounds);
    ~DrawnPane() override;

    // Makes the "VX_Pane" child window above the panes made before it.
    void createIn(NativeWindow* native);
    // Paints the window background, the drawn panes below this one, then this pane.
    void paint();
    void drawBelow(HDC dc, int32_t x, int32_t y) override;
    void leaveChildToWindow() override;

protected:
    // Drawing in pane coordinates; paintContent may raise events, drawContent never does.
    virtual void paintContent(HDC dc) { drawContent(dc); }
    virtual void drawContent(HDC dc) = 0;
};

LRESULT CALLBACK paneWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

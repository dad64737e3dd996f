// The built-in control kinds, and how their panes are made.
#pragma once

#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/object.h"
#include "ui/windows/drawnpane.h"
#include "ui/windows/nativewindow.h"

// Each declares its kind's properties, gives it its destructor (where it holds references)
// and its CreatePane handler.
void canvasSetUpClass(ClassDescriptor* cls);
void staticTextSetUpClass(ClassDescriptor* cls);
void rectangleSetUpClass(ClassDescriptor* cls);
void ovalSetUpClass(ClassDescriptor* cls);
void roundRectangleSetUpClass(ClassDescriptor* cls);
void lineSetUpClass(ClassDescriptor* cls);
void pushButtonSetUpClass(ClassDescriptor* cls);
void editFieldSetUpClass(ClassDescriptor* cls);
void popupMenuSetUpClass(ClassDescriptor* cls);
void checkBoxSetUpClass(ClassDescriptor* cls);
void radioButtonSetUpClass(ClassDescriptor* cls);
void groupBoxSetUpClass(ClassDescriptor* cls);
void listboxSetUpClass(ClassDescriptor* cls);
void sliderSetUpClass(ClassDescriptor* cls);
void progressBarSetUpClass(ClassDescriptor* cls);
void scrollBarSetUpClass(ClassDescriptor* cls);
void tabPanelSetUpClass(ClassDescriptor* cls);
void moviePlayerSetUpClass(ClassDescriptor* cls);

// Adds a handler of the runtime's own to a built-in class.
void classAddRuntimeHandler(ClassDescriptor* cls, const char* eventName, void* code);

// The CreatePane handler of a drawn kind: makes the pane in the control's open window.
template <typename PaneKind> int32_t createDrawnPane(ObjectHeader* control)
{
    ControlObject* base = asControl(control);
    if (base->pane || !base->window || !base->window->native)
        return 0;
    auto* pane = new PaneKind(control, asRectControl(control)->bounds);
    pane->createIn(base->window->native);
    base->pane = pane;
    return 0;
}

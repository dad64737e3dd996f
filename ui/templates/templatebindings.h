// The bindings of a window template: a binder object joins two of the window's controls.
#pragma once

#include "image/templatereader.h"
#include "ui/windows/windowobject.h"

// For each binding: the two controls by creation position, each checked against the
// interface its record names (a control that does not implement it skips the record); then a
// binder of the record's class is made and, when the nearest "bind" method up its class chain
// has code, that method runs with (binder, source, target). The binder is released afterwards.
void makeTemplateBindings(WindowObject* window, const std::vector<BindingTemplate>& bindings);

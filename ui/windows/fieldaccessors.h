// Field accessors for controls: each redraws the control's pane after the store.
#pragma once

#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/objectfields.h"

#include <cstddef>
#include <cstdint>

void controlBooleanSetter(ObjectHeader* control, int32_t offset, int32_t value);
void controlIntegerSetter(ObjectHeader* control, int32_t offset, int32_t value);
void controlShortSetter(ObjectHeader* control, int32_t offset, int32_t value);
void controlStringSetter(ObjectHeader* control, int32_t offset, StringRecord* value);

// The accessors of the native control kinds that application code calls.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>

extern "C" {
StringRecord* buttonCaptionGetter(ObjectHeader* button, int32_t parameter);
void buttonCaptionSetter(ObjectHeader* button, int32_t parameter, StringRecord* caption);
int32_t checkBoxValueGetter(ObjectHeader* box, int32_t parameter);
void checkBoxValueSetter(ObjectHeader* box, int32_t parameter, int32_t value);
int32_t radioButtonValueGetter(ObjectHeader* radio, int32_t parameter);
void radioButtonValueSetter(ObjectHeader* radio, int32_t parameter, int32_t value);

StringRecord* editTextGetter(ObjectHeader* field, int32_t parameter);
void editTextSetter(ObjectHeader* field, int32_t parameter, StringRecord* text);
int32_t editSelStartGetter(ObjectHeader* field, int32_t parameter);
void editSelStartSetter(ObjectHeader* field, int32_t parameter, int32_t position);
int32_t editSelLengthGetter(ObjectHeader* field, int32_t parameter);
void editSelLengthSetter(ObjectHeader* field, int32_t parameter, int32_t length);
void editTextFontSetter(ObjectHeader* field, int32_t parameter, StringRecord* name);
// The field's text size, as its TextSize property sets it.
void editTextSizeSetter(ObjectHeader* field, int32_t parameter, int32_t size);
// Windows has none of these text styles: toggling one leaves the field as it is.
void ToggleSelectionOutline(ObjectHeader* field);
void ToggleSelectionShadow(ObjectHeader* field);
void ToggleSelectionCondense(ObjectHeader* field);
void ToggleSelectionExtend(ObjectHeader* field);

StringRecord* popupTextGetter(ObjectHeader* popup, int32_t parameter);
int32_t popupListIndexGetter(ObjectHeader* popup, int32_t parameter);
void popupListIndexSetter(ObjectHeader* popup, int32_t parameter, int32_t index);
int32_t popupListCountGetter(ObjectHeader* popup, int32_t parameter);
void RuntimePopupAddRow(ObjectHeader* popup, StringRecord* text);
void RuntimePopupSelectionSetter(ObjectHeader* popup, int32_t index);

int32_t listCountGetter(ObjectHeader* list, int32_t parameter);
void RuntimeListAddRow(ObjectHeader* list, StringRecord* text);
void RuntimeListInsertRow(ObjectHeader* list, int32_t row, StringRecord* text);
void RuntimeRemoveRow(ObjectHeader* list, int32_t row);
StringRecord* RuntimeGetRow(ObjectHeader* list, int32_t row);
void RuntimeListEmpty(ObjectHeader* list);
int32_t listIndexGetter(ObjectHeader* list, int32_t parameter);
void listIndexSetter(ObjectHeader* list, int32_t parameter, int32_t index);

int32_t tabPanelValueGetter(ObjectHeader* panel, int32_t parameter);
void tabPanelValueSetter(ObjectHeader* panel, int32_t parameter, int32_t tab);
}

// Applying a template's property texts: the key names a declared property of the object's
// class chain, and the value text is converted by the property's declared type.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>
#include <string_view>

// Decimal: leading blanks, one optional sign, then digits up to the first non-digit (none: 0);
// it wraps on overflow, so "-2147483648" is the most negative number.
int32_t templateInteger(std::string_view text);
// True only for "True" in any mix of case.
bool templateBoolean(std::string_view text);

// What a Class property gets for an item number (a new reference or nil); RuntimeProjectObject
// unless replaced.
void templateSetProjectObjectSource(ObjectHeader* (*source)(int32_t number));

// Applies one property; false when the key names no property with a setter and a type that
// converts from text (nothing is applied then). `converted` receives the value as a number
// (a Boolean is 0 or 1).
bool applyTemplateProperty(ObjectHeader* object, std::string_view key, std::string_view value, int32_t& converted);

// Raising events on language objects: the handler comes from the object's class chain.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>
#include <string_view>

// The code of the handler that an event of that name reaches on the object, or null: the
// declaration nearest up the object's class chain names the event, and of the handlers below
// it the one nearest to the declaring class wins.
void* eventHandlerCode(ObjectHeader* object, std::string_view eventName);

// Each call keeps the object alive while its handler runs. Without a handler nothing runs and
// a Boolean result is false.
void raiseEvent(ObjectHeader* object, const char* eventName);
bool raiseBooleanEvent(ObjectHeader* object, const char* eventName);
void raisePointEvent(ObjectHeader* object, const char* eventName, int32_t x, int32_t y);
bool raiseBooleanPointEvent(ObjectHeader* object, const char* eventName, int32_t x, int32_t y);
bool raiseBooleanTextEvent(ObjectHeader* object, const char* eventName, StringRecord* text);
void raiseObjectEvent(ObjectHeader* object, const char* eventName, ObjectHeader* argument);

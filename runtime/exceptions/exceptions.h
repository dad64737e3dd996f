// Exceptions: the built-in exception classes, raising, and the stack check.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>

enum class BuiltinException {
    Runtime,
    NilObject,
    IllegalCast,
    StackOverflow,
    TypeMismatch,
    OutOfBounds,
    End,
};

// The descriptor of a built-in exception class; all of them exist after the first call.
ClassDescriptor* exceptionClass(BuiltinException kind);

// Creates a fresh exception of the built-in class and raises it. Returns only when an
// uncaught EndException has closed the windows.
void raiseBuiltinException(BuiltinException kind);

// The runtime's replaceable message texts by index (from the image's settings).
void exceptionSetMessages(StringRecord* const* messages, int32_t count);
// The message that reports an exception no handler caught; "%1" stands for its class name.
constexpr int32_t uncaughtExceptionMessage = 4;

// Sets the stack limit 0xE0000 bytes below the caller's stack position.
void stackCheckSetLimitFromHere();

// Walks up from `frame` (a frame of the caller's); the raise takes its own reference to the
// exception unless `adopted`, when the caller hands over the one it holds.
void raiseFromFrame(uintptr_t frame, ObjectHeader* exception, bool adopted);

extern "C" {
void RuntimeRaiseException(ObjectHeader* exception);
void RuntimeReraiseException(ObjectHeader* exception);
void RuntimeStackCheck();
void RuntimeNilObject();
void* RuntimeCheckCast(ObjectHeader* object, int32_t classIndex);
}

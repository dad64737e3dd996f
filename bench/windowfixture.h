// The window framework for benchmarks: its set-up and unnamed subclasses with handlers.
// Template records come from tests/support/templatestream.h.
#pragma once

#include "runtime/objects/builtinclassset.h"
#include "tests/support/templatestream.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Sets up the built-in classes, the settings and the framework (once).
void fixtureSetUp();

struct FixtureHandler {
    const char* event;
    void* code;
};

// An unnamed subclass of `base` with these handlers, entered in the class table; returns its
// class index.
int32_t fixtureSubclass(ClassDescriptor* base, const std::vector<FixtureHandler>& handlers);
ClassDescriptor* fixtureClassAt(int32_t index);

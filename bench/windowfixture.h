// The window framework for benchmarks: its set-up, unnamed subclasses with handlers, and
// template records as the image carries them.
#pragma once

#include "host/builtinclassset.h"

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

using FixtureProperties = std::vector<std::pair<std::string, std::string>>;

// The 21 keys of a window template with their usual values.
FixtureProperties fixtureWindowProperties(const std::string& title, int32_t width, int32_t height);
// The 16 base keys of a control, then the kind's own.
FixtureProperties fixtureControlProperties(const std::string& name, int32_t left, int32_t top, int32_t width,
                                           int32_t height, const FixtureProperties& own);

struct FixtureControl {
    int32_t classIndex;
    FixtureProperties properties;
};

// The template stream with its little-endian length in front.
std::vector<uint8_t> fixtureTemplateRecord(int32_t windowClass, const FixtureProperties& window,
                                           const std::vector<FixtureControl>& controls);

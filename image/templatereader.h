// Window templates as read from the image: the window's class and properties, its controls
// and its bindings, checked before anything is built.
#pragma once

#include "image/imagefault.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Keys and values point into the template's bytes, which outlive the reading.
struct TemplateProperty {
    std::string_view key;
    std::string_view value;
};

struct ControlTemplate {
    int32_t classIndex;
    uint32_t classOffset; // where the class index starts in the stream
    std::vector<TemplateProperty> properties;
};

struct BindingTemplate {
    int32_t sourcePosition;
    std::string_view sourcePart;
    int32_t targetPosition;
    std::string_view targetPart;
    int32_t binderClassIndex;
    std::string_view sourceInterface;
    std::string_view targetInterface;
};

struct WindowTemplate {
    int32_t classIndex;
    uint32_t classOffset;
    std::vector<TemplateProperty> properties;
    std::vector<ControlTemplate> controls;
    std::vector<BindingTemplate> bindings;
};

// Reads a whole template stream. False, with the fault (imagefault.h) naming the window, the
// control and the byte offset, when it ends early or holds a negative count or one larger than
// the bytes left could hold; `result` is then partial. Class indexes are read, not checked.
bool readWindowTemplate(const uint8_t* stream, uint32_t length, WindowTemplate& result, std::string& fault);

// The class index of the window (control 0) or of one of its controls (from 1) as the place of a
// fault: "window template Main, control 3 (Label1)" and the byte where the index starts.
ImageFaultPlace templateClassPlace(const WindowTemplate& window, size_t control);

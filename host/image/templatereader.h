// Window templates as read from the image: the window's class and properties, its controls
// and its bindings, checked before anything is built.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Keys and values point into the template's bytes, which outlive the reading.
struct TemplateProperty {
    std::string_view key;
    std::string_view value;
};

struct ControlTemplate {
    int32_t classIndex;
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
    std::vector<TemplateProperty> properties;
    std::vector<ControlTemplate> controls;
    std::vector<BindingTemplate> bindings;
};

// Reads a whole template stream. False when it ends early, holds a negative count or
// class index, or a count larger than the bytes left could hold; `result` is then partial.
bool readWindowTemplate(const uint8_t* stream, uint32_t length, WindowTemplate& result);

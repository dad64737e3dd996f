// The window framework for benchmarks: its set-up, unnamed subclasses with handlers, and
// template records as the image carries them.
#include "bench/windowfixture.h"

#include "host/projectsettings.h"
#include "runtime/object.h"
#include "runtime/string.h"
#include "ui/uisetup.h"

#include <cstring>

namespace {

std::vector<ClassDescriptor*>& classTable()
{
    static std::vector<ClassDescriptor*> table;
    return table;
}

void writeNumber(std::string& stream, int32_t value)
{
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    uint8_t first = static_cast<uint8_t>((magnitude & 0x3F) | (value < 0 ? 0x40 : 0));
    magnitude >>= 6;
    stream += static_cast<char>(first | (magnitude ? 0x80 : 0));
    while (magnitude) {
        uint8_t next = magnitude & 0x7F;
        magnitude >>= 7;
        stream += static_cast<char>(next | (magnitude ? 0x80 : 0));
    }
}

void writeText(std::string& stream, const std::string& text)
{
    writeNumber(stream, static_cast<int32_t>(text.size()));
    stream += text;
}

void writeProperties(std::string& stream, const FixtureProperties& properties)
{
    for (const auto& [key, value] : properties) {
        writeText(stream, key);
        writeText(stream, value);
    }
}

} // namespace

void fixtureSetUp()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    builtinClassesEnsure();
    SettingsStream settings;
    settings.languageCode = 13;
    settingsApply(settings);
    uiStart();
}

int32_t fixtureSubclass(ClassDescriptor* base, const std::vector<FixtureHandler>& handlers)
{
    ClassDescriptor* cls = classCreate();
    cls->superclass = base;
    cls->instanceSize = base->instanceSize;
    for (const FixtureHandler& entry : handlers) {
        auto* handler = static_cast<EventHandler*>(taggedAllocate(sizeof(EventHandler)));
        *handler = {cls->handlers, stringFromText(entry.event), entry.code, 0};
        cls->handlers = handler;
    }
    classTable().push_back(cls);
    classSetTable(classTable().data(), static_cast<int32_t>(classTable().size()));
    return static_cast<int32_t>(classTable().size() - 1);
}

ClassDescriptor* fixtureClassAt(int32_t index)
{
    return classTable().at(static_cast<size_t>(index));
}

FixtureProperties fixtureWindowProperties(const std::string& title, int32_t width, int32_t height)
{
    return {
        {"Name", "BenchWindow"}, {"Frame", "0"}, {"HasBackColor", "False"}, {"BackColor", "16777215"},
        {"Backdrop", "0"}, {"Title", title}, {"Visible", "True"}, {"FullScreen", "False"},
        {"MenuBarVisible", "True"}, {"CloseBox", "True"}, {"GrowIcon", "True"}, {"ZoomIcon", "False"},
        {"BalloonHelp", ""}, {"MacProcID", "0"}, {"Placement", "0"}, {"Width", std::to_string(width)},
        {"Height", std::to_string(height)}, {"MinWidth", "64"}, {"MinHeight", "64"}, {"MaxWidth", "32000"},
        {"MaxHeight", "32000"},
    };
}

FixtureProperties fixtureControlProperties(const std::string& name, int32_t left, int32_t top, int32_t width,
                                           int32_t height, const FixtureProperties& own)
{
    FixtureProperties properties = {
        {"Name", name}, {"Index", std::to_string(INT32_MIN)}, {"TabPanelIndex", "0"}, {"Visible", "True"},
        {"Left", std::to_string(left)}, {"Top", std::to_string(top)}, {"Width", std::to_string(width)},
        {"Height", std::to_string(height)}, {"HelpTag", ""}, {"BalloonHelp", ""}, {"DisabledBalloonHelp", ""},
        {"AutoDeactivate", "True"}, {"LockLeft", "True"}, {"LockTop", "True"}, {"LockRight", "False"},
        {"LockBottom", "False"},
    };
    properties.insert(properties.end(), own.begin(), own.end());
    return properties;
}

std::vector<uint8_t> fixtureTemplateRecord(int32_t windowClass, const FixtureProperties& window,
                                           const std::vector<FixtureControl>& controls)
{
    std::string stream;
    writeNumber(stream, static_cast<int32_t>(window.size()));
    writeNumber(stream, windowClass);
    writeProperties(stream, window);
    writeNumber(stream, static_cast<int32_t>(controls.size()));
    for (const FixtureControl& control : controls) {
        writeNumber(stream, control.classIndex);
        writeNumber(stream, static_cast<int32_t>(control.properties.size()));
        writeProperties(stream, control.properties);
    }
    writeNumber(stream, 0);   // no bindings
    std::vector<uint8_t> record(4 + stream.size());
    uint32_t length = static_cast<uint32_t>(stream.size());
    memcpy(record.data(), &length, 4);
    memcpy(record.data() + 4, stream.data(), stream.size());
    return record;
}

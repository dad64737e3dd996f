// Sections that describe a window: [window Name] (its class and its window keys) and the
// [control Class Name] sections after it, one per control, in creation order.
#include "resgen/names.h"
#include "resgen/section_readers.h"
#include "resgen/template_keys.h"

namespace resgen {

namespace {

const TemplateKey* windowKey(std::string_view name)
{
    for (const TemplateKey& key : windowTemplateKeys()) {
        if (equalsIgnoringCase(key.name, name))
            return &key;
    }
    return nullptr;
}

// A template key of the window; false when the entry is none.
bool readWindowKey(const Entry& entry, WindowDescription& window, KeysSeen& seen, tools::Diagnostics& diagnostics)
{
    const TemplateKey* key = entry.key.size() == 1 ? windowKey(entry.key[0]) : nullptr;
    if (key == nullptr)
        return false;
    if (!seen.first(std::string(key->name), entry.where, diagnostics))
        return true;
    if (std::optional<std::string> value = shiftJisValue(entry, diagnostics)) {
        window.properties.push_back({std::string(key->name), *value, entry.where});
    }
    return true;
}

} // namespace

void readWindowSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    WindowDescription window;
    window.windowClass.name = section.header[1];
    window.windowClass.where = section.where;
    KeysSeen seen;
    for (const Entry& entry : section.entries) {
        if (!readClassSetting(entry, window.windowClass, seen, diagnostics) &&
            !readWindowKey(entry, window, seen, diagnostics)) {
            unknownKey(entry, "for a window", diagnostics);
        }
    }
    if (window.windowClass.superclass.name.empty())
        window.windowClass.superclass = {"Window", "", section.where};
    descriptions.windows.push_back(std::move(window));
}

void readControlSection(const Section& section, WindowDescription& window, tools::Diagnostics& diagnostics)
{
    ControlDescription control;
    control.controlClass = {section.header[1], "", section.where};
    control.name = section.header[2];
    control.where = section.where;
    KeysSeen seen;
    for (const Entry& entry : section.entries) {
        if (readEventHandler(entry, control.events, seen, diagnostics))
            continue;
        if (entry.key.size() != 1) {
            unknownKey(entry, "for a control", diagnostics);
        } else if (equalsIgnoringCase(entry.key[0], "Name")) {
            report(diagnostics, entry.where, "a control's Name is the last word of its section header");
        } else if (seen.first(entry.key[0], entry.where, diagnostics)) {
            if (std::optional<std::string> value = shiftJisValue(entry, diagnostics)) {
                control.properties.push_back({entry.key[0], *value, entry.where});
            }
        }
    }
    window.controls.push_back(std::move(control));
}

} // namespace resgen

// Window templates: each window's keys in stream order, then its controls, each with the
// keys of its class in stream order. Keys a description leaves out get their defaults.
#include "resgen/window_templates.h"

#include "image/streamencoding.h"
#include "resgen/entry_values.h"
#include "resgen/names.h"

namespace resgen {

namespace {

// The keys of one window or control, in stream order, each with the value it will carry.
struct KeyValues {
    std::vector<const TemplateKey*> keys;
    std::vector<std::string> values;

    void add(std::span<const TemplateKey> more)
    {
        for (const TemplateKey& key : more) {
            keys.push_back(&key);
            values.emplace_back(key.defaultValue);
        }
    }
    // The position of the key, compared without regard to case; keys.size() if none.
    size_t find(std::string_view name) const
    {
        size_t i = 0;
        while (i < keys.size() && !equalsIgnoringCase(keys[i]->name, name))
            ++i;
        return i;
    }
    void set(std::string_view name, std::string value) { values[find(name)] = std::move(value); }

    int32_t count() const { return static_cast<int32_t>(keys.size()); }
    void writePairs(ImageStreamWriter& out) const
    {
        for (size_t i = 0; i < keys.size(); ++i) {
            out.text(keys[i]->name);
            out.text(values[i]);
        }
    }
};

struct PlacedControl {
    std::string name;
    std::optional<int32_t> index;
    int line;
};

class TemplateBuilder {
public:
    TemplateBuilder(const ClassCatalog& catalog, const ClassTable& classes, const ItemNumbers& items,
                    tools::Diagnostics& diagnostics)
        : catalog_(catalog), classes_(classes), items_(items), diagnostics_(diagnostics)
    {}

    WindowTemplate build(const WindowDescription& window, size_t windowNumber)
    {
        KeyValues keys;
        keys.add(windowTemplateKeys());
        keys.set("Name", window.windowClass.name);
        applyAll(window.properties, keys, "for a window");
        ImageStreamWriter out;
        out.number(keys.count());
        out.number(classes_.indexOf(window.windowClass.name));
        keys.writePairs(out);
        out.number(static_cast<int32_t>(window.controls.size()));
        placed_.clear();
        std::vector<ControlPlace> places;
        for (size_t i = 0; i < window.controls.size(); ++i) {
            const KeyValues controlKeys = control(window.controls[i]);
            out.number(classes_.controlClassIndex(windowNumber, i));
            out.number(controlKeys.count());
            controlKeys.writePairs(out);
            places.push_back(placeOf(window.controls[i], controlKeys));
        }
        out.number(0); // no bindings between controls
        return {window.windowClass.name, out.bytes(), std::move(places)};
    }

private:
    KeyValues control(const ControlDescription& control)
    {
        KeyValues keys;
        keys.add(baseControlKeys());
        const ControlClassKeys* classKeys = catalog_.templateKeysOf(control.controlClass.name);
        if (classKeys == nullptr)
            return keys; // reported with the class table
        keys.add(classKeys->keys);
        keys.set("Name", control.name);
        keys.set("Width", std::string(classKeys->defaultWidth));
        keys.set("Height", std::string(classKeys->defaultHeight));
        applyAll(control.properties, keys, "for a " + std::string(classKeys->className));
        place(control, keys);
        return keys;
    }

    static ControlPlace placeOf(const ControlDescription& control, const KeyValues& keys)
    {
        auto number = [&keys](std::string_view key, int32_t otherwise) {
            size_t position = keys.find(key);
            return position < keys.keys.size() ? parseInteger(keys.values[position]).value_or(otherwise) : otherwise;
        };
        return {control.name,       number("Index", streamNotInArray),
                number("Left", 0),  number("Top", 0),
                number("Width", 0), number("Height", 0)};
    }

    void applyAll(const std::vector<PropertyValue>& properties, KeyValues& keys, const std::string& unknownWhere)
    {
        for (const PropertyValue& property : properties) {
            const size_t position = keys.find(property.key);
            if (position == keys.keys.size()) {
                report(diagnostics_, property.where, "unknown key \"" + property.key + "\" " + unknownWhere);
            } else if (std::optional<std::string> value =
                           templateValue(*keys.keys[position], property, items_, diagnostics_)) {
                keys.values[position] = *value;
            }
        }
    }

    // Controls may share a name only as elements of a control array, each with its own Index.
    void place(const ControlDescription& control, const KeyValues& keys)
    {
        const std::optional<int32_t> index = parseInteger(keys.values[keys.find("Index")]);
        const std::optional<int32_t> element = index && *index != streamNotInArray ? index : std::nullopt;
        for (const PlacedControl& other : placed_) {
            if (!equalsIgnoringCase(other.name, control.name))
                continue;
            if (!other.index || !element || *other.index == *element) {
                report(diagnostics_, control.where,
                       "a control named " + control.name + " is already on this window (line " +
                           std::to_string(other.line) + "); elements of a control array each need their own Index");
                break;
            }
        }
        placed_.push_back({control.name, element, control.where.line});
    }

    const ClassCatalog& catalog_;
    const ClassTable& classes_;
    const ItemNumbers& items_;
    tools::Diagnostics& diagnostics_;
    std::vector<PlacedControl> placed_;
};

} // namespace

std::vector<WindowTemplate> buildWindowTemplates(const Descriptions& descriptions, const ClassCatalog& catalog,
                                                 const ClassTable& classes, const ItemNumbers& items,
                                                 tools::Diagnostics& diagnostics)
{
    TemplateBuilder builder(catalog, classes, items, diagnostics);
    std::vector<WindowTemplate> templates;
    for (size_t i = 0; i < descriptions.windows.size(); ++i) {
        templates.push_back(builder.build(descriptions.windows[i], i));
    }
    return templates;
}

} // namespace resgen

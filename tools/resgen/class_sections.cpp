// Sections that describe classes: [class Name], [interface Name], [plugin Name] and
// [references], and the class settings that [window Name] shares with [class Name].
#include "resgen/names.h"
#include "resgen/section_readers.h"

#include <algorithm>
#include <iterator>

namespace resgen {

namespace {

struct IdentifierSetting {
    std::string_view key;
    std::string ClassDescription::*field;
};

constexpr IdentifierSetting kIdentifierSettings[] = {
    {"struct", &ClassDescription::structName},
    {"constructor", &ClassDescription::constructor},
    {"destructor", &ClassDescription::destructor},
    {"global", &ClassDescription::global},
};

// "<word> Name = routine" appended to `list`. Always true: the key was one of ours.
bool readBinding(const Entry& entry, std::vector<Binding>& list, KeysSeen& seen, tools::Diagnostics& diagnostics)
{
    if (!seen.first(entry.keyText(), entry.where, diagnostics) ||
        !checkIdentifier(entry.key[1], entry.where, diagnostics)) {
        return true;
    }
    if (std::optional<std::string> routine = identifierValue(entry, diagnostics)) {
        list.push_back({entry.key[1], *routine, entry.where});
    }
    return true;
}

void readHeaderPath(const Entry& entry, ClassDescription& description, tools::Diagnostics& diagnostics)
{
    const std::string* path = valueOf(entry, diagnostics);
    if (path == nullptr)
        return;
    if (path->empty() || path->find_first_of("\"\\<>") != std::string::npos) {
        report(diagnostics, entry.where, "\"" + *path + "\" cannot be written in an #include line");
    } else {
        description.header = *path;
    }
}

// `entry` is one of the single-word settings.
void readSingleWordSetting(const Entry& entry, ClassDescription& description, tools::Diagnostics& diagnostics)
{
    const std::string& key = entry.key[0];
    if (equalsIgnoringCase(key, "header"))
        return readHeaderPath(entry, description, diagnostics);
    const std::optional<std::string> name = identifierValue(entry, diagnostics);
    if (!name)
        return;
    if (equalsIgnoringCase(key, "super")) {
        description.superclass = {*name, "", entry.where};
    } else if (equalsIgnoringCase(key, "implements")) {
        description.interfaces.push_back({*name, "", entry.where});
    } else {
        for (const IdentifierSetting& setting : kIdentifierSettings) {
            if (equalsIgnoringCase(key, setting.key))
                description.*setting.field = *name;
        }
    }
}

bool isSingleWordSetting(std::string_view key)
{
    for (std::string_view setting : {"header", "super", "implements"}) {
        if (equalsIgnoringCase(key, setting))
            return true;
    }
    return std::any_of(std::begin(kIdentifierSettings), std::end(kIdentifierSettings),
                       [&](const IdentifierSetting& setting) { return equalsIgnoringCase(key, setting.key); });
}

ClassDescription namedClass(const Section& section)
{
    ClassDescription description;
    description.name = section.header[1];
    description.where = section.where;
    return description;
}

} // namespace

bool readEventHandler(const Entry& entry, std::vector<Binding>& events, KeysSeen& seen, tools::Diagnostics& diagnostics)
{
    if (entry.key.size() != 2 || !equalsIgnoringCase(entry.key[0], "on"))
        return false;
    return readBinding(entry, events, seen, diagnostics);
}

bool readClassSetting(const Entry& entry, ClassDescription& description, KeysSeen& seen,
                      tools::Diagnostics& diagnostics)
{
    if (readEventHandler(entry, description.events, seen, diagnostics))
        return true;
    if (entry.key.size() == 2 && equalsIgnoringCase(entry.key[0], "menu")) {
        return readBinding(entry, description.menuHandlers, seen, diagnostics);
    }
    if (entry.key.size() == 2 && equalsIgnoringCase(entry.key[0], "method")) {
        return readBinding(entry, description.methods, seen, diagnostics);
    }
    if (entry.key.size() != 1 || !isSingleWordSetting(entry.key[0]))
        return false;
    const bool repeatable = equalsIgnoringCase(entry.key[0], "implements");
    if (repeatable || seen.first(entry.keyText(), entry.where, diagnostics)) {
        readSingleWordSetting(entry, description, diagnostics);
    }
    return true;
}

void readClassSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    ClassDescription description = namedClass(section);
    KeysSeen seen;
    for (const Entry& entry : section.entries) {
        if (!readClassSetting(entry, description, seen, diagnostics))
            unknownKey(entry, "in a [class] section", diagnostics);
    }
    descriptions.classes.push_back(std::move(description));
}

void readInterfaceSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    ClassDescription description = namedClass(section);
    description.isInterface = true;
    KeysSeen seen;
    for (const Entry& entry : section.entries) {
        if (entry.key.size() != 2 || !equalsIgnoringCase(entry.key[0], "method")) {
            unknownKey(entry, "in an [interface] section", diagnostics);
        } else if (entry.value) {
            report(diagnostics, entry.where, "an interface's method has no routine: method " + entry.key[1]);
        } else if (seen.first(entry.keyText(), entry.where, diagnostics) &&
                   checkIdentifier(entry.key[1], entry.where, diagnostics)) {
            description.methods.push_back({entry.key[1], "", entry.where});
        }
    }
    descriptions.classes.push_back(std::move(description));
}

void readPluginSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    PluginClass plugin{{section.header[1], "", section.where}, 0};
    for (const Entry& entry : section.entries) {
        if (entry.key.size() != 1 || !equalsIgnoringCase(entry.key[0], "size")) {
            unknownKey(entry, "in a [plugin] section", diagnostics);
        } else if (std::optional<int32_t> size = integerValue(entry, 1, 0x100000, diagnostics)) {
            plugin.instanceSize = static_cast<uint32_t>(*size);
        }
    }
    if (plugin.instanceSize == 0)
        report(diagnostics, section.where, "a [plugin] section needs size = <instance size>");
    descriptions.plugins.push_back(std::move(plugin));
}

void readReferencesSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    for (const Entry& entry : section.entries) {
        if (entry.key.size() != 1 || entry.value) {
            report(diagnostics, entry.where, "[references] lists one built-in class name a line");
        } else if (checkIdentifier(entry.key[0], entry.where, diagnostics)) {
            descriptions.references.push_back({entry.key[0], "", entry.where});
        }
    }
}

} // namespace resgen

// The [project] section, the ordered list of project items, and the [settings] section.
//
//   [project]
//   module NumModule                       the class's global variable receives the instance
//   menubar
//   picture FormPicture = form.png         relative to the description file
//   picture StampPicture transparent = stamp.png
//   movie AboutSound = 1                   the resource number
//   settings
//   plugin kolactl1.dll                    a library the image carries; the build names its file
#include "resgen/names.h"
#include "resgen/section_readers.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace resgen {

namespace {

bool isWord(const Entry& entry, size_t index, std::string_view word)
{
    return entry.key.size() > index && equalsIgnoringCase(entry.key[index], word);
}

std::string besideDescription(const Location& where, const std::string& path)
{
    return (std::filesystem::path(where.file).parent_path() / path).lexically_normal().string();
}

using Items = std::vector<ProjectItemDescription>;

ProjectItemDescription item(ProjectItemKind kind, const Entry& entry, std::string name = "")
{
    return {kind, std::move(name), "", false, 0, entry.where};
}

bool readPicture(const Entry& entry, Items& items, tools::Diagnostics& diagnostics)
{
    const bool transparent = entry.key.size() == 3 && isWord(entry, 2, "transparent");
    if (entry.key.size() != 2 && !transparent)
        return false;
    const std::string* path = valueOf(entry, diagnostics);
    if (path != nullptr && checkIdentifier(entry.key[1], entry.where, diagnostics)) {
        items.push_back(item(ProjectItemKind::Picture, entry, entry.key[1]));
        items.back().path = besideDescription(entry.where, *path);
        items.back().transparent = transparent;
    }
    return true;
}

bool readModule(const Entry& entry, Items& items, tools::Diagnostics& diagnostics)
{
    if (entry.key.size() != 2 || entry.value)
        return false;
    if (checkIdentifier(entry.key[1], entry.where, diagnostics)) {
        items.push_back(item(ProjectItemKind::Module, entry, entry.key[1]));
    }
    return true;
}

bool readMovie(const Entry& entry, Items& items, tools::Diagnostics& diagnostics)
{
    if (entry.key.size() != 2)
        return false;
    const std::optional<int32_t> resource = integerValue(entry, 1, INT32_MAX, diagnostics);
    if (resource && checkIdentifier(entry.key[1], entry.where, diagnostics)) {
        items.push_back(item(ProjectItemKind::Movie, entry, entry.key[1]));
        items.back().resource = *resource;
    }
    return true;
}

// The name is the file the runtime writes the library to: a plain file name that reaches no
// other folder and reads the same in every code page.
bool isPlainFileName(std::string_view name)
{
    const auto plain = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
    };
    return !name.empty() && name.size() <= 255 && name.front() != '.' && std::all_of(name.begin(), name.end(), plain);
}

bool readPluginLibrary(const Entry& entry, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    if (entry.key.size() != 2 || entry.value)
        return false;
    const std::string& name = entry.key[1];
    if (!isPlainFileName(name)) {
        report(diagnostics, entry.where, "plugin " + name + ": a plug-in library is named by a plain file name");
        return true;
    }
    descriptions.pluginLibraries.push_back({name, entry.where});
    return true;
}

// Reads one line of [project]; false when the line names no kind of project item.
bool readProjectItem(const Entry& entry, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    Items& items = descriptions.items;
    const bool bare = entry.key.size() == 1 && !entry.value;
    if (bare && isWord(entry, 0, "menubar")) {
        items.push_back(item(ProjectItemKind::MenuBar, entry));
    } else if (bare && isWord(entry, 0, "settings")) {
        items.push_back(item(ProjectItemKind::Settings, entry));
    } else if (isWord(entry, 0, "picture")) {
        return readPicture(entry, items, diagnostics);
    } else if (isWord(entry, 0, "module")) {
        return readModule(entry, items, diagnostics);
    } else if (isWord(entry, 0, "movie")) {
        return readMovie(entry, items, diagnostics);
    } else if (isWord(entry, 0, "plugin")) {
        return readPluginLibrary(entry, descriptions, diagnostics);
    } else {
        return false;
    }
    return true;
}

std::string_view trimmedField(std::string_view field)
{
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t'))
        field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
        field.remove_suffix(1);
    return field;
}

// Split before the conversion: a Shift-JIS trail byte can be the code of "|".
std::optional<FileType> fileType(const Entry& entry, tools::Diagnostics& diagnostics)
{
    const std::string* text = valueOf(entry, diagnostics);
    if (text == nullptr)
        return std::nullopt;
    if (std::count(text->begin(), text->end(), '|') != 3) {
        report(diagnostics, entry.where, "a file type is four fields: filetype = name | creator | type | extensions");
        return std::nullopt;
    }
    FileType type;
    size_t start = 0;
    for (std::string& field : type.fields) {
        const size_t bar = std::min(text->find('|', start), text->size());
        const std::optional<std::string> converted =
            shiftJisText(trimmedField(std::string_view(*text).substr(start, bar - start)), entry.where, diagnostics);
        if (!converted)
            return std::nullopt;
        field = *converted;
        start = bar + 1;
    }
    return type;
}

void readOnceSetting(const Entry& entry, SettingsDescription& settings, tools::Diagnostics& diagnostics)
{
    const std::string& key = entry.key[0];
    if (equalsIgnoringCase(key, "title")) {
        if (std::optional<std::string> text = shiftJisValue(entry, diagnostics))
            settings.frameTitle = *text;
    } else if (equalsIgnoringCase(key, "language")) {
        if (std::optional<int32_t> code = integerValue(entry, INT32_MIN, INT32_MAX, diagnostics))
            settings.language = *code;
    } else {
        uint8_t& byte = equalsIgnoringCase(key, "flag") ? settings.flag : settings.frameMode;
        if (std::optional<int32_t> value = integerValue(entry, 0, 255, diagnostics))
            byte = static_cast<uint8_t>(*value);
    }
}

void readSettingsEntry(const Entry& entry, SettingsDescription& settings, KeysSeen& seen,
                       tools::Diagnostics& diagnostics)
{
    const std::string& key = entry.key[0];
    if (equalsIgnoringCase(key, "message")) {
        if (std::optional<std::string> text = shiftJisValue(entry, diagnostics))
            settings.messages.push_back(*text);
    } else if (equalsIgnoringCase(key, "filetype")) {
        if (std::optional<FileType> type = fileType(entry, diagnostics))
            settings.fileTypes.push_back(*type);
    } else if (!equalsIgnoringCase(key, "title") && !equalsIgnoringCase(key, "language") &&
               !equalsIgnoringCase(key, "flag") && !equalsIgnoringCase(key, "frame")) {
        unknownKey(entry, "in the [settings] section", diagnostics);
    } else if (seen.first(key, entry.where, diagnostics)) {
        readOnceSetting(entry, settings, diagnostics);
    }
}

} // namespace

void readProjectSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    descriptions.hasProject = true;
    for (const Entry& entry : section.entries) {
        if (!readProjectItem(entry, descriptions, diagnostics)) {
            report(diagnostics, entry.where,
                   "unknown project item \"" + entry.keyText() +
                       "\" (module, menubar, picture, movie, plugin or settings)");
        }
    }
}

void readSettingsSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    SettingsDescription settings;
    settings.where = section.where;
    KeysSeen seen;
    for (const Entry& entry : section.entries) {
        if (entry.key.size() != 1) {
            unknownKey(entry, "in the [settings] section", diagnostics);
        } else {
            readSettingsEntry(entry, settings, seen, diagnostics);
        }
    }
    descriptions.settings = std::move(settings);
}

} // namespace resgen

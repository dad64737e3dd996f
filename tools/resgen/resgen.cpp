// The resource generator's work from description texts to the image's data, without files.
#include "resgen/resgen.h"

#include "resgen/class_catalog.h"
#include "resgen/class_table.h"
#include "resgen/menu_bar.h"
#include "resgen/project_items.h"
#include "resgen/section_readers.h"
#include "resgen/window_templates.h"

#include <algorithm>

namespace resgen {

namespace {

std::vector<std::string> headersOf(const Descriptions& descriptions)
{
    std::vector<std::string> headers;
    const auto add = [&](const ClassDescription& description) {
        if (!description.header.empty() &&
            std::find(headers.begin(), headers.end(), description.header) == headers.end()) {
            headers.push_back(description.header);
        }
    };
    for (const ClassDescription& description : descriptions.classes)
        add(description);
    for (const WindowDescription& window : descriptions.windows)
        add(window.windowClass);
    return headers;
}

ImageModel joinUp(const Descriptions& descriptions, const ClassCatalog& catalog,
                  std::span<const PluginLibraryFile> libraries, tools::Diagnostics& diagnostics)
{
    ImageModel model;
    const ClassTable classes(descriptions, catalog, diagnostics);
    const ItemNumbers numbers(descriptions.items);
    model.windows = buildWindowTemplates(descriptions, catalog, classes, numbers, diagnostics);
    const std::vector<uint8_t> menuBar = buildMenuBarStream(descriptions, catalog, classes, diagnostics);
    model.items = buildProjectItems(descriptions, catalog, classes, menuBar, diagnostics);
    model.globals = collectGlobals(descriptions, diagnostics);
    model.headers = headersOf(descriptions);
    model.classes = classes.entries;
    model.pluginLibraries = readPluginLibraries(descriptions, libraries, diagnostics);
    return model;
}

} // namespace

// Later stages work on names the earlier ones checked: after a failed stage they would only
// repeat its problems in other words, so each stage runs only when the ones before it passed.
std::optional<ImageModel> buildImageModel(const BuiltinClasses& builtins, std::span<const DescriptionFile> files,
                                          tools::Diagnostics& diagnostics, std::span<const PluginLibraryFile> libraries)
{
    std::vector<Section> sections;
    for (const DescriptionFile& file : files) {
        std::vector<Section> more = parseDescription(file.path, file.text, diagnostics);
        sections.insert(sections.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    const Descriptions descriptions = readDescriptions(sections, diagnostics);
    if (diagnostics.hasErrors())
        return std::nullopt;
    const ClassCatalog catalog(descriptions, builtins, diagnostics);
    if (diagnostics.hasErrors())
        return std::nullopt;
    ImageModel model = joinUp(descriptions, catalog, libraries, diagnostics);
    if (diagnostics.hasErrors())
        return std::nullopt;
    return model;
}

} // namespace resgen

// The project items in number order, and the global variables the runtime stores window and
// module instances into.
#include "resgen/project_items.h"

#include "common/file_io.h"
#include "resgen/names.h"
#include "resgen/png_picture.h"
#include "resgen/settings_stream.h"

#include <algorithm>
#include <map>

namespace resgen {

namespace {

std::string itemKey(const ProjectItemDescription& item)
{
    switch (item.kind) {
    case ProjectItemKind::MenuBar:
        return "menubar";
    case ProjectItemKind::Settings:
        return "settings";
    default:
        return foldedName(item.name);
    }
}

bool isModule(const Descriptions& descriptions, std::string_view name)
{
    return std::any_of(descriptions.items.begin(), descriptions.items.end(), [&](const ProjectItemDescription& item) {
        return item.kind == ProjectItemKind::Module && equalsIgnoringCase(item.name, name);
    });
}

class ItemBuilder {
public:
    ItemBuilder(const Descriptions& descriptions, const ClassCatalog& catalog, const ClassTable& classes,
                tools::Diagnostics& diagnostics)
        : descriptions_(descriptions), catalog_(catalog), classes_(classes), diagnostics_(diagnostics)
    {}

    std::optional<ProjectItem> build(const ProjectItemDescription& description, const std::vector<uint8_t>& menuBar)
    {
        if (!listedOnce(description))
            return std::nullopt;
        ProjectItem item;
        item.kind = description.kind;
        item.name = description.name;
        switch (description.kind) {
        case ProjectItemKind::Module:
            return module(description, item);
        case ProjectItemKind::Picture:
            return picture(description, item);
        case ProjectItemKind::Movie:
            item.resource = description.resource;
            return item;
        case ProjectItemKind::MenuBar:
            return menuBarItem(description, item, menuBar);
        default:
            return settingsItem(description, item);
        }
    }

private:
    bool listedOnce(const ProjectItemDescription& description)
    {
        const auto [first, inserted] = listed_.emplace(itemKey(description), description.where.line);
        if (!inserted) {
            report(diagnostics_, description.where,
                   "the project already lists " + (description.name.empty() ? itemKey(description) : description.name) +
                       " (line " + std::to_string(first->second) + ")");
        }
        return inserted;
    }

    std::optional<ProjectItem> module(const ProjectItemDescription& description, ProjectItem& item)
    {
        const CatalogClass* found = catalog_.find(description.name);
        const ClassDescription* module = found != nullptr ? found->description : nullptr;
        if (module == nullptr || module->isInterface || catalog_.descendsFrom(description.name, "Window")) {
            report(diagnostics_, description.where,
                   "\"" + description.name + "\" is not a class of the application that can be a module");
            return std::nullopt;
        }
        if (module->global.empty()) {
            report(diagnostics_, description.where,
                   "module " + description.name + " needs global = <variable> in its [class] section");
            return std::nullopt;
        }
        item.classIndex = classes_.indexOf(description.name);
        item.global = module->global;
        return item;
    }

    std::optional<ProjectItem> picture(const ProjectItemDescription& description, ProjectItem& item)
    {
        std::vector<uint8_t> png;
        std::string error;
        if (!tools::readWholeFile(description.path, png, error) || !pictureFromPng(png, item.bytes, error)) {
            report(diagnostics_, description.where, "picture " + description.path + ": " + error);
            return std::nullopt;
        }
        item.transparent = description.transparent ? 1 : 0;
        return item;
    }

    std::optional<ProjectItem> menuBarItem(const ProjectItemDescription& description, ProjectItem& item,
                                           const std::vector<uint8_t>& menuBar)
    {
        if (descriptions_.menuBar.empty()) {
            report(diagnostics_, description.where,
                   "the project lists the menu bar, but no [menu] section describes one");
            return std::nullopt;
        }
        item.bytes = menuBar;
        return item;
    }

    std::optional<ProjectItem> settingsItem(const ProjectItemDescription& description, ProjectItem& item)
    {
        if (!descriptions_.settings) {
            report(diagnostics_, description.where,
                   "the project lists the settings, but there is no [settings] section");
            return std::nullopt;
        }
        item.bytes = encodeSettings(*descriptions_.settings);
        return item;
    }

    const Descriptions& descriptions_;
    const ClassCatalog& catalog_;
    const ClassTable& classes_;
    tools::Diagnostics& diagnostics_;
    std::map<std::string, int> listed_;
};

// A menu bar or settings that are described but not listed would silently be left out.
void checkListed(const Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    const auto listed = [&](ProjectItemKind kind) {
        return std::any_of(descriptions.items.begin(), descriptions.items.end(),
                           [&](const ProjectItemDescription& item) { return item.kind == kind; });
    };
    if (!descriptions.menuBar.empty() && !listed(ProjectItemKind::MenuBar)) {
        report(diagnostics, descriptions.menuBar.front().where,
               "the menu bar is not listed in [project]: add a line menubar");
    }
    if (descriptions.settings && !listed(ProjectItemKind::Settings)) {
        report(diagnostics, descriptions.settings->where,
               "the settings are not listed in [project]: add a line settings");
    }
}

} // namespace

std::vector<ProjectItem> buildProjectItems(const Descriptions& descriptions, const ClassCatalog& catalog,
                                           const ClassTable& classes, const std::vector<uint8_t>& menuBarStream,
                                           tools::Diagnostics& diagnostics)
{
    checkListed(descriptions, diagnostics);
    ItemBuilder builder(descriptions, catalog, classes, diagnostics);
    std::vector<ProjectItem> items;
    for (const ProjectItemDescription& description : descriptions.items) {
        if (std::optional<ProjectItem> item = builder.build(description, menuBarStream))
            items.push_back(std::move(*item));
    }
    return items;
}

std::vector<GlobalVariable> collectGlobals(const Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    std::vector<GlobalVariable> globals;
    std::map<std::string, std::string> owners;
    const auto add = [&](const ClassDescription& owner) {
        if (owner.global.empty())
            return;
        const auto [first, inserted] = owners.emplace(owner.global, owner.name);
        if (!inserted) {
            return report(diagnostics, owner.where,
                          "the global variable " + owner.global + " already belongs to " + first->second);
        }
        globals.push_back({owner.global, owner.structName});
    };
    for (const ClassDescription& description : descriptions.classes) {
        if (!description.global.empty() && !isModule(descriptions, description.name)) {
            report(diagnostics, description.where,
                   "nothing fills the global variable of " + description.name + ": list it in [project] as module " +
                       description.name);
        }
        add(description);
    }
    for (const WindowDescription& window : descriptions.windows)
        add(window.windowClass);
    return globals;
}

} // namespace resgen

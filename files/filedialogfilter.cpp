// The filter of the open and save dialogs, made from the file types a program names.
#include "files/filedialogfilter.h"

#include "image/projectsettings.h"
#include "runtime/strings/identifier.h"

#include <string>

namespace {

// Calls `visit` with every non-empty part of `text` between the separators.
template <class Visit> void forEachPart(std::string_view text, char separator, Visit visit)
{
    while (!text.empty()) {
        size_t end = text.find(separator);
        std::string_view part = text.substr(0, end);
        if (!part.empty())
            visit(part);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

// "txt;.csv;*.log" as "*.txt;*.csv;*.log".
std::string patternsOf(std::string_view extensions)
{
    std::string patterns;
    forEachPart(extensions, ';', [&](std::string_view extension) {
        if (!patterns.empty())
            patterns += ';';
        if (extension.find('*') == std::string_view::npos)
            patterns += extension.starts_with('.') ? "*" : "*.";
        patterns += extension;
    });
    return patterns.empty() ? "*.*" : patterns;
}

void addRow(std::string& filter, std::string_view description, std::string_view patterns)
{
    filter.append(description).append(1, '\0').append(patterns).append(1, '\0');
}

} // namespace

std::string fileDialogFilter(std::string_view fileTypes)
{
    std::string filter;
    forEachPart(fileTypes, ';', [&](std::string_view wanted) {
        for (const FileType& type : settingsFileTypes()) {
            if (identifierEquals(type.name, wanted))
                addRow(filter, wanted, patternsOf(identifierName(type.extensions)));
        }
    });
    if (filter.empty())
        addRow(filter, "*.*", "*.*");
    return filter.append(1, '\0');
}

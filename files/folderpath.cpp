// Paths as folder items read them: volume, folder part and name, parents, joins and children.
#include "files/folderpath.h"

#include <windows.h>

namespace {

// Calls `visit(index, byte)` for the first byte of every character; a lead byte that ends the
// path is taken as a character of its own.
template <class Visit> void forEachCharacter(std::string_view path, Visit visit)
{
    for (size_t i = 0; i < path.size(); ++i) {
        visit(i, path[i]);
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size())
            ++i;
    }
}

size_t lastSeparator(std::string_view path)
{
    size_t found = std::string_view::npos;
    forEachCharacter(path, [&](size_t i, char c) {
        if (c == '\\')
            found = i;
    });
    return found;
}

size_t volumeLength(std::string_view path)
{
    if (path.starts_with("\\\\")) {
        size_t serverEnd = path.find('\\', 2); // a server name is ASCII
        return serverEnd == std::string_view::npos ? path.size() : serverEnd;
    }
    size_t colon = std::string_view::npos;
    forEachCharacter(path, [&](size_t i, char c) {
        if (c == ':' && colon == std::string_view::npos)
            colon = i;
    });
    return colon == std::string_view::npos ? 0 : colon + 1;
}

} // namespace

PathParts pathSplit(std::string_view path)
{
    size_t volumeEnd = volumeLength(path);
    size_t separator = lastSeparator(path);
    size_t nameStart = separator == std::string_view::npos || separator < volumeEnd ? volumeEnd : separator + 1;
    return {path.substr(0, volumeEnd), path.substr(volumeEnd, nameStart - volumeEnd), path.substr(nameStart)};
}

bool pathEndsWithSeparator(std::string_view path)
{
    return !path.empty() && lastSeparator(path) == path.size() - 1;
}

std::string_view pathWithoutTrailingSeparator(std::string_view path)
{
    while (path.size() > 1 && pathEndsWithSeparator(path))
        path.remove_suffix(1);
    return path;
}

std::string pathParent(std::string_view path)
{
    PathParts parts = pathSplit(path);
    std::string_view folder = parts.folder;
    if (!folder.empty() && pathEndsWithSeparator(folder))
        folder.remove_suffix(1);
    return std::string(parts.volume) + std::string(folder);
}

std::string pathJoin(std::string_view base, std::string_view path)
{
    if (volumeLength(path) > 0)
        return std::string(path);
    if (path.starts_with('\\'))
        return std::string(pathSplit(base).volume) + std::string(path);
    return pathChild(base, path);
}

std::string pathChild(std::string_view folder, std::string_view name)
{
    std::string child(folder);
    if (!pathEndsWithSeparator(folder))
        child += '\\';
    return child += name;
}

bool pathNameLeavesFolder(std::string_view name)
{
    bool leaves = false;
    forEachCharacter(name, [&](size_t, char c) { leaves |= c == '\\' || c == '/' || c == ':'; });
    return leaves;
}

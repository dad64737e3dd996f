// Paths as folder items read them: volume, folder part and name, parents, joins and children.
#pragma once

#include <string>
#include <string_view>

// A path is bytes in the system's code page. A separator is a `\` that is not the second byte
// of a double-byte character, so a name such as "表" (0x95 0x5C) never splits.

// The volume is everything up to and including the first `:`, or a leading `\\server`; the
// name is what follows the last separator (after the volume when there is none); the folder
// part lies between.
struct PathParts {
    std::string_view volume;
    std::string_view folder;
    std::string_view name;
};
PathParts pathSplit(std::string_view path);

bool pathEndsWithSeparator(std::string_view path);
// The path without its trailing separators; a path that is nothing else keeps one byte.
std::string_view pathWithoutTrailingSeparator(std::string_view path);
// Volume plus folder part, without the trailing separator.
std::string pathParent(std::string_view path);
// `path` read from `base`: kept whole when it has a volume, on base's volume when it starts
// with a separator, inside base otherwise.
std::string pathJoin(std::string_view base, std::string_view path);
// `name` inside `folder`, with one separator between them.
std::string pathChild(std::string_view folder, std::string_view name);
// Whether a name holds a separator or a `:`, so that it would reach outside its folder.
bool pathNameLeavesFolder(std::string_view name);

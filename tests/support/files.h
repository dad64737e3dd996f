// Whole files and folders for fixtures.
#pragma once

#include <string>

// The full path of a file or folder given relative to the current folder.
std::string fullPath(const std::string& relative);
bool readWholeFile(const std::string& path, std::string& bytes);
bool writeWholeFile(const std::string& path, const std::string& bytes);
// Makes an empty folder (removing what was there) and returns its path.
std::string freshFolder(const std::string& path);

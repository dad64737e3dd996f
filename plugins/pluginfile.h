// A plug-in library's file: written to the user's own plug-in folder, one sub-folder per
// content, and checked against the image's bytes before it is loaded.
#pragma once

#include "plugins/pluginlist.h"

#include <windows.h>

#include <string>

// The folder every plug-in of this user goes below (created on demand); empty when the
// local application data folder is unknown.
std::wstring pluginRootFolder();
// The library's full path: root, a folder named by the hash of its bytes, its name.
std::wstring pluginFilePath(const EmbeddedPlugin& plugin);

// Holds the checked file open, refusing other writers, until the library is loaded from it.
class PluginFileLock {
public:
    PluginFileLock() = default;
    ~PluginFileLock();
    PluginFileLock(const PluginFileLock&) = delete;
    PluginFileLock& operator=(const PluginFileLock&) = delete;

    // Makes the file at `path` hold exactly the library's bytes (rewriting it when it differs)
    // and keeps it locked. False with `problem` set when that cannot be done.
    bool settle(const std::wstring& path, const EmbeddedPlugin& plugin, std::string& problem);

private:
    HANDLE file = INVALID_HANDLE_VALUE;
};

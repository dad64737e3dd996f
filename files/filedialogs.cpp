// The system's open and save dialogs, each giving the chosen file as a folder item.
#include "base/hostmessage.h"
#include "files/filedialogfilter.h"
#include "files/filesexports.h"
#include "files/folderitem.h"
#include "runtime/strings/identifier.h"

#include <windows.h>

#include <commdlg.h>

#include <string>

namespace {

constexpr size_t pathBuffer = 256;

// Runs one dialog; Nil when it is cancelled or the chosen path does not fit the buffer.
ObjectHeader* chosenItem(BOOL(WINAPI* dialog)(LPOPENFILENAMEA), StringRecord* filter, std::string_view defaultName,
                         DWORD flags)
{
    std::string filterText = fileDialogFilter(identifierName(filter));
    char path[pathBuffer] = {};
    if (defaultName.size() < pathBuffer)
        defaultName.copy(path, defaultName.size());
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = hostDialogOwner();
    request.lpstrFilter = filterText.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = pathBuffer;
    request.Flags = flags | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (!dialog(&request))
        return nullptr;
    return folderItemWithText(path);
}

} // namespace

extern "C" ObjectHeader* RuntimeGetOpenFolderItem(StringRecord* filter)
{
    return chosenItem(GetOpenFileNameA, filter, {}, OFN_FILEMUSTEXIST);
}

extern "C" ObjectHeader* RuntimeGetSaveFolderItem(StringRecord* filter, StringRecord* defaultName)
{
    return chosenItem(GetSaveFileNameA, filter, identifierName(defaultName), OFN_OVERWRITEPROMPT);
}

// The folders the program keeps its files in: its own folder, and its folder among the user's
// application data.
#include "app/appfolders.h"

namespace {
STRING_CONSTANT(programName, "手形・小切手");
} // namespace

OwnedObject programFolder()
{
    return OwnedObject(RuntimeGetFolderItem(nullptr));
}

OwnedObject userDataFolder()
{
    OwnedObject data(getUserAppDataFolder());
    if (!data)
        return data;
    OwnedObject own(FolderChild(data.get(), &programName.record));
    if (!fileDirectoryGetter(own.get(), 0) && !FolderItemCreateAsFolder(own.get()))
        return OwnedObject();
    return own;
}

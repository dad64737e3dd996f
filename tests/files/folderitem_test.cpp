// Folder items report their path without a trailing separator; one without a path stands for
// the folder that holds the program.
#include "files/folderitem.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/string.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

namespace {

std::string textOf(StringRecord* owned)
{
    StringRef text(owned);
    return std::string(stringText(text.get()), stringLength(text.get()));
}

std::string programFolder()
{
    char path[MAX_PATH];
    std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return program.substr(0, program.rfind('\\'));
}

TEST(FolderItems, TheAbsolutePathIsThePathWithoutATrailingSeparator)
{
    builtinClassesEnsure();
    struct Case {
        const char* path;
        std::string reported;
    } cases[] = {
        {"C:\\Notes\\settings.txt", "C:\\Notes\\settings.txt"},
        {"C:\\Notes\\", "C:\\Notes"},
        {"C:\\", "C:"},
        {"first document", "first document"},
        {"\\\\server\\share\\", "\\\\server\\share"},
    };
    for (const Case& c : cases) {
        StringRef path(stringFromText(c.path));
        ObjectRef item(folderItemWithPath(path.get()));
        EXPECT_EQ(textOf(fileAbsolutePathGetter(item.get(), 0)), c.reported) << c.path;
    }
    EXPECT_EQ(fileAbsolutePathGetter(nullptr, 0), nullptr);
}

TEST(FolderItems, AnItemWithoutAPathStandsForTheProgramsFolder)
{
    builtinClassesEnsure();
    ObjectRef item(objectInstantiate(builtinClass(BuiltinClassId::FolderItem)));
    EXPECT_EQ(textOf(fileAbsolutePathGetter(item.get(), 0)), programFolder());
    EXPECT_EQ(textOf(RuntimeLockString(folderItemPath(item.get()))), programFolder()) << "worked out once and kept";
}

} // namespace

// The installed font faces as the program offers them: each face once, no vertical forms,
// Japanese faces first and each group in name order, and the faces a printer can be given.
#include "graphics/fontlist.h"
#include "runtime/strings/string.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

int CALLBACK noteJapanese(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM context)
{
    reinterpret_cast<std::set<std::string>*>(context)->insert(font->lfFaceName);
    return 1;
}

// The faces the system lists for the Shift-JIS character set, asked independently.
std::set<std::string> japaneseFaces()
{
    std::set<std::string> faces;
    HDC screen = GetDC(nullptr);
    LOGFONTA japanese{};
    japanese.lfCharSet = SHIFTJIS_CHARSET;
    EnumFontFamiliesExA(screen, &japanese, noteJapanese, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);
    return faces;
}

std::vector<std::string> listedFaces()
{
    std::vector<std::string> names;
    for (int32_t i = 0; i < RuntimeFontCount(); ++i) {
        StringRecord* name = RuntimeFontName(i);
        names.emplace_back(stringText(name), static_cast<size_t>(stringLength(name)));
        RuntimeUnlockString(name);
    }
    return names;
}

TEST(FontList, HoldsEachFaceOnceWithTheJapaneseFacesFirst)
{
    const std::vector<std::string> names = listedFaces();
    const std::set<std::string> japanese = japaneseFaces();
    ASSERT_FALSE(japanese.empty()) << "the test machine has Japanese fonts";
    ASSERT_GT(names.size(), japanese.size());
    std::set<std::string> seen;
    bool pastJapanese = false;
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        EXPECT_TRUE(seen.insert(name).second) << name << " is listed twice";
        EXPECT_NE(name.front(), '@') << name;
        bool isJapanese = japanese.count(name) > 0;
        EXPECT_FALSE(pastJapanese && isJapanese) << name << " comes after a face without Japanese";
        pastJapanese |= !isJapanese;
        if (i > 0 && (japanese.count(names[i - 1]) > 0) == isJapanese) {
            EXPECT_NE(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, names[i - 1].c_str(), -1, name.c_str(), -1),
                      CSTR_GREATER_THAN)
                << names[i - 1] << " before " << name;
        }
    }
}

TEST(FontList, NamesOutsideTheListAreNilAndInstalledFacesAreKnown)
{
    EXPECT_EQ(RuntimeFontName(-1), nullptr);
    EXPECT_EQ(RuntimeFontName(RuntimeFontCount()), nullptr);
    StringRecord* first = RuntimeFontName(0);
    std::string lower(stringText(first), static_cast<size_t>(stringLength(first)));
    CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
    const struct {
        std::string name;
        bool installed;
    } cases[] = {{stringText(first), true}, {lower, true}, {"No Such Face Anywhere", false}, {"", false}};
    for (const auto& c : cases) {
        StringRecord* name = stringFromView(c.name);
        EXPECT_EQ(RuntimeFontInstalled(name) != 0, c.installed) << "\"" << c.name << "\"";
        RuntimeUnlockString(name);
    }
    RuntimeUnlockString(first);
}

} // namespace

// The font faces installed on the system, as the program offers them for printing: each face
// once, faces with Japanese characters first, each group in name order.
#include "graphics/fontlist.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

struct Face {
    std::string name;
    bool japanese;
};

// Faces by name (folded to upper case for the lookup), with whether any of their character
// sets is Shift-JIS.
using FaceMap = std::map<std::string, Face>;

std::string folded(std::string name)
{
    CharUpperBuffA(name.data(), static_cast<DWORD>(name.size()));
    return name;
}

// One call per face and character set. Faces whose name starts with "@" are the vertical
// forms of another face; they are not offered.
int CALLBACK noteFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM context)
{
    auto& faces = *reinterpret_cast<FaceMap*>(context);
    std::string name = font->lfFaceName;
    if (name.empty() || name.front() == '@')
        return 1;
    Face& face = faces.try_emplace(folded(name), Face{name, false}).first->second;
    face.japanese |= font->lfCharSet == SHIFTJIS_CHARSET;
    return 1;
}

bool comesBefore(const Face& a, const Face& b)
{
    if (a.japanese != b.japanese)
        return a.japanese;
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.name.c_str(), -1, b.name.c_str(), -1) ==
           CSTR_LESS_THAN;
}

std::vector<Face> listFaces()
{
    FaceMap faces;
    HDC screen = GetDC(nullptr);
    LOGFONTA every{};
    every.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(screen, &every, noteFace, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);
    std::vector<Face> list;
    for (auto& [key, face] : faces)
        list.push_back(face);
    std::sort(list.begin(), list.end(), comesBefore);
    return list;
}

const std::vector<Face>& installedFaces()
{
    static const std::vector<Face> faces = listFaces();
    return faces;
}

} // namespace

extern "C" int32_t RuntimeFontCount()
{
    return static_cast<int32_t>(installedFaces().size());
}

extern "C" StringRecord* RuntimeFontName(int32_t index)
{
    const std::vector<Face>& faces = installedFaces();
    if (index < 0 || static_cast<size_t>(index) >= faces.size())
        return nullptr;
    return stringFromView(faces[static_cast<size_t>(index)].name);
}

extern "C" int32_t RuntimeFontInstalled(StringRecord* name)
{
    std::string wanted = folded(std::string(stringText(name), static_cast<size_t>(stringLength(name))));
    const std::vector<Face>& faces = installedFaces();
    return std::any_of(faces.begin(), faces.end(), [&](const Face& face) { return folded(face.name) == wanted; });
}

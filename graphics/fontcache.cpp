// Fonts shared by description: name, size, bold, italic, underline; one Win32 font per description.
#include "graphics/fontcache.h"

#include "image/projectsettings.h"

#include <cstring>
#include <string>

namespace {

struct FaceMapping {
    const char* requested;
    const char* face;
};

const FaceMapping faceMappings[] = {
    {"System", "MS Sans Serif"}, {"Application", "MS Sans Serif"}, {"Geneva", "MS Sans Serif"},
    {"Courier", "Courier New"},  {"Times", "Times New Roman"},     {"Helvetica", "Arial"},
    {"Osaka", "MS UI Gothic"},
};

struct CachedFont {
    CachedFont* next;
    int32_t count;
    std::string name;
    bool bold;
    bool italic;
    bool underline;
    int32_t size;
    HFONT handle;
};

CachedFont* cache;

HFONT makeFont(const char* name, int32_t size, bool bold, bool italic, bool underline)
{
    return CreateFontA(-size, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline, FALSE, fontCharacterSet(),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       fontFaceName(name));
}

} // namespace

const char* fontFaceName(const char* requestedName)
{
    for (const FaceMapping& mapping : faceMappings) {
        if (strcmp(mapping.requested, requestedName) == 0)
            return mapping.face;
    }
    return requestedName;
}

BYTE fontCharacterSet()
{
    return static_cast<BYTE>(settingsCharset());
}

HFONT fontAcquire(const char* name, int32_t size, bool bold, bool italic, bool underline)
{
    for (CachedFont* font = cache; font; font = font->next) {
        if (font->name == name && font->bold == bold && font->italic == italic && font->underline == underline &&
            font->size == size) {
            ++font->count;
            return font->handle;
        }
    }
    HFONT handle = makeFont(name, size, bold, italic, underline);
    if (!handle)
        return nullptr;
    cache = new CachedFont{cache, 1, name, bold, italic, underline, size, handle};
    return handle;
}

void fontRelease(HFONT handle)
{
    for (CachedFont** link = &cache; *link; link = &(*link)->next) {
        CachedFont* font = *link;
        if (font->handle != handle)
            continue;
        if (--font->count == 0) {
            *link = font->next;
            DeleteObject(font->handle);
            delete font;
        }
        return;
    }
}

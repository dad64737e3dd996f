// Fonts shared by description: name, size, bold, italic, underline; one Win32 font per description.
#pragma once

#include <windows.h>

#include <cstdint>

// The Win32 face name for a requested name ("Helvetica" is "Arial"; exact, case-sensitive).
const char* fontFaceName(const char* requestedName);

// The character set of every font made, from the application's language code.
BYTE fontCharacterSet();

// A font of that description, shared with every other holder of the same description; each
// acquire is matched by one release, and the last release deletes the font. A size of 0 asks
// for the system's default height.
HFONT fontAcquire(const char* name, int32_t size, bool bold, bool italic, bool underline);
void fontRelease(HFONT font);

// A font of the cache held for as long as this lives; the stock GUI font stands in for a
// description the cache could not make.
class HeldFont {
public:
    explicit HeldFont(HFONT acquired) : font(acquired) {}
    ~HeldFont()
    {
        if (font)
            fontRelease(font);
    }
    HeldFont(const HeldFont&) = delete;
    HeldFont& operator=(const HeldFont&) = delete;
    HGDIOBJ get() const { return font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT); }

private:
    HFONT font;
};

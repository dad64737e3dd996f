// Names as the runtime compares them: class, key, event and item names match without regard
// to ASCII case.
#include "resgen/names.h"

namespace resgen {

namespace {

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i]))
            return false;
    }
    return true;
}

std::string foldedName(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded)
        c = upper(c);
    return folded;
}

} // namespace resgen

// Fields of a string: the texts between occurrences of a separator, found without regard to case.
#include "runtime/strings/string.h"
#include "runtime/strings/stringsearch.h"

extern "C" int32_t StringCountFields(StringRecord* s, StringRecord* separator)
{
    if (!s)
        return 0;
    if (!separator)
        return 1;
    CaselessSearch search(s, separator);
    int32_t fields = 1;
    for (int32_t at = search.next(0); at >= 0; at = search.next(at + separator->length))
        ++fields;
    return fields;
}

extern "C" StringRecord* StringNthField(StringRecord* s, StringRecord* separator, int32_t k)
{
    if (!s || !separator || k <= 0)
        return nullptr;
    CaselessSearch search(s, separator);
    int32_t fieldStart = 0;
    for (int32_t field = 1; field < k; ++field) {
        int32_t at = search.next(fieldStart);
        if (at < 0)
            return nullptr;
        fieldStart = at + separator->length;
    }
    int32_t fieldEnd = search.next(fieldStart);
    if (fieldEnd < 0)
        fieldEnd = s->length;
    return stringMiddlePart(s, fieldStart, fieldEnd - fieldStart);
}

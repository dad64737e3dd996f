// NumModule: the figures of an amount grouped by commas in threes from the right.
#include "app/amountlines.h"

namespace {
STRING_CONSTANT(comma, ",");
}

extern "C" StringRecord* NumChange(ObjectHeader*, StringRecord* text)
{
    int count = StringDBCSLen(text);
    OwnedText grouped(RuntimeLockString(text));
    for (int groups = count / 3; groups != 0; --groups) {
        int tail = 3 * groups;
        OwnedText left(StringDBCSLeft(grouped.get(), StringDBCSLen(grouped.get()) - tail));
        OwnedText right(StringDBCSRight(grouped.get(), tail));
        grouped = joined(left.get(), &comma.record, right.get());
        RuntimeBackgroundTask();
    }
    // A count that is a multiple of three put a comma before the first group.
    if (count % 3 == 0 && count != 0)
        grouped = OwnedText(StringDBCSRight(grouped.get(), StringDBCSLen(grouped.get()) - 1));
    return RuntimeLockString(grouped.get());
}

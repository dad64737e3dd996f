// An image stream read record by record, its faults reported with the place being read, the
// byte offset the reading has reached and what is wrong.
#include "image/checkedstream.h"

bool CheckedStream::intact()
{
    return !failed() || fail("the stream ends inside the record");
}

bool CheckedStream::count(int32_t& value, uint32_t smallestItem)
{
    value = readNumber();
    return intact() && countFits(value, smallestItem);
}

bool CheckedStream::countFits(int32_t value, uint32_t smallestItem)
{
    if (value < 0)
        return fail("negative count %d", value);
    if (static_cast<uint64_t>(value) * smallestItem > remaining())
        return fail("count %d does not fit in the %u bytes left", value, remaining());
    return true;
}

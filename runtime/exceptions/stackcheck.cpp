// The stack check compiled code makes on entry to its routines.
#include "runtime/exceptions/exceptions.h"

namespace {
constexpr uintptr_t stackAllowance = 0xE0000;
uintptr_t stackLimit; // 0 until set: nothing is ever below it
} // namespace

void stackCheckSetLimitFromHere()
{
    stackLimit = reinterpret_cast<uintptr_t>(__builtin_frame_address(0)) - stackAllowance;
}

extern "C" void RuntimeStackCheck()
{
    if (reinterpret_cast<uintptr_t>(__builtin_frame_address(0)) < stackLimit)
        raiseBuiltinException(BuiltinException::StackOverflow);
}

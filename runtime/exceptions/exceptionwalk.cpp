// Raising: the walk up the frame-pointer chain of compiled code, releasing what abandoned
// frames hold and entering the first catch entry that matches.
#include "base/assertion.h"
#include "base/hostmessage.h"
#include "base/shutdown.h"
#include "runtime/exceptions/exceptions.h"
#include "runtime/exceptions/exceptiontables.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr uint32_t farthestFrameDistance = 4096;
constexpr uint32_t longestFunctionScan = 1 << 20;
constexpr uint32_t longestFunctionTable = 1 << 16;

StringRecord* const* messageTable;
int32_t messageCount;

// How many bytes from `address` on can be read, up to `limit`.
uint32_t readableLength(uintptr_t address, uint32_t limit)
{
    MEMORY_BASIC_INFORMATION region;
    uint32_t length = 0;
    while (length < limit && VirtualQuery(reinterpret_cast<void*>(address + length), &region, sizeof region) &&
           region.State == MEM_COMMIT && (region.Protect & (PAGE_NOACCESS | PAGE_GUARD)) == 0) {
        uintptr_t left = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize - (address + length);
        length += left < limit - length ? static_cast<uint32_t>(left) : limit - length;
    }
    return length;
}

bool readable(uintptr_t address, uint32_t size)
{
    return readableLength(address, size) == size;
}

// The bytes of a table that the walk may read: readable, and no more than the table can hold.
struct TableBytes {
    const uint8_t* next;
    const uint8_t* end;

    TableBytes(const uint8_t* start, uint32_t longest)
        : next(start), end(start + readableLength(reinterpret_cast<uintptr_t>(start), longest))
    {}
    bool holds(uint32_t count) const { return static_cast<uint32_t>(end - next) >= count; }
};

uint32_t wordAt(uintptr_t address)
{
    uint32_t value;
    memcpy(&value, reinterpret_cast<const void*>(address), 4);
    return value;
}

int32_t bigEndian16(const uint8_t* p)
{
    return static_cast<int16_t>(p[0] << 8 | p[1]);
}

int32_t bigEndian32(const uint8_t* p)
{
    return static_cast<int32_t>(uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]);
}

void releaseSlot(uintptr_t slot, bool isString)
{
    if (!readable(slot, 4))
        return;
    void* held = reinterpret_cast<void*>(wordAt(slot));
    memset(reinterpret_cast<void*>(slot), 0, 4);
    if (isString)
        RuntimeUnlockString(static_cast<StringRecord*>(held));
    else
        RuntimeUnlockObject(static_cast<ObjectHeader*>(held));
}

// The units of the call-site table after the call that returns to `returnAddress`: from after
// the lead to where its short jump lands, which is the most the table can hold.
bool callSiteUnits(const uint8_t* returnAddress, const uint8_t*& units, uint32_t& length)
{
    if (!readable(reinterpret_cast<uintptr_t>(returnAddress), 3) || returnAddress[0] != callSiteJump ||
        returnAddress[2] != callSiteLead)
        return false;
    auto distance = static_cast<int8_t>(returnAddress[1]);
    if (distance < 1)
        return false;
    units = returnAddress + 3;
    length = static_cast<uint32_t>(distance - 1);
    return true;
}

// Reads the units, releasing the owned arguments of the call; returns the first byte after the
// table (its end unit, or where its jump lands) and whether the site lies inside a catch handler.
const uint8_t* readCallSiteTable(TableBytes units, uintptr_t firstArgument, bool& insideHandler)
{
    for (; units.holds(2); units.next += 2) {
        auto op = static_cast<CallSiteOp>(units.next[1]);
        if (op == CallSiteOp::end)
            return units.next + 2;
        if ((op == CallSiteOp::ownedString || op == CallSiteOp::ownedObject) && units.holds(4)) {
            units.next += 2;
            releaseSlot(firstArgument + units.next[1], op == CallSiteOp::ownedString);
        } else if (op == CallSiteOp::insideHandler) {
            insideHandler = true;
        } else {
            assertFailed(assertCategoryRuntime, assertInconsistent, "win32exception", __LINE__);
        }
    }
    return units.end;
}

const uint8_t* findFunctionTable(const uint8_t* from)
{
    TableBytes code(from, longestFunctionScan + 2);
    for (; code.holds(3); ++code.next) {
        if (code.next[0] == leaveInstruction && code.next[1] == returnInstruction &&
            code.next[2] == functionTableMarker)
            return code.next + 3;
    }
    return nullptr;
}

[[noreturn]] void enterHandler(uintptr_t frame, uintptr_t handler)
{
    asm volatile("movl %%eax, %%ebp\n\tjmp *%%ecx" : : "a"(frame), "c"(handler) : "memory");
    __builtin_unreachable();
}

// Runs the function table of the frame at `frame`: releases its locals, or enters a handler.
void runFunctionTable(const uint8_t* start, uintptr_t frame, bool insideHandler, ObjectHeader* exception)
{
    for (TableBytes entries(start, longestFunctionTable); entries.holds(1);) {
        auto op = static_cast<FunctionTableOp>(*entries.next++);
        if (op == FunctionTableOp::end)
            break;
        if (op == FunctionTableOp::catchEntry && entries.holds(6)) {
            int32_t classIndex = bigEndian16(entries.next);
            const uint8_t* distanceField = entries.next + 2;
            entries.next += 6;
            if (!insideHandler && RuntimeObjectIsa(exception, classIndex)) {
                memcpy(reinterpret_cast<void*>(frame - 4), &exception, 4);
                enterHandler(frame, reinterpret_cast<uintptr_t>(distanceField) + bigEndian32(distanceField));
            }
        } else if ((op == FunctionTableOp::stringLocal || op == FunctionTableOp::objectLocal) && entries.holds(2)) {
            releaseSlot(frame + bigEndian16(entries.next), op == FunctionTableOp::stringLocal);
            entries.next += 2;
        }
    }
    memset(reinterpret_cast<void*>(frame - 4), 0, 4);
}

// One step of the walk: the frame `frame` was called from `returnAddress`. Nothing is done
// when the frame's caller is not compiled application code with readable tables.
void unwindCaller(uintptr_t frame, uintptr_t callerFrame, const uint8_t* returnAddress, ObjectHeader* exception)
{
    const uint8_t* units;
    uint32_t length;
    if (!callSiteUnits(returnAddress, units, length))
        return;
    bool insideHandler = false;
    const uint8_t* after = readCallSiteTable(TableBytes(units, length), frame + 8, insideHandler);
    const uint8_t* functionTable = findFunctionTable(after);
    if (functionTable && readable(callerFrame - 4, 4))
        runFunctionTable(functionTable, callerFrame, insideHandler, exception);
}

void walk(uintptr_t frame, ObjectHeader* exception)
{
    while (frame != 0 && readable(frame, 12)) {
        uintptr_t callerFrame = wordAt(frame);
        uintptr_t returnAddress = wordAt(frame + 4);
        if (!readable(returnAddress, 4))
            return;
        // Each caller's frame lies higher on the stack: a link to the same frame or below it was
        // not made by a call, and the walk ends there with the exception uncaught.
        if (callerFrame <= frame)
            return;
        unwindCaller(frame, callerFrame, reinterpret_cast<const uint8_t*>(returnAddress), exception);
        if (callerFrame - frame > farthestFrameDistance)
            return;
        frame = callerFrame;
    }
}

StringRecord* uncaughtReport(ObjectHeader* exception)
{
    StringRef name(RuntimeLockString(objectClassName(exception)));
    StringRecord* message = messageCount > uncaughtExceptionMessage ? messageTable[uncaughtExceptionMessage] : nullptr;
    // An image without the message would show an empty box: say what happened instead.
    StringRef fallback(
        message ? nullptr
                : stringFromText("An exception of class %1 was not handled.\rThe application will now quit."));
    StringRef placeholder(stringFromText("%1"));
    return stringReplaceAll(message ? message : fallback.get(), placeholder.get(), name.get());
}

void uncaught(ObjectHeader* exception)
{
    bool ending = exception->cls == exceptionClass(BuiltinException::End);
    if (!ending) {
        StringRef report(uncaughtReport(exception));
        hostShowMessage(stringText(report.get()));
    }
    if (shutdownSteps().closeAllWindows)
        shutdownSteps().closeAllWindows();
    if (!ending)
        ExitProcess(0);
}

} // namespace

void exceptionSetMessages(StringRecord* const* messages, int32_t count)
{
    messageTable = messages;
    messageCount = count;
}

// `adopted`: the caller hands its own reference to the raise (runtime-made exceptions);
// otherwise the raise takes one of its own, the one a handler receives.
__attribute__((noinline)) void raiseFromFrame(uintptr_t frame, ObjectHeader* exception, bool adopted)
{
    if (!exception) {
        exception = objectInstantiate(exceptionClass(BuiltinException::NilObject));
        adopted = true;
    }
    if (!adopted)
        RuntimeLockObject(exception);
    walk(frame, exception);
    uncaught(exception);
    RuntimeUnlockObject(exception); // only an uncaught EndException comes back here
}

extern "C" void RuntimeRaiseException(ObjectHeader* exception)
{
    raiseFromFrame(reinterpret_cast<uintptr_t>(__builtin_frame_address(0)), exception, false);
}

extern "C" void RuntimeReraiseException(ObjectHeader* exception)
{
    raiseFromFrame(reinterpret_cast<uintptr_t>(__builtin_frame_address(0)), exception, false);
}

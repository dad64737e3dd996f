// Raising: the walk up the frame-pointer chain of compiled code, releasing what abandoned
// frames hold and entering the first catch entry that matches.
#include "host/base/assertion.h"
#include "host/base/hostmessage.h"
#include "host/base/shutdown.h"
#include "runtime/exceptions/exceptions.h"
#include "runtime/exceptions/exceptiontables.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr uint32_t farthestFrameDistance = 4096;
constexpr uint32_t longestFunctionScan = 1 << 20;

StringRecord* const* messageTable;
int32_t messageCount;

bool readable(uintptr_t address, uint32_t size)
{
    MEMORY_BASIC_INFORMATION region;
    while (size > 0) {
        if (!VirtualQuery(reinterpret_cast<void*>(address), &region, sizeof region) || region.State != MEM_COMMIT ||
            (region.Protect & (PAGE_NOACCESS | PAGE_GUARD)) != 0)
            return false;
        uintptr_t regionEnd = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize;
        uint32_t covered = regionEnd - address < size ? static_cast<uint32_t>(regionEnd - address) : size;
        address += covered;
        size -= covered;
    }
    return true;
}

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
    void* held = reinterpret_cast<void*>(wordAt(slot));
    memset(reinterpret_cast<void*>(slot), 0, 4);
    if (isString)
        RuntimeUnlockString(static_cast<StringRecord*>(held));
    else
        RuntimeUnlockObject(static_cast<ObjectHeader*>(held));
}

// Reads the units of the call-site table at `units` (after its jump and lead), releasing the
// owned arguments of the call; returns the first byte after the table and whether the
// site lies inside a catch handler.
const uint8_t* readCallSiteTable(const uint8_t* units, uintptr_t firstArgument, bool& insideHandler)
{
    for (;; units += 2) {
        auto op = static_cast<CallSiteOp>(units[1]);
        if (op == CallSiteOp::end)
            return units + 2;
        if (op == CallSiteOp::ownedString || op == CallSiteOp::ownedObject) {
            units += 2;
            releaseSlot(firstArgument + units[1], op == CallSiteOp::ownedString);
        } else if (op == CallSiteOp::insideHandler) {
            insideHandler = true;
        } else {
            assertFailed(assertCategoryRuntime, assertInconsistent, "win32exception", __LINE__);
        }
    }
}

const uint8_t* findFunctionTable(const uint8_t* from)
{
    for (uint32_t scanned = 0; scanned < longestFunctionScan; ++scanned, ++from) {
        if ((reinterpret_cast<uintptr_t>(from) & 0xFFF) == 0 && !readable(reinterpret_cast<uintptr_t>(from), 3))
            return nullptr;
        if (from[0] == leaveInstruction && from[1] == returnInstruction && from[2] == functionTableMarker)
            return from + 3;
    }
    return nullptr;
}

[[noreturn]] void enterHandler(uintptr_t frame, uintptr_t handler)
{
    asm volatile("movl %%eax, %%ebp\n\tjmp *%%ecx" : : "a"(frame), "c"(handler) : "memory");
    __builtin_unreachable();
}

// Runs the function table of the frame at `frame`: releases its locals, or enters a handler.
void runFunctionTable(const uint8_t* entry, uintptr_t frame, bool insideHandler, ObjectHeader* exception)
{
    for (;;) {
        auto op = static_cast<FunctionTableOp>(*entry++);
        if (op == FunctionTableOp::end)
            break;
        if (op == FunctionTableOp::catchEntry) {
            int32_t classIndex = bigEndian16(entry);
            const uint8_t* distanceField = entry + 2;
            entry += 6;
            if (!insideHandler && RuntimeObjectIsa(exception, classIndex)) {
                memcpy(reinterpret_cast<void*>(frame - 4), &exception, 4);
                enterHandler(frame, reinterpret_cast<uintptr_t>(distanceField) + bigEndian32(distanceField));
            }
        } else if (op == FunctionTableOp::stringLocal || op == FunctionTableOp::objectLocal) {
            releaseSlot(frame + bigEndian16(entry), op == FunctionTableOp::stringLocal);
            entry += 2;
        }
    }
    memset(reinterpret_cast<void*>(frame - 4), 0, 4);
}

// One step of the walk: the frame `frame` was called from `returnAddress`. Returns false
// when the frame's caller is not compiled application code with readable tables.
void unwindCaller(uintptr_t frame, uintptr_t callerFrame, const uint8_t* returnAddress, ObjectHeader* exception)
{
    if (!readable(reinterpret_cast<uintptr_t>(returnAddress), 3) || returnAddress[0] != callSiteJump ||
        returnAddress[2] != callSiteLead)
        return;
    bool insideHandler = false;
    const uint8_t* after = readCallSiteTable(returnAddress + 3, frame + 8, insideHandler);
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
        unwindCaller(frame, callerFrame, reinterpret_cast<const uint8_t*>(returnAddress), exception);
        if (callerFrame < frame || callerFrame - frame > farthestFrameDistance)
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

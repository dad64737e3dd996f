// A first image that shows it was linked and relocated:
// constants reached through fixups, routines and strings reached through data pointers,
// runtime routines called under names spelled in another case, and a tail call.
#include "app/runtime.h"

// The export table matches names without regard to case.
extern "C" void LINETRACE(StringRecord* text);
extern "C" StringRecord* runtimeaddstring(StringRecord* a, StringRecord* b);

namespace {
STRING_CONSTANT(entering, "image: entry routine running");
STRING_CONSTANT(programName, "image: 手形・小切手");
STRING_CONSTANT(firstRoutine, "routines: first");
STRING_CONSTANT(secondRoutine, "routines: second");
STRING_CONSTANT(thirdRoutine, "routines: third");
STRING_CONSTANT(alpha, "strings: alpha");
STRING_CONSTANT(beta, "strings: beta");
STRING_CONSTANT(gamma, "strings: 約束手形");
STRING_CONSTANT(tailCall, "tail call: reached");
STRING_CONSTANT(joinedLeft, "joined: left+");
STRING_CONSTANT(joinedRight, "right");
STRING_CONSTANT(leaving, "image: entry routine returns");

void traceFirst()
{
    lineTrace(&firstRoutine.record);
}
void traceSecond()
{
    LINETRACE(&secondRoutine.record);
}
void traceThird()
{
    lineTrace(&thirdRoutine.record);
}

// Ends in a jump to the runtime rather than a call.
__attribute__((noinline)) void traceByTailCall(StringRecord* text)
{
    LINETRACE(text);
}
} // namespace

// Visible outside this file, so the compiler cannot fold the calls through them: a run of
// code addresses and a run of data addresses in the data block.
extern "C" {
void (*imageRoutines[])() = {traceFirst, traceSecond, traceThird};
StringRecord* imageStrings[] = {&alpha.record, &beta.record, &gamma.record};
unsigned imageRoutineCount = 3;

// No classes and no project items yet.
extern const unsigned ImageClassTable[2] = {0, 0};

int ImageEntry()
{
    lineTrace(&entering.record);
    lineTrace(&programName.record);
    for (unsigned i = 0; i < imageRoutineCount; ++i)
        imageRoutines[i]();
    for (unsigned i = 0; i < imageRoutineCount; ++i)
        lineTrace(imageStrings[i]);
    traceByTailCall(&tailCall.record);
    StringRecord* joined = runtimeaddstring(&joinedLeft.record, &joinedRight.record);
    lineTrace(joined);
    RuntimeUnlockString(joined);
    lineTrace(&leaving.record);
    return 0;
}
}

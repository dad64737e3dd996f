// Frame kinds: what each kind of top-level window is, as one table of facts.
#pragma once

#include <windows.h>

#include <cstdint>

// The kinds a native window is built as. No template chooses documentSpare (built as document),
// modalToolBox or modalSpare (built as modal); they are kept so that every kind keeps its number.
enum class FrameKind : int32_t {
    documentSpare = 0,
    floating = 1,
    modal = 2, // no caption
    movableModal = 3,
    plainBox = 4,
    shadowedBox = 5,
    fixedSize = 6,
    modalToolBox = 7,
    document = 8,
    palette = 9,
    modalSpare = 10,
};
constexpr int32_t frameKindCount = 11;

struct FrameKindFacts {
    DWORD style;
    DWORD exStyle;
    bool modal;     // goes on the modal stack
    bool mayResize; // false: never recorded as resizable, whatever GrowIcon says
    bool document;  // carries the menu bar; an MDI child in frame mode
    bool floating;  // kept above the other windows while the program is active
};

bool frameKindIsValid(FrameKind kind);
// The facts of a valid kind.
const FrameKindFacts& frameKindFacts(FrameKind kind);

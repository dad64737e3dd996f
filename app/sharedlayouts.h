// The parts of the runtime's objects that the image's code reaches into, as plain numbers: no
// types, so that a source of the runtime's side can hold them against the runtime's own
// layouts at build time (tests/app/sharedlayouts_check.cpp).
#pragma once

// An image class's own fields follow those of its built-in superclass, whole.
constexpr unsigned windowObjectSize = 160;
constexpr unsigned applicationObjectSize = 24;

// Every control object's Name, and its index in its control array.
constexpr unsigned controlNameOffset = 20;
constexpr unsigned controlIndexOffset = 24;

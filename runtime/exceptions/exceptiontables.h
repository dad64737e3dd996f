// The tables compiled code carries for the exception walk: a call-site table after every call
// and a function table after each routine's epilogue.
#pragma once

#include <cstdint>

// A call-site table: a short jump (callSiteJump, its distance) over callSiteLead and two-byte
// units, each callSiteJump and a value byte; the value bytes are opcodes and their operands,
// ended by CallSiteOp::end.
constexpr uint8_t callSiteJump = 0xEB;
constexpr uint8_t callSiteLead = 0x90;

enum class CallSiteOp : uint8_t {
    end = 0,
    ownedString = 1,   // then k: the string argument at byte k of the arguments is the call's own
    ownedObject = 2,   // then k: the same for an object argument
    insideHandler = 7, // the call is made from a catch handler: the frame's catch entries are passed over
};

// The function table follows the first "leave; ret" that is followed by functionTableMarker.
constexpr uint8_t leaveInstruction = 0xC9;
constexpr uint8_t returnInstruction = 0xC3;
constexpr uint8_t functionTableMarker = 0x2F;

// Entries of a function table, each led by its opcode; operands are big-endian. Other bytes are
// passed over.
enum class FunctionTableOp : uint8_t {
    end = 0,
    catchEntry = 4,  // class number (16 bits), handler distance from this field (32 bits)
    stringLocal = 5, // the local's offset from the frame pointer (16 bits)
    objectLocal = 6, // the same for an object local
};

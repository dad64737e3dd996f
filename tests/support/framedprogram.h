// A program laid out as the application, started for a test as a person starts it: one frame
// window holding the cheque window, with the modal About window in front.
#pragma once

#include "tests/support/programsession.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

inline constexpr const char* frameTitle = "手形・小切手";
inline constexpr const char* chequeTitle = "小切手";
inline constexpr const char* noteTitle = "約束手形";
inline constexpr const char* aboutTitle = "このソフトについて";

struct FramedProgram {
    std::string folder; // the program's current folder, made afresh
    std::unique_ptr<ProgramSession> session;
    HWND frame = nullptr;
    HWND cheque = nullptr;
    HWND about = nullptr;
};

// Starts `program` (a file of the build folder) in a fresh folder `folderName` and waits for its
// frame, its cheque window and the About window in front; says what did not come.
testing::AssertionResult startFramedProgram(const std::string& program, const std::string& folderName,
                                            FramedProgram& started);
// The same for the program file at `programPath`, started in `folder` as that folder stands.
testing::AssertionResult startFramedProgramIn(const std::string& programPath, const std::string& folder,
                                              FramedProgram& started);
// A fresh folder `folderName` with a copy of the build folder's `program` in it, for a program
// that keeps files beside itself: its files then belong to one test. The copy's path; empty
// when the copy failed.
std::string programCopyIn(const std::string& program, const std::string& folderName);
// Closes the frame as its close box does; false when the program did not end in time.
bool closeFramedProgram(FramedProgram& started, DWORD& exitCode);

// The failed-assertion dialog for the runtime's internal consistency checks.
#pragma once

// Categories the runtime passes; they are not shown.
constexpr int assertCategoryRuntime = 131;
constexpr int assertCategoryData = 132;

// Assertion numbers, shown in the dialog: what kind of check failed. A bad call is one the
// callee cannot answer: a frame kind outside the table, the row count of a list not yet open.
constexpr int assertBadCall = 1;
constexpr int assertNotFound = 2;        // a class or method that the image names is found nowhere
constexpr int assertUnknownItemKind = 3; // a project item of a kind outside 1 to 10
constexpr int assertInconsistent = 4;    // a count, index, tag or table byte out of range

// Shows the dialog. OK returns to the caller; Cancel ends the process at once (exit code 0).
void assertFailed(int category, int number, const char* sourceName, int line);

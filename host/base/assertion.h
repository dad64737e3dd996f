// The failed-assertion dialog for the runtime's internal consistency checks.
#pragma once

// Categories the runtime passes; they are not shown.
constexpr int assertCategoryRuntime = 131;
constexpr int assertCategoryData = 132;

// Shows the dialog. OK returns to the caller; Cancel ends the process at once (exit code 0).
void assertFailed(int category, int number, const char* sourceName, int line);

// What a working window's date row and stamp need when the window opens.
#pragma once

#include "app/formwindow.h"

// Takes the stamp's heights from where its controls stand now.
void recordStampHeights(FormWindowFields* window);
// Labels the year entry with the era of today.
void showTodaysEra(FormWindowFields* window);

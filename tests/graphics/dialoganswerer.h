// Answers a system dialog of this program from another thread, as a person at the screen
// would: picking from its lists, typing into its fields and clicking its buttons.
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

class DialogAnswerer {
public:
    // Waits (with a bound) for a dialog of this process that has a control `markerId`, then
    // calls `answer` with it on the watching thread.
    DialogAnswerer(int markerId, std::function<void(HWND dialog)> answer);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    // Whether the dialog was seen and answered, each action handled by the dialog in its time;
    // waits for the watcher to finish.
    bool answered();

private:
    bool seen = false;
    std::thread watcher;
};

// A person's actions on a dialog's controls.
void dialogClick(HWND dialog, int id);
void dialogChooseFromList(HWND dialog, int comboId, const char* item);
void dialogTypeInto(HWND dialog, int editId, const char* text);

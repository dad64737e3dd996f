// A printer as Windows names it: the DEVMODEA and DEVNAMES handles in global memory, the
// default printer, and device contexts made from them.
#pragma once

#include <windows.h>

// A copy of a global memory block (null for null), for a dialog to change or free at will.
HGLOBAL printerGlobalCopy(HGLOBAL block);
// Frees both and sets them to null.
void printerFreeHandles(HGLOBAL& devMode, HGLOBAL& devNames);
// The default printer's handles, without a dialog; false when there is no printer.
bool printerDefaultHandles(HGLOBAL& devMode, HGLOBAL& devNames);
// A device context for printing on the named printer, or only for asking it (an information
// context); null when the printer cannot be reached.
HDC printerCreateDC(HGLOBAL devMode, HGLOBAL devNames);
HDC printerCreateInformationContext(HGLOBAL devMode, HGLOBAL devNames);

// A locked view of a global block, unlocked when it goes; `get` is null for a null handle.
template <typename Record> class GlobalView {
public:
    explicit GlobalView(HGLOBAL block) : block(block), record(block ? static_cast<Record*>(GlobalLock(block)) : nullptr)
    {}
    ~GlobalView()
    {
        if (record)
            GlobalUnlock(block);
    }
    GlobalView(const GlobalView&) = delete;
    GlobalView& operator=(const GlobalView&) = delete;
    Record* get() const { return record; }

private:
    HGLOBAL block;
    Record* record;
};

// A printer as Windows names it: the DEVMODEA and DEVNAMES handles in global memory, the
// default printer, and device contexts made from them.
#include "graphics/printerdevice.h"

#include <commdlg.h>

#include <cstring>

namespace {

using CreateContext = HDC(WINAPI*)(LPCSTR, LPCSTR, LPCSTR, const DEVMODEA*);

// The three names lie inside the DEVNAMES block at the offsets it gives: an offset past the
// block's end (a damaged record) names no printer.
const char* nameAt(const DEVNAMES* names, SIZE_T size, WORD offset)
{
    if (offset >= size || !memchr(reinterpret_cast<const char*>(names) + offset, 0, size - offset))
        return nullptr;
    return reinterpret_cast<const char*>(names) + offset;
}

HDC createContext(HGLOBAL devMode, HGLOBAL devNames, CreateContext create)
{
    GlobalView<DEVNAMES> names(devNames);
    GlobalView<DEVMODEA> mode(devMode);
    SIZE_T size = devNames ? GlobalSize(devNames) : 0;
    if (!names.get() || size < sizeof(DEVNAMES))
        return nullptr;
    const char* driver = nameAt(names.get(), size, names.get()->wDriverOffset);
    const char* device = nameAt(names.get(), size, names.get()->wDeviceOffset);
    const char* output = nameAt(names.get(), size, names.get()->wOutputOffset);
    if (!driver || !device)
        return nullptr;
    return create(driver, device, output, mode.get());
}

} // namespace

HGLOBAL printerGlobalCopy(HGLOBAL block)
{
    SIZE_T size = block ? GlobalSize(block) : 0;
    HGLOBAL copy = size ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    if (!copy)
        return nullptr;
    {
        GlobalView<char> from(block);
        GlobalView<char> to(copy);
        if (from.get() && to.get()) {
            memcpy(to.get(), from.get(), size);
            return copy;
        }
    }
    GlobalFree(copy);
    return nullptr;
}

void printerFreeHandles(HGLOBAL& devMode, HGLOBAL& devNames)
{
    if (devMode)
        GlobalFree(devMode);
    if (devNames)
        GlobalFree(devNames);
    devMode = devNames = nullptr;
}

bool printerDefaultHandles(HGLOBAL& devMode, HGLOBAL& devNames)
{
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgA(&dialog))
        return false;
    devMode = dialog.hDevMode;
    devNames = dialog.hDevNames;
    return true;
}

HDC printerCreateDC(HGLOBAL devMode, HGLOBAL devNames)
{
    return createContext(devMode, devNames, CreateDCA);
}

HDC printerCreateInformationContext(HGLOBAL devMode, HGLOBAL devNames)
{
    return createContext(devMode, devNames, CreateICA);
}

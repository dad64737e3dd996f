// Mouse cursors of the application image, built from the resource table.
#include "graphics/mousecursor.h"

#include "graphics/cursorform.h"
#include "image/resourcetable.h"
#include "runtime/objects/builtinclassset.h"

namespace {

bool readForm(int32_t number, uint8_t (&form)[cursorFormBytes])
{
    HANDLE file;
    uint32_t position;
    if (!resourceItemData(number, file, position))
        return false;
    LARGE_INTEGER at;
    at.QuadPart = position;
    DWORD got = 0;
    return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && ReadFile(file, form, sizeof form, &got, nullptr) &&
           got == sizeof form;
}

HCURSOR makeCursor(const uint8_t (&form)[cursorFormBytes])
{
    CursorPlanes planes = cursorPlanesFromForm(form);
    return CreateCursor(GetModuleHandleA(nullptr), planes.hotX, planes.hotY, cursorSide, cursorSide, planes.andPlane,
                        planes.xorPlane);
}

void destroyCursor(ObjectHeader* object, ClassDescriptor*)
{
    auto* cursor = reinterpret_cast<MouseCursorObject*>(object);
    if (cursor->cursor)
        DestroyCursor(cursor->cursor);
    cursor->cursor = nullptr;
}

// The built-in MouseCursor class frees the system cursor.
[[maybe_unused]] const bool destructorRegistered =
    (builtinClassOnSetUp(BuiltinClassId::MouseCursor, [](ClassDescriptor* cls) { cls->destructor = destroyCursor; }),
     true);

} // namespace

ObjectHeader* mouseCursorFromResource(int32_t number)
{
    ObjectHeader* object = objectInstantiate(builtinClass(BuiltinClassId::MouseCursor));
    auto* cursor = reinterpret_cast<MouseCursorObject*>(object);
    cursor->resourceNumber = number;
    uint8_t form[cursorFormBytes];
    if (readForm(number, form))
        cursor->cursor = makeCursor(form);
    return object;
}

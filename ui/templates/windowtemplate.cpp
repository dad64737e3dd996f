// Windows built from the image's templates: the window object, its native window, its
// controls with their properties, and their Open events.
#include "ui/templates/windowtemplate.h"

#include "base/assertion.h"
#include "base/bytecursor.h"
#include "base/hostmessage.h"
#include "image/imagedata.h"
#include "image/templatereader.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"
#include "runtime/strings/identifier.h"
#include "ui/templates/templatebindings.h"
#include "ui/templates/templateproperties.h"
#include "ui/windows/controlobject.h"
#include "ui/windows/events.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/windowhooks.h"
#include "ui/windows/windowobject.h"
#include "ui/windows/windowproperties.h"

#include <algorithm>
#include <string>

namespace {

// Placement values: where a window starts. 1 and 3 centre it as 2 does; other values leave it.
constexpr int32_t placementPalette = 0;  // right by 4, down by 100
constexpr int32_t placementCentred = 2;  // across the middle, a quarter of the room left below it
constexpr int32_t placementDocument = 4; // right by 10, down by 50

struct FrameDefaults {
    FrameKind frameKind;
    int32_t placement;
};

// In the order of the Frame values.
const FrameDefaults frameDefaults[] = {
    {FrameKind::document, placementDocument},    // document
    {FrameKind::movableModal, placementCentred}, // movableModal
    {FrameKind::modal, placementCentred},        // modal
    {FrameKind::floating, placementPalette},     // floating
    {FrameKind::plainBox, placementCentred},     // plainBox
    {FrameKind::shadowedBox, placementCentred},  // shadowedBox
    {FrameKind::fixedSize, placementDocument},   // fixedSize
    {FrameKind::palette, placementPalette},      // palette
};
static_assert(std::size(frameDefaults) == static_cast<size_t>(WindowFrame::palette) + 1, "one entry per Frame");

// A record that starts in the image's data block ends there too, its length word included.
// Records from elsewhere are the caller's own and have no block to be checked against.
bool recordFitsDataBlock(const uint8_t* record, std::string& fault)
{
    ImageData image = ImageData::linked();
    auto address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(record));
    uint32_t offset;
    if (!image.dataOffset(address, 0, offset))
        return true;
    ImageFaultPlace place{"window template", ImageOffsetUnit::dataOffset, offset};
    if (!image.dataOffset(address, 4, offset))
        fault = imageFault(place, "its length word runs past the end of the data block");
    else if (uint32_t length = loadU32LE(record); !image.dataOffset(address, 4 + uint64_t(length), offset))
        fault = imageFault(place, "its length %u runs past the end of the data block", length);
    return fault.empty();
}

bool readTemplateRecord(const uint8_t* record, WindowTemplate& parsed, std::string& fault)
{
    if (!record) {
        fault = imageFault({"window template"}, "there is none");
        return false;
    }
    if (!recordFitsDataBlock(record, fault))
        return false;
    return readWindowTemplate(record + 4, loadU32LE(record), parsed, fault);
}

// Every class the template names must exist, and the window's must be a Window, before anything
// is made.
bool classesExist(const WindowTemplate& parsed, std::string& fault)
{
    ClassDescriptor* cls = classAt(parsed.classIndex);
    if (cls && !classDescendsFrom(cls, builtinClass(BuiltinClassId::Window)))
        fault = imageFault(templateClassPlace(parsed, 0), "class %d is not a kind of Window", parsed.classIndex);
    for (size_t control = 0; control <= parsed.controls.size() && fault.empty(); ++control) {
        int32_t index = control ? parsed.controls[control - 1].classIndex : parsed.classIndex;
        if (!classAt(index))
            fault =
                imageFault(templateClassPlace(parsed, control), "class %d is not a class of the class table", index);
    }
    return fault.empty();
}

// FullScreen is only remembered here and asked for once the window is built: were it set now,
// the Width and Height that follow it would be ignored, and the window would have no size of
// its own to come back to when it leaves full screen.
void applyWindowProperties(WindowObject* window, const WindowTemplate& parsed, bool& fullScreen)
{
    for (const TemplateProperty& property : parsed.properties) {
        int32_t converted = 0;
        bool applied = applyTemplateProperty(&window->header, property.key, property.value, converted);
        if (applied && identifierEquals(property.key, "FullScreen")) {
            fullScreen = converted != 0;
            window->fullScreen = 0;
        }
    }
}

StringRef controlKey(std::string_view name, int32_t index)
{
    std::string key(name);
    if (index != notInControlArray)
        key += "$" + std::to_string(index);
    return StringRef(stringFromView(key));
}

ControlArrayTemplate* arrayTemplateNamed(WindowControls* parts, std::string_view name)
{
    for (ControlArrayTemplate& entry : parts->arrayTemplates) {
        if (identifierEquals(entry.name, name))
            return &entry;
    }
    return nullptr;
}

// The last Canvas made before the control whose bounds contain the control's (edges included).
ObjectHeader* enclosingCanvas(WindowControls* parts, ObjectHeader* control)
{
    if (!isRectControlObject(control))
        return nullptr;
    ObjectHeader* found = nullptr;
    for (ObjectHeader* earlier : parts->controls) {
        if (objectIsa(earlier, builtinClass(BuiltinClassId::Canvas)) &&
            asRectControl(earlier)->bounds.contains(asRectControl(control)->bounds))
            found = earlier;
    }
    return found;
}

// Makes a control of the window from its class and key-value texts, applied in order; the
// first control of each Name leaves its texts as the template of its array. The control list
// holds the control.
ObjectHeader* buildControl(WindowObject* window, ClassDescriptor* cls, const std::vector<TemplateProperty>& properties,
                           bool cloned = false)
{
    WindowControls* parts = window->parts;
    ObjectHeader* control = objectInstantiate(cls);
    bool isControl = isControlObject(control);
    if (isControl) {
        asControl(control)->window = window;
        asControl(control)->fromTemplate = !cloned;
    }
    int32_t index = notInControlArray;
    std::string_view name;
    ControlArrayTemplate entry{{}, 0, control->cls, {}};
    for (const TemplateProperty& property : properties) {
        if (identifierEquals(property.key, "Index"))
            index = templateInteger(property.value);
        if (identifierEquals(property.key, "Name"))
            name = property.value;
        entry.properties.emplace_back(std::string(property.key), std::string(property.value));
        int32_t converted;
        applyTemplateProperty(control, property.key, property.value, converted);
    }
    if (!arrayTemplateNamed(parts, name)) {
        entry.name = std::string(name);
        entry.index = index;
        parts->arrayTemplates.push_back(std::move(entry));
    }
    if (isControl) {
        asControl(control)->enclosingCanvas = enclosingCanvas(parts, control);
        asControl(control)->index = index;
    }
    parts->controls.push_back(control);
    nameMapPut(parts->names, controlKey(name, index).get(), control);
    return control;
}

// The next free index of the array of that name in the window: one past the highest in use.
int32_t nextArrayIndex(WindowControls* parts, std::string_view name)
{
    int32_t highest = -1;
    for (ObjectHeader* control : parts->controls) {
        ControlObject* member = isControlObject(control) ? asControl(control) : nullptr;
        if (member && member->index != notInControlArray && identifierEquals(member->name, name))
            highest = std::max(highest, member->index);
    }
    return highest + 1;
}

// The array's texts with the clone's Name and Index in place of the first element's.
std::vector<TemplateProperty> cloneProperties(const ControlArrayTemplate& array, std::string_view name,
                                              const std::string& index)
{
    std::vector<TemplateProperty> properties;
    for (const auto& [key, value] : array.properties) {
        bool isName = identifierEquals(key, "Name"), isIndex = identifierEquals(key, "Index");
        properties.push_back({key, isName ? name : isIndex ? std::string_view(index) : std::string_view(value)});
    }
    return properties;
}

// The template of the array the control is an element of, while its window is open; null for a
// control that is no element of an array.
const ControlArrayTemplate* openArrayTemplate(ObjectHeader* control)
{
    ControlObject* element = isControlObject(control) ? asControl(control) : nullptr;
    WindowObject* window = element ? element->window : nullptr;
    if (!window || !window->parts || !window->native || element->index == notInControlArray)
        return nullptr;
    return arrayTemplateNamed(window->parts, std::string_view(stringText(element->name), stringLength(element->name)));
}

void raiseOnControls(WindowObject* window, const char* eventName)
{
    std::vector<ObjectHeader*> controls = window->parts->controls;
    for (ObjectHeader* control : controls) {
        if (isControlObject(control) && window->native)
            raiseEvent(control, eventName);
    }
}

void finishView(WindowObject* window, bool visible)
{
    NativeWindow* native = window->native;
    if (!native)
        return;
    SetWindowTextA(native->handle, stringText(window->title));
    if (windowHooks().enableMenuItems)
        windowHooks().enableMenuItems(native);
    if (visible)
        InvalidateRect(native->handle, nullptr, TRUE);
}

ObjectHeader* failCreation(ObjectHeader** slot, ObjectHeader* window)
{
    if (slot)
        *slot = nullptr;
    RuntimeUnlockObject(window);
    return nullptr;
}

// A window is not made from a damaged template; the person is told which window and control,
// and where in the template, and the program goes on.
ObjectHeader* refuseTemplate(ObjectHeader** slot, const std::string& fault)
{
    hostShowMessage(("The window could not be made because its template in the image is damaged: " + fault).c_str());
    return failCreation(slot, nullptr);
}

} // namespace

FramePlacement templateFramePlacement(int32_t frame, int32_t placement)
{
    bool known = frame >= 0 && frame < static_cast<int32_t>(std::size(frameDefaults));
    const FrameDefaults& defaults = frameDefaults[known ? frame : static_cast<int32_t>(WindowFrame::document)];
    return {defaults.frameKind, placement != 0 ? placement : defaults.placement};
}

PaneRect templatePlacedBounds(const PaneRect& bounds, int32_t placement, int32_t screenWidth, int32_t screenHeight)
{
    PaneRect placed = bounds;
    switch (placement) {
    case placementPalette:
        placed.offset(4, 100);
        break;
    case 1:
    case placementCentred:
    case 3:
        placed.offset((screenWidth - bounds.right) / 2, (screenHeight - bounds.bottom) / 4);
        break;
    case placementDocument:
        placed.offset(10, 50);
        break;
    }
    return placed;
}

extern "C" ObjectHeader* RuntimeCreateWindow(const uint8_t* templateRecord, ObjectHeader** slot)
{
    WindowTemplate parsed;
    std::string fault;
    if (!readTemplateRecord(templateRecord, parsed, fault) || !classesExist(parsed, fault))
        return refuseTemplate(slot, fault);

    ObjectHeader* object = objectInstantiate(classAt(parsed.classIndex));
    WindowObject* window = asWindow(object);
    window->slot = slot;
    if (slot)
        *slot = object;
    bool fullScreen = false;
    applyWindowProperties(window, parsed, fullScreen);
    window->bounds.offset(-window->bounds.left, -window->bounds.top);
    FramePlacement frame = templateFramePlacement(window->frame, window->placement);
    window->bounds = templatePlacedBounds(window->bounds, frame.placement, GetSystemMetrics(SM_CXSCREEN),
                                          GetSystemMetrics(SM_CYSCREEN));
    window->standardBounds = window->userBounds = window->bounds;
    window->parts = new WindowControls{};
    nameMapInit(window->parts->names);

    NativeWindow* native = nativeWindowCreate(window, frame.frameKind);
    if (!native)
        return failCreation(slot, object);
    window->viewWindow = 1;
    native->shown = window->visible;
    for (const ControlTemplate& control : parsed.controls)
        buildControl(window, classAt(control.classIndex), control.properties);
    raiseOnControls(window, "CreatePane");
    finishView(window, false);
    makeTemplateBindings(window, parsed.bindings);
    raiseOnControls(window, "Open");
    if (window->native)
        raiseEvent(object, "Open");
    finishView(window, window->visible);
    if (fullScreen && window->native)
        windowFullScreenSetter(object, 0, 1);
    if (!window->native)
        return failCreation(slot, object);
    return object;
}

extern "C" ObjectHeader* RuntimeControlFetch(ObjectHeader* window, StringRecord* name)
{
    // Only a window has controls; anything else passed here has none.
    if (!isWindowObject(window) || !asWindow(window)->parts)
        return nullptr;
    NameMapEntry* entry = nameMapFind(asWindow(window)->parts->names, name);
    return entry ? static_cast<ObjectHeader*>(entry->value) : nullptr;
}

extern "C" ObjectHeader* RuntimeControlReference(ObjectHeader* window, StringRecord* name)
{
    return RuntimeLockObject(RuntimeControlFetch(window, name));
}

extern "C" ObjectHeader* RuntimeControlArrayItemReference(ObjectHeader* window, StringRecord* name, int32_t index)
{
    StringRef key(controlKey(std::string_view(stringText(name), stringLength(name)), index));
    return RuntimeLockObject(RuntimeControlFetch(window, key.get()));
}

// A new element made from the texts of the array's first element, with the pane and Open of a
// control of an open window.
extern "C" ObjectHeader* RuntimeCloneControlReference(ObjectHeader* control, StringRecord* name)
{
    if (!control) {
        assertFailed(assertCategoryRuntime, assertBadCall, "RuntimeMain", __LINE__);
        return nullptr;
    }
    const ControlArrayTemplate* found = openArrayTemplate(control);
    if (!found)
        return nullptr;
    // A copy: making the clone may add a template to the window's list and move the others.
    const ControlArrayTemplate array = *found;
    WindowObject* window = asControl(control)->window;
    std::string cloneName = stringLength(name) ? std::string(stringText(name), stringLength(name)) : array.name;
    std::string index = std::to_string(nextArrayIndex(window->parts, cloneName));
    ObjectHeader* clone = buildControl(window, array.cls, cloneProperties(array, cloneName, index), true);
    raiseEvent(clone, "CreatePane");
    raiseEvent(clone, "Open");
    return RuntimeLockObject(clone);
}

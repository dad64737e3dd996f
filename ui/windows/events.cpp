// Raising events on language objects: the handler comes from the object's class chain.
#include "ui/windows/events.h"

#include "runtime/objects/classchain.h"

namespace {

// Booleans come back in the low 8 bits.
using PlainHandler = int32_t (*)(ObjectHeader*);
using PointHandler = int32_t (*)(ObjectHeader*, int32_t, int32_t);
using TextHandler = int32_t (*)(ObjectHeader*, StringRecord*);
using ObjectHandler = int32_t (*)(ObjectHeader*, ObjectHeader*);

bool isTrue(int32_t result)
{
    return (result & 0xFF) != 0;
}

// Handlers may drop the last outside reference to their object (closing its window).
class KeptAlive {
public:
    explicit KeptAlive(ObjectHeader* object) : object(RuntimeLockObject(object)) {}
    ~KeptAlive() { RuntimeUnlockObject(object); }
    KeptAlive(const KeptAlive&) = delete;
    KeptAlive& operator=(const KeptAlive&) = delete;

private:
    ObjectHeader* object;
};

template <typename Handler, typename... Arguments>
int32_t callHandler(ObjectHeader* object, const char* eventName, Arguments... arguments)
{
    void* code = eventHandlerCode(object, eventName);
    if (!code)
        return 0;
    KeptAlive kept(object);
    return reinterpret_cast<Handler>(code)(object, arguments...);
}

} // namespace

void* eventHandlerCode(ObjectHeader* object, std::string_view eventName)
{
    return classFindEventHandlerNamed(object, eventName).code;
}

void raiseEvent(ObjectHeader* object, const char* eventName)
{
    callHandler<PlainHandler>(object, eventName);
}

bool raiseBooleanEvent(ObjectHeader* object, const char* eventName)
{
    return isTrue(callHandler<PlainHandler>(object, eventName));
}

void raisePointEvent(ObjectHeader* object, const char* eventName, int32_t x, int32_t y)
{
    callHandler<PointHandler>(object, eventName, x, y);
}

bool raiseBooleanPointEvent(ObjectHeader* object, const char* eventName, int32_t x, int32_t y)
{
    return isTrue(callHandler<PointHandler>(object, eventName, x, y));
}

bool raiseBooleanTextEvent(ObjectHeader* object, const char* eventName, StringRecord* text)
{
    return isTrue(callHandler<TextHandler>(object, eventName, text));
}

void raiseObjectEvent(ObjectHeader* object, const char* eventName, ObjectHeader* argument)
{
    callHandler<ObjectHandler>(object, eventName, argument);
}

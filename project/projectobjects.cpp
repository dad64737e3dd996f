// The plain objects among the project items: movies, sounds, databases and the value items.
#include "project/projectobjects.h"

#include "image/projectitemformat.h"
#include "runtime/objects/builtinclassset.h"

namespace {

static_assert(sizeof(MovieObject) <= 40 && sizeof(SoundObject) <= 40, "the Movie and Sound classes are 40 bytes");

void destroyDatabase(ObjectHeader* object, ClassDescriptor*)
{
    auto* database = reinterpret_cast<DatabaseObject*>(object);
    RuntimeUnlockString(database->name);
    database->name = nullptr;
}

// Kinds 7 and 8 each make an instance of a class of their own, which the image cannot name.
ClassDescriptor* makeValueClass(const char* name)
{
    ClassDescriptor* cls = classCreate();
    cls->name = stringFromText(name);
    cls->instanceSize = sizeof(ValueObject);
    cls->staticTables = 1;
    return cls;
}

} // namespace

ClassDescriptor* databaseClass()
{
    static ClassDescriptor* cls = [] {
        ClassDescriptor* made = classCreateBuiltin("Database", nullptr, sizeof(DatabaseObject));
        made->destructor = destroyDatabase;
        return made;
    }();
    return cls;
}

ClassDescriptor* valueItemClass(uint32_t kind)
{
    static ClassDescriptor* seven = makeValueClass("ProjectItem7");
    static ClassDescriptor* eight = makeValueClass("ProjectItem8");
    return kind == projectItemValue7 ? seven : eight;
}

ObjectHeader* movieFromResource(int32_t resourceNumber)
{
    ObjectHeader* object = objectInstantiate(builtinClass(BuiltinClassId::Movie));
    reinterpret_cast<MovieObject*>(object)->resourceNumber = resourceNumber;
    return object;
}

ObjectHeader* soundFromImageData(uint32_t value, const uint8_t* data, uint32_t available)
{
    ObjectHeader* object = objectInstantiate(builtinClass(BuiltinClassId::Sound));
    auto* sound = reinterpret_cast<SoundObject*>(object);
    sound->value = value;
    sound->data = data;
    sound->dataSize = available;
    sound->playing = 0;
    return object;
}

ObjectHeader* valueItemObject(uint32_t kind, uint32_t value)
{
    ObjectHeader* object = objectInstantiate(valueItemClass(kind));
    reinterpret_cast<ValueObject*>(object)->value = value;
    return object;
}

ObjectHeader* databaseFromImage(std::string_view name, uint32_t valueA, uint32_t valueB)
{
    ObjectHeader* object = objectInstantiate(databaseClass());
    auto* database = reinterpret_cast<DatabaseObject*>(object);
    database->name = stringFromView(name);
    database->valueA = valueA;
    database->valueB = valueB;
    return object;
}

// Runtime objects held by the application code: one reference, released when the holder goes.
#pragma once

#include "app/runtime.h"

// An object the code received with a reference (a new folder item, an opened stream).
class OwnedObject {
public:
    explicit OwnedObject(ObjectHeader* adopted = nullptr) : object_(adopted) {}
    ~OwnedObject() { RuntimeUnlockObject(object_); }
    OwnedObject(OwnedObject&& other) : object_(other.object_) { other.object_ = nullptr; }
    OwnedObject& operator=(OwnedObject&& other)
    {
        ObjectHeader* old = object_;
        object_ = other.object_;
        other.object_ = nullptr;
        RuntimeUnlockObject(old);
        return *this;
    }
    OwnedObject(const OwnedObject&) = delete;
    OwnedObject& operator=(const OwnedObject&) = delete;

    ObjectHeader* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    ObjectHeader* object_;
};

// Runtime objects and strings held by the application code: one reference each, released when
// the holder goes.
#pragma once

#include "app/runtime.h"

#include <type_traits>

// A thing the code received with a reference (a getter's result, a joined text, a new folder
// item, an opened stream). Nil is held like any other value and released as nothing.
template <typename Thing, void (*release)(Thing*)> class Owned {
public:
    explicit Owned(Thing* adopted = nullptr) : thing_(adopted) {}
    ~Owned() { release(thing_); }
    Owned(Owned&& other) : thing_(other.thing_) { other.thing_ = nullptr; }
    Owned& operator=(Owned&& other)
    {
        Thing* old = thing_;
        thing_ = other.thing_;
        other.thing_ = nullptr;
        release(old);
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Thing* get() const { return thing_; }
    explicit operator bool() const { return thing_ != nullptr; }
    // Nil is the empty string.
    bool empty() const requires std::is_same_v<Thing, StringRecord> { return !thing_ || thing_->length == 0; }

private:
    Thing* thing_;
};

using OwnedObject = Owned<ObjectHeader, RuntimeUnlockObject>;
using OwnedText = Owned<StringRecord, RuntimeUnlockString>;

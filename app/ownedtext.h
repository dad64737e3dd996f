// Runtime strings held by the application: one reference per holder, released when it goes.
#pragma once

#include "app/runtime.h"

// A string the code received with a reference (a getter's result, a joined text).
class OwnedText {
public:
    explicit OwnedText(StringRecord* adopted = nullptr) : text_(adopted) {}
    ~OwnedText() { RuntimeUnlockString(text_); }
    OwnedText(OwnedText&& other) : text_(other.text_) { other.text_ = nullptr; }
    OwnedText& operator=(OwnedText&& other)
    {
        StringRecord* old = text_;
        text_ = other.text_;
        other.text_ = nullptr;
        RuntimeUnlockString(old);
        return *this;
    }
    OwnedText(const OwnedText&) = delete;
    OwnedText& operator=(const OwnedText&) = delete;

    StringRecord* get() const { return text_; }
    bool empty() const { return !text_ || text_->length == 0; }

private:
    StringRecord* text_;
};

inline OwnedText joined(StringRecord* left, StringRecord* right)
{
    return OwnedText(RuntimeAddString(left, right));
}

inline OwnedText joined(StringRecord* left, StringRecord* middle, StringRecord* right)
{
    return joined(joined(left, middle).get(), right);
}

// Puts a string into a string property of an object, which keeps its own reference.
inline void holdText(StringRecord*& property, StringRecord* value)
{
    RuntimeLockString(value);
    RuntimeUnlockString(property);
    property = value;
}

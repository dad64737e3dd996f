// One counted reference held by the runtime's own C++ code, released when the holder goes.
#pragma once

template <typename Record, void (*releaseRecord)(Record*)> class OwnedRef {
public:
    OwnedRef() = default;
    explicit OwnedRef(Record* adopted) : record(adopted) {}
    OwnedRef(const OwnedRef&) = delete;
    OwnedRef& operator=(const OwnedRef&) = delete;
    ~OwnedRef() { releaseRecord(record); }
    Record* get() const { return record; }
    Record* release()
    {
        Record* kept = record;
        record = nullptr;
        return kept;
    }

private:
    Record* record = nullptr;
};

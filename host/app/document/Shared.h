// A value that many objects hold alike, as the thousands of rules of a table hold a few path
// styles between them: copies share one record, and a change gives the holder a record of its
// own first. A holder that has none reads the value's defaults.
//
// Records are read from any thread but shared and changed on the document's alone.
#pragma once

#include <cstring>
#include <memory>
#include <type_traits>

namespace host::doc {

template <typename T>
class Shared {
    static_assert(std::is_trivially_copyable_v<T>, "records are compared bit for bit");

public:
    Shared() = default;
    explicit Shared(const T& value) : record_(std::make_shared<T>(value)) {}

    const T& get() const { return record_ != nullptr ? *record_ : defaults(); }
    const T* operator->() const { return &get(); }

    // The holder's own record, made for it first when it shares one or has none.
    T& edit()
    {
        if (record_ == nullptr || record_.use_count() > 1)
            record_ = std::make_shared<T>(get());
        return *record_;
    }
    Shared& operator=(const T& value)
    {
        if (!holds(value))
            edit() = value;
        return *this;
    }

    // Whether what is held is `value` bit for bit, so that a holder handed it may share this
    // record instead.
    bool holds(const T& value) const { return std::memcmp(&get(), &value, sizeof(T)) == 0; }
    // Whether the two share one record.
    bool sharesWith(const Shared& other) const { return record_ != nullptr && record_ == other.record_; }

private:
    static const T& defaults()
    {
        static const T none{};
        return none;
    }

    std::shared_ptr<T> record_;
};

} // namespace host::doc

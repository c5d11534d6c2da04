// Holds one counted reference of a text-engine object: the copy takes another, the
// destructor gives it back. `Traits` names the suite pointer that counts it.
#pragma once

#include "ATEException.h"

#include <utility>

namespace ATE {

template <typename Ref, typename Traits>
class CountedRef {
public:
    CountedRef() = default;
    // Adopts a reference the host handed out: it is given back once, here.
    explicit CountedRef(Ref ref) : ref_(ref) {}
    CountedRef(const CountedRef& other) : ref_(other.ref_)
    {
        if (ref_ != nullptr)
            Check(Traits::suite()->AddRef(ref_));
    }
    CountedRef(CountedRef&& other) noexcept : ref_(std::exchange(other.ref_, nullptr)) {}
    CountedRef& operator=(CountedRef other) noexcept
    {
        std::swap(ref_, other.ref_);
        return *this;
    }
    ~CountedRef()
    {
        if (ref_ != nullptr)
            Traits::suite()->Release(ref_);
    }

    Ref GetRef() const { return ref_; }
    bool IsNull() const { return ref_ == nullptr; }

protected:
    Ref ref_ = nullptr;
};

} // namespace ATE

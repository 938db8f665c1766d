#pragma once

#include "toolkit/core/Exceptions.h"

#include <memory>
#include <utility>

namespace tk {

// A shared reference to a toolkit or application object. Using an empty
// reference raises NilObjectException instead of crashing.
template <class T> class Ref {
  public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    Ref(std::shared_ptr<T> p) : ptr_(std::move(p)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(const Ref<U>& other) : ptr_(other.shared()) {}

    T* operator->() const { return &deref(); }
    T& operator*() const { return deref(); }

    explicit operator bool() const { return ptr_ != nullptr; }
    bool isNil() const { return ptr_ == nullptr; }
    T* get() const { return ptr_.get(); }
    const std::shared_ptr<T>& shared() const { return ptr_; }
    void clear() { ptr_.reset(); }

    friend bool operator==(const Ref& a, const Ref& b) { return a.ptr_ == b.ptr_; }
    friend bool operator==(const Ref& a, std::nullptr_t) { return a.ptr_ == nullptr; }

  private:
    T& deref() const {
        if (!ptr_)
            throw NilObjectException();
        return *ptr_;
    }
    std::shared_ptr<T> ptr_;
};

template <class T, class... Args> Ref<T> makeRef(Args&&... args) {
    return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

// The cast that tests the type: nil when the object is not a T.
template <class T, class U> Ref<T> refCast(const Ref<U>& r) {
    return Ref<T>(std::dynamic_pointer_cast<T>(r.shared()));
}

// Dereferences a raw pointer the toolkit hands out, raising NilObjectException for null.
template <class T> T& deref(T* p) {
    if (!p)
        throw NilObjectException();
    return *p;
}

} // namespace tk

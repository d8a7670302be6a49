#pragma once

#include <ole2.h>
#include <windows.h>

#include <utility>

namespace com {

// Owns one counted reference to a COM interface; never a raw pointer in program code.
template <class T>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes an additional reference to an interface someone else owns.
    static ComPtr share(T* p) {
        if (p) p->AddRef();
        return ComPtr(p);
    }
    // Adopts a reference that was already counted for us (an out-parameter's result).
    static ComPtr adopt(T* p) { return ComPtr(p); }

    ComPtr(const ComPtr& other) : p_(other.p_) {
        if (p_) p_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset() {
        if (T* p = std::exchange(p_, nullptr)) p->Release();
    }
    // Drops the reference without releasing it: for an application that must not be called
    // again (BusyRetry::release).
    void abandon() { p_ = nullptr; }
    // For an out-parameter: releases what is held and hands out the slot.
    T** receive() {
        reset();
        return &p_;
    }
    void** receiveVoid() { return reinterpret_cast<void**>(receive()); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // Asks for another interface; empty when the object does not answer to it.
    template <class U>
    ComPtr<U> query(const IID& iid) const {
        ComPtr<U> result;
        if (p_ && FAILED(p_->QueryInterface(iid, result.receiveVoid()))) result.reset();
        return result;
    }

  private:
    explicit ComPtr(T* p) : p_(p) {}
    T* p_ = nullptr;
};

}  // namespace com

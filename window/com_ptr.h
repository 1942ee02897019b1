// Owning pointer to a COM interface: releases what it holds, adds a
// reference for every copy.
#pragma once

#include <objbase.h>

#include <utility>

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds (a fresh object).
  static ComPtr Adopt(T* p) {
    ComPtr out;
    out.p_ = p;
    return out;
  }
  // Adds a reference of its own.
  static ComPtr Share(T* p) {
    if (p) p->AddRef();
    return Adopt(p);
  }

  ComPtr(const ComPtr& other) : p_(other.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  void Reset() {
    if (T* old = std::exchange(p_, nullptr)) old->Release();
  }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // For out-parameters of creating calls: drops what was held first.
  T** Put() {
    Reset();
    return &p_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  // QueryInterface for U; empty when the object has no such interface.
  template <typename U>
  ComPtr<U> As() const {
    ComPtr<U> out;
    if (p_) p_->QueryInterface(__uuidof(U), out.PutVoid());
    return out;
  }

 private:
  T* p_ = nullptr;
};

#pragma once

#include <memory>

namespace moxa::rt {

// An optional value kept on the heap and copied deeply: items carry their
// rarely used parts (pictures, tables, extra properties) this way, so the
// common text item stays small and a table can hold items that hold tables.
template <class T>
class Boxed {
 public:
  Boxed() = default;
  explicit Boxed(T value) : value_(std::make_unique<T>(std::move(value))) {}
  Boxed(const Boxed& other) : value_(other.value_ ? std::make_unique<T>(*other.value_) : nullptr) {}
  Boxed(Boxed&&) noexcept = default;
  Boxed& operator=(const Boxed& other) {
    if (this != &other) value_ = other.value_ ? std::make_unique<T>(*other.value_) : nullptr;
    return *this;
  }
  Boxed& operator=(Boxed&&) noexcept = default;
  ~Boxed() = default;

  explicit operator bool() const { return value_ != nullptr; }
  T* get() { return value_.get(); }
  const T* get() const { return value_.get(); }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  T* operator->() { return value_.get(); }
  const T* operator->() const { return value_.get(); }
  // The value, made (default) when there is none.
  T& Ensure() {
    if (!value_) value_ = std::make_unique<T>();
    return *value_;
  }
  void Reset() { value_.reset(); }

  // Equal when both are empty or both hold equal values.
  friend bool operator==(const Boxed& a, const Boxed& b) {
    if (!a.value_ || !b.value_) return !a.value_ && !b.value_;
    return *a.value_ == *b.value_;
  }

 private:
  std::unique_ptr<T> value_;
};

}  // namespace moxa::rt

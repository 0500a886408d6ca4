// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ValueRef: a counted reference to a TCalcValue. Every holder of a value (a
// calculation stack slot, a variable, an operand of a node, a dialog) keeps one;
// dropping it is the holder's release. An unnamed value therefore lives while a
// tree or a holder uses it, and a named value stays as long as its variable set
// keeps it.

#include <cstddef>
#include <utility>

namespace quillix {

class TCalcValue;

class ValueRef {
  public:
    ValueRef() = default;
    ValueRef(std::nullptr_t) {}
    explicit ValueRef(TCalcValue* value);
    ValueRef(const ValueRef& other);
    ValueRef(ValueRef&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
    ValueRef& operator=(const ValueRef& other);
    ValueRef& operator=(ValueRef&& other) noexcept;
    ~ValueRef();

    TCalcValue* get() const { return value_; }
    TCalcValue* operator->() const { return value_; }
    TCalcValue& operator*() const { return *value_; }
    explicit operator bool() const { return value_ != nullptr; }
    void reset();

    friend bool operator==(const ValueRef& a, const ValueRef& b) { return a.value_ == b.value_; }
    friend bool operator==(const ValueRef& a, const TCalcValue* b) { return a.value_ == b; }

  private:
    TCalcValue* value_ = nullptr;
};

}  // namespace quillix

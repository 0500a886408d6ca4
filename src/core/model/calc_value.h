// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcValue: the calculator's one value type, a number, a date or an error,
// together with the operation tree that produced it. A value owns the root node
// of its tree; the nodes that take the value as an operand are its referrers
// (non-owning back pointers), through which a change propagates to every value
// that depends on it. Values are shared through ValueRef (see value_ref.h).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/object_pool.h"
#include "model/value_format.h"
#include "model/value_ref.h"

namespace quillix {

class TCalcOperate;

// Value kinds (CVType).
inline constexpr std::uint8_t cvNumber = 0;
inline constexpr std::uint8_t cvDate = 1;
inline constexpr std::uint8_t cvError = 2;

// FormatValue styles.
inline constexpr int kPlainStyle = 0;
inline constexpr int kGroupedStyle = 3;

class TCalcValue : public object_pool::TPooled {
  public:
    static ValueRef New();
    static ValueRef New(long double number, std::uint8_t kind = cvNumber);
    static ValueRef NewDate(double day);
    // A new value computed by node: node becomes its tree and is evaluated at
    // once (a failing evaluation makes it an error value).
    static ValueRef NewComputed(std::unique_ptr<TCalcOperate> node);

    ~TCalcValue();
    TCalcValue(const TCalcValue&) = delete;
    TCalcValue& operator=(const TCalcValue&) = delete;

    // Content.
    long double Number() const { return number_; }
    void SetNumber(long double x) { number_ = x; }
    // The number calculations use: rounded to the displayed decimals in fixed format.
    long double GetNumber() const { return RoundedToFormat(number_); }
    double GetDate() const;  // Number truncated toward zero
    void SetDate(double day);
    std::uint8_t CVType() const { return kind_; }
    void SetCVType(std::uint8_t kind) { kind_ = kind; }
    const std::string& ErrorText() const;
    void SetErrorText(const std::string& text);

    // Name.
    const std::string& Name() const;
    bool IsNamed() const { return named_; }
    void SetName(const std::string& name);
    // Makes the value anonymous and lets every referring node react (a reference
    // node replaces itself by a copy of this value's formula).
    void ClearName();

    // Tree.
    TCalcOperate* Operate() const { return operate_.get(); }
    // Makes node the value's tree and evaluates it (no notification). The previous
    // tree is destroyed.
    void SetOperate(std::unique_ptr<TCalcOperate> node);
    // Makes node the value's tree without evaluating it: the value keeps its
    // number and kind until it is recalculated (a tree read from a file).
    void AttachOperate(std::unique_ptr<TCalcOperate> node);
    // Takes the tree away from the value without evaluating anything.
    std::unique_ptr<TCalcOperate> DetachOperate();
    // Evaluates the tree again from the operands' current numbers, then brings
    // every dependent value up to date.
    void Recalculate();
    // Re-evaluates the whole tree bottom-up, each value in it at most once.
    void RecalculateTree();
    // Re-evaluates every value that depends on this one, each exactly once,
    // operands before their users.
    void NotifyReferrers();
    // Takes number, kind and tree of source (which is consumed); name and
    // referrers stay. With notify, every dependant is brought up to date.
    // Copies keep the stored number with every digit: the fixed format rounds
    // what calculations read (GetNumber), never what a value holds, so a typed
    // 0.005 is still 0.005 once the general format is back.
    void TakeOver(ValueRef source, bool notify);
    ValueRef Clone() const;       // same number and kind; a shallow copy of the tree
    ValueRef CopyNumber() const;  // same number and kind, no tree
    ValueRef MakeReference();     // a new value whose tree refers to this one
    bool IsEmpty() const;
    // Appends the names of this value (if named) and of every value in its tree.
    void CollectNames(std::vector<std::string>& names) const;

    // Referrers.
    void AddReferrer(TCalcOperate* node);
    void RemoveReferrer(TCalcOperate* node);
    int ReferrerCount() const;
    TCalcOperate* ReferrerAt(int index) const;
    std::vector<TCalcOperate*> Referrers() const;

    // Texts.
    std::string GetFormulaText() const;
    std::string GetRefText() const;
    std::string FormatValue(int style) const;

    // Evaluates the tree once from the operands' current numbers and stores the
    // result or the error; no notification. Does nothing without a tree.
    void EvaluateOperate();
    // Makes the value an error value with the given message.
    void SetError(const std::string& message);

    // How many tree evaluations the process has made (for tests and benchmarks).
    static std::uint64_t EvaluationCount();

  private:
    friend class ValueRef;
    friend class ValueTraversal;
    TCalcValue() = default;
    void AddRef() { ++refs_; }
    void DropRef();

    struct Extras : object_pool::TPooled {
        std::string name;
        std::string errorText;
    };
    Extras& EnsureExtras();

    long double number_ = 0;
    std::unique_ptr<TCalcOperate> operate_;
    std::unique_ptr<Extras> extras_;
    TCalcOperate* firstReferrer_ = nullptr;  // the only referrer while moreReferrers_ is null
    std::unique_ptr<std::vector<TCalcOperate*>> moreReferrers_;
    std::uint64_t mark_ = 0;  // traversal bookkeeping (see value_traversal.h)
    std::uint32_t refs_ = 0;
    std::uint8_t kind_ = cvNumber;
    bool named_ = false;
};

}  // namespace quillix

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcOperate: the base of every operation-tree node. A node is the tree root
// of exactly one value (its owner), takes values as operands (and registers as
// their referrer), computes its result from the operands' current numbers,
// renders itself as formula text and clones itself over the same operands.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/object_pool.h"
#include "model/calc_value.h"

namespace quillix {

class FormulaWriter;

// The operands of a node: two are kept inline (every binary node), more spill
// into a vector (function nodes).
class OperandList {
  public:
    int size() const { return spill_ ? static_cast<int>(spill_->size()) : count_; }
    bool empty() const { return size() == 0; }
    TCalcValue* operator[](int index) const {
        return spill_ ? (*spill_)[static_cast<std::size_t>(index)].get() : inline_[index].get();
    }
    void push_back(ValueRef value);
    void clear();

  private:
    ValueRef inline_[2];
    std::unique_ptr<std::vector<ValueRef>> spill_;
    std::uint8_t count_ = 0;
};

class TCalcOperate {
  public:
    TCalcOperate() = default;
    virtual ~TCalcOperate();
    TCalcOperate(const TCalcOperate&) = delete;
    TCalcOperate& operator=(const TCalcOperate&) = delete;
    // Pooled as object_pool::TPooled makes them, without a base class, which
    // would lengthen every dynamic_cast over the node classes.
    static void* operator new(std::size_t size) { return object_pool::TPooled::operator new(size); }
    static void operator delete(void* block) noexcept {
        object_pool::TPooled::operator delete(block);
    }

    TCalcValue* Owner() const { return owner_; }
    void SetOwner(TCalcValue* owner) { owner_ = owner; }

    int OperandCount() const { return operands_.size(); }
    TCalcValue* Operand(int index) const { return operands_[index]; }
    void AddOperand(ValueRef value);
    void CopyOperandsTo(TCalcOperate& node) const;

    // The class name stored in files (one of the names CreateOperateByClassName knows).
    virtual const char* ClassName() const = 0;
    // The operator level that decides parenthesisation.
    virtual int Level() const { return 10; }
    virtual std::uint8_t ResultKind() const { return cvNumber; }
    // Computes the result from the operands' current numbers; reports its kind.
    virtual long double Calculate(std::uint8_t& kind) = 0;
    // CheckOperands, then Calculate.
    long double Evaluate(std::uint8_t& kind);
    // Re-evaluates every value below this node (each at most once), then Evaluate.
    long double EvaluateAll(std::uint8_t& kind);
    // The first operand that is an error makes the node fail with its message.
    void CheckOperands() const;

    // Emits the node's formula: literal texts and the reference texts of operands.
    virtual void AppendFormula(FormulaWriter& writer) const = 0;
    std::string GetFormulaText() const;

    virtual void NameRemoved(TCalcValue* value);
    virtual std::unique_ptr<TCalcOperate> Clone() const = 0;
    void RecalcOwner();
    void CollectNames(std::vector<std::string>& names) const;

    // The values re-evaluated before this node: the operands, and for a
    // multi-argument function also the elements of its lists.
    virtual int EvaluationChildCount() const { return OperandCount(); }
    virtual TCalcValue* EvaluationChild(int index) const { return Operand(index); }

  protected:
    // The operand at index, or nothing when the node has fewer operands (a node
    // read from a damaged file).
    TCalcValue* OperandOrNull(int index) const;
    // Fails unless the node has exactly count operands.
    void RequireOperands(int count) const {
        if (operands_.size() != count || HasMissingOperand()) FailIncomplete();
    }

  private:
    bool HasMissingOperand() const;
    [[noreturn]] static void FailIncomplete();

    TCalcValue* owner_ = nullptr;
    OperandList operands_;
};

// Level of a value inside a formula: its tree root's level; a value without a
// tree is never parenthesised.
int OperandLevel(const TCalcValue* value);
inline constexpr int kNoTreeLevel = 1000;

// The failure of a node that lacks operands (only a damaged file can make one).
inline constexpr const char* kMsgIncompleteFormula = "Incomplete formula";

}  // namespace quillix

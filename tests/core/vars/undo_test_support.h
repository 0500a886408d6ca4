// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the undo tests share: the full text of a document (its saved XML and,
// for every entry, the exact number and the formula), a check that every
// formula uses the document's own variables, and random formulas and edits.

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "model/calc_operate.h"
#include "model/operate_binary.h"
#include "model/operate_func.h"
#include "model/operate_ref.h"
#include "model/operate_user.h"
#include "model/vars_document.h"
#include "support/node_builder.h"
#include "vars/calc_vars_base.h"
#include "vars/edit_group.h"

namespace quillix::test {

// The saved document, then each entry's number to the last bit, kind, error
// text and formula (the file keeps 15 digits only).
inline std::string DocumentText(TCalcVarsBase& set) {
    std::string text = BuildVarsDocumentText(set.Description(), set.Items());
    for (const auto& entry : set.Items()) {
        const TCalcValue& value = *entry->Value;
        char number[64];
        std::snprintf(number, sizeof number, "%La", value.Number());
        text += entry->GetName() + " " + number + " " + std::to_string(value.CVType()) + " " +
                value.ErrorText() + " = " + value.GetFormulaText() + "\n";
    }
    return text;
}

// Whether every variable a formula uses is the document's entry of that name,
// and each such use is registered with it (so a change reaches the formula).
inline bool FormulasUseTheDocumentsVariables(TCalcVarsBase& set) {
    for (const auto& entry : set.Items()) {
        std::vector<const TCalcValue*> pending{entry->Value.get()};
        while (!pending.empty()) {
            const TCalcValue* value = pending.back();
            pending.pop_back();
            const TCalcOperate* node = value->Operate();
            if (!node) continue;
            for (int i = 0; i < node->EvaluationChildCount(); ++i) {
                const TCalcValue* child = node->EvaluationChild(i);
                if (!child) continue;
                if (!child->IsNamed()) {
                    pending.push_back(child);
                    continue;
                }
                const TCalcValueWarper* used = set.Find(child->Name());
                if (!used || used->Value.get() != child) return false;
                const std::vector<TCalcOperate*> referrers = child->Referrers();
                if (std::find(referrers.begin(), referrers.end(), node) == referrers.end())
                    return false;
            }
        }
    }
    return true;
}

// Random formulas over the variables of a set, and random edits of the set.
class RandomEdits {
  public:
    RandomEdits(TCalcVarsBase& set, unsigned seed) : set_(set), random_(seed) {}

    int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random_); }
    bool Chance(int percent) { return Below(100) < percent; }

    // A formula over the first `count` variables: numbers (zero included, so
    // that some divisions fail), dates, references, functions, lists and an
    // operand used twice.
    ValueRef Formula(int count, int depth = 3) {
        const int choice = Below(depth > 0 ? 11 : 4);
        switch (choice) {
            case 0:
                return TCalcValue::New(Below(7) - 2 + Below(4) * 0.25L);
            case 1:
                return TCalcValue::NewDate(45000 + Below(400));
            case 2:
            case 3:
                if (count > 0) return set_.Items()[Below(count)]->Value->MakeReference();
                return TCalcValue::New(Below(100) / 8.0L);
            case 4:
                return Make<TCalcOperatePlus>(Formula(count, depth - 1), Formula(count, depth - 1));
            case 5:
                return Make<TCalcOperateDIV>(Formula(count, depth - 1), Formula(count, depth - 1));
            case 6:
                return Make<TCalcOperateMultis>(Formula(count, depth - 1),
                                                Formula(count, depth - 1));
            case 7: {
                ValueRef shared = Formula(count, depth - 1);
                return Make<TCalcOperateMinus>(shared, shared);
            }
            case 8: {
                auto sum = std::make_unique<TCalcOperateMultiFunc>(80);
                const int elements = Below(4);
                sum->EnsureArray1();
                for (int i = 0; i < elements; ++i) {
                    // A list may hold a variable itself, not only a reference.
                    if (count > 0 && Chance(40)) {
                        sum->AddArray1Element(ValueRef(set_.Items()[Below(count)]->Value.get()));
                    } else {
                        sum->AddArray1Element(Formula(count, depth - 1));
                    }
                }
                return ValueOf(std::move(sum));
            }
            case 9: {
                auto sqrt = std::make_unique<TCalcOperateFunc>(1);
                sqrt->AddOperand(Formula(count, depth - 1));
                return ValueOf(std::move(sqrt));
            }
            default:
                return Make<TCalcOperateSign>(Formula(count, depth - 1));
        }
    }

    std::string NewName() { return (Chance(50) ? "v" : "Var") + std::to_string(++names_); }

    // One random edit through the set's ordinary operations; true when it
    // changed the set (an operation that refuses changes nothing).
    bool Edit() {
        const int count = set_.Count();
        const int index = count > 0 ? Below(count) : 0;
        switch (count == 0 ? 0 : Below(24)) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
            case 5:
                return set_.Add(NewName(), Formula(count));
            case 6:
            case 7:
            case 8:
                return set_.DeleteAt(index) >= 0;
            case 9:
                return set_.Delete(set_.Items()[static_cast<std::size_t>(index)]->GetName()) >= 0;
            case 10:
            case 11:
            case 12:
            case 13: {
                // Mostly formulas the dependency order allows, sometimes one it refuses.
                const std::string name = set_.Items()[static_cast<std::size_t>(index)]->GetName();
                return set_.SetValue(name, Formula(Chance(85) ? index : count)) != nullptr;
            }
            case 14:
            case 15:
                set_.SetValueTypeAt(index, static_cast<std::uint8_t>(Below(3)));
                return true;
            case 16:
                set_.SetProperties(index, static_cast<std::uint8_t>(Below(3)),
                                   "note " + std::to_string(Below(1000)));
                return true;
            case 17:
            case 18:
                return set_.MoveUp(index);
            case 19:
            case 20:
                return set_.Rename(index, NewName());
            case 21:
                if (!Chance(30)) return false;
                set_.Clear();
                return true;
            case 22:
                set_.SetDescription("about " + std::to_string(Below(1000)));
                return true;
            default: {
                const TEditGroup group(&set_, "Several");
                bool changed = false;
                for (int i = 1 + Below(4); i > 0; --i)
                    changed = Edit() || changed;
                return changed;
            }
        }
    }

  private:
    TCalcVarsBase& set_;
    std::mt19937 random_;
    int names_ = 0;
};

}  // namespace quillix::test

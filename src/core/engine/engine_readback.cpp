// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine_readback.h"

#include <algorithm>

#include "model/calc_commands.h"
#include "model/value_texts.h"

namespace quillix {

std::string DisplayText(const TCalcEngine& engine) {
    if (engine.IsEntering()) return engine.GetInputor().GetText(kGroupedStyle);
    const ValueRef& x = engine.Stack().X;
    return x ? x->FormatValue(kGroupedStyle) : "0";
}

std::string ExpressionText(const TCalcEngine& engine) {
    if (engine.IsEntering()) return engine.GetInputor().GetText(kGroupedStyle);
    const ValueRef& x = engine.Stack().X;
    return x ? x->GetFormulaText() : std::string();
}

std::string CopyValueText(const TCalcEngine& engine) {
    if (engine.IsEntering()) return engine.GetInputor().GetText(kPlainStyle);
    const ValueRef& x = engine.Stack().X;
    return x ? ValueCopyText(*x) : "0";
}

std::string ModeText(const TCalcEngine& engine) {
    return engine.Mode() == kModeRPN ? "RPN" : "ALG";
}

std::string RPNStyleText(const TCalcEngine& engine) {
    return std::string(RPNStyleText(engine.RPNStyle()));
}

std::string CounterText(const TCalcEngine& engine) {
    const TCalcStack& stack = engine.Stack();
    const bool rpn = engine.Mode() == kModeRPN;
    std::string text = rpn ? "M=" : "(=";
    text += std::to_string(rpn ? stack.Values.Count() : stack.Ops.Count());
    return text;
}

std::vector<std::string> OperatorStackTexts(const TCalcStack& stack) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(stack.Ops.Count()));
    for (int i = 0; i < stack.Ops.Count(); ++i)
        texts.push_back(OperatorText(stack.Ops.GetItem(i)));
    return texts;
}

TMemoryListing MemoryListing(const TCalcStack& stack, bool entering) {
    TMemoryListing listing;
    if (stack.X) {
        listing.HasX = true;
        listing.XValue = stack.X->FormatValue(kPlainStyle);
        listing.XFormula = stack.X->GetFormulaText();
    }
    listing.Entering = entering;
    listing.PendingText = OperatorText(stack.Pending);
    for (const std::string& text : OperatorStackTexts(stack))
        listing.OpsText += text + ",";
    const int count = stack.Values.Count();
    for (int depth = 0; depth < count; ++depth) {
        const ValueRef& value = stack.Values.GetItem(count - 1 - depth);
        TMemoryEntry entry;
        entry.Label = "X";
        entry.Label += std::to_string(depth);
        if (value) {
            entry.Value = value->FormatValue(kPlainStyle);
            entry.Formula = value->GetFormulaText();
        }
        listing.Entries.push_back(std::move(entry));
    }
    return listing;
}

std::string StackLevelLabel(int index) {
    static const char* const kNamed[] = {"Y", "Z", "T"};
    // X is level 1, so the level below T is 5.
    return index >= 0 && index < 3 ? kNamed[index] : std::to_string(index + 2);
}

std::vector<TStackLevel> StackLevels(const TCalcStack& stack, int count) {
    std::vector<TStackLevel> levels;
    const int depth = std::min(count, stack.Values.Count());
    for (int i = 0; i < depth; ++i) {
        const ValueRef& value = stack.Values.GetItem(stack.Values.Count() - 1 - i);
        TStackLevel level;
        level.Label = StackLevelLabel(i);
        if (value) {
            level.Value = value->FormatValue(kGroupedStyle);
            level.Formula = value->GetFormulaText();
        }
        levels.push_back(std::move(level));
    }
    return levels;
}

namespace {
bool IsDigitCommand(std::uint8_t code) {
    return code >= ccDigit0 && code <= ccDigit000;
}
}  // namespace

bool MemoryListNeedsRebuild(std::uint8_t code, std::uint8_t previousCode) {
    return !(IsDigitCommand(code) && IsDigitCommand(previousCode));
}

int MemoryRowCount(int visibleRows, int valueCount) {
    return visibleRows > valueCount ? visibleRows : valueCount;
}

}  // namespace quillix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/value_image.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>

#include "model/calc_operate.h"
#include "model/operate_factory.h"
#include "model/operate_func.h"
#include "model/operate_user.h"

namespace quillix {

namespace {

enum class TStep { Value, Named, Shared, Null };

// Visits the values of root's tree in pre-order: each unnamed value once (a
// value met again is Shared, with the ordinal of its first visit), a named
// value below the root as Named (its own tree belongs to its variable), a
// missing operand as Null. Capture and ApplyNumbersTo see the same order.
template <class Visit>
void WalkTree(const TCalcValue& root, Visit&& visit) {
    std::vector<const TCalcValue*> pending{&root};
    std::unique_ptr<std::unordered_map<const TCalcValue*, int>> seen;
    int ordinal = 0;
    while (!pending.empty()) {
        const TCalcValue* value = pending.back();
        pending.pop_back();
        if (!value) {
            visit(TStep::Null, nullptr, 0);
            continue;
        }
        if (ordinal > 0 && value == &root) {
            visit(TStep::Shared, value, 0);  // only a cycle leads back to the root
            continue;
        }
        if (ordinal > 0 && value->IsNamed()) {
            visit(TStep::Named, value, 0);
            continue;
        }
        // Only a value with more than one referrer can be met twice.
        if (value->ReferrerCount() > 1) {
            if (!seen) seen = std::make_unique<std::unordered_map<const TCalcValue*, int>>();
            const auto [found, isNew] = seen->emplace(value, ordinal);
            if (!isNew) {
                visit(TStep::Shared, value, found->second);
                continue;
            }
        }
        visit(TStep::Value, value, ordinal++);
        if (const TCalcOperate* node = value->Operate()) {
            for (int i = node->EvaluationChildCount() - 1; i >= 0; --i)
                pending.push_back(node->EvaluationChild(i));
        }
    }
}

// A node being rebuilt and the children it still waits for.
struct TFrame {
    TCalcOperate* node;
    TCalcOperateMultiFunc* multi;
    int next;
    int operands;
    int list1;
    int total;
};

void AttachChild(TFrame& frame, ValueRef child) {
    const int position = frame.next++;
    if (position < frame.operands) {
        frame.node->AddOperand(std::move(child));
    } else if (position < frame.operands + frame.list1) {
        frame.multi->AddArray1Element(std::move(child));
    } else {
        frame.multi->AddArray2Element(std::move(child));
    }
}

}  // namespace

// --- Capture --------------------------------------------------------------------

TValueImage TValueImage::Capture(const TCalcValue& value, ICalcVarsBase& set) {
    TValueImage image;
    WalkTree(value, [&](TStep step, const TCalcValue* current, int ordinal) {
        switch (step) {
            case TStep::Value:
                image.AddValue(*current);
                if (current->Operate()) image.AddNode(*current->Operate());
                break;
            case TStep::Named:
                image.AddNamed(*current, set);
                break;
            case TStep::Shared:
                image.items_.push_back(Item{.count = ordinal, .tag = Tag::Shared});
                image.shared_ = true;
                break;
            case TStep::Null:
                image.items_.push_back(Item{.tag = Tag::Null});
                break;
        }
    });
    image.items_.shrink_to_fit();
    return image;
}

void TValueImage::AddValue(const TCalcValue& value) {
    Item item{
        .number = value.Number(), .kind = value.CVType(), .hasTree = value.Operate() != nullptr};
    if (!value.ErrorText().empty()) item.text = AddText(value.ErrorText());
    items_.push_back(item);
}

void TValueImage::AddNode(const TCalcOperate& node) {
    Item item{.className = node.ClassName(), .count = node.OperandCount(), .tag = Tag::Node};
    if (const auto* func = dynamic_cast<const TCalcOperateFunc*>(&node)) {
        item.kind = func->FuncID;
    } else if (const auto* multi = dynamic_cast<const TCalcOperateMultiFunc*>(&node)) {
        item.kind = multi->FuncID;
        if (multi->Array1()) item.list1 = static_cast<std::int32_t>(multi->Array1()->size());
        if (multi->Array2()) item.list2 = static_cast<std::int32_t>(multi->Array2()->size());
    } else if (const auto* function = dynamic_cast<const TCalcOperateUserFunc*>(&node)) {
        item.text = AddText(function->FuncName);
    } else if (const auto* program = dynamic_cast<const TCalcOperateUserProgram*>(&node)) {
        item.text = AddText(program->PrgName);
        AddText(program->ResName);
    }
    items_.push_back(item);
}

void TValueImage::AddNamed(const TCalcValue& value, ICalcVarsBase& set) {
    const TCalcValueWarper* entry = set.Find(value.Name());
    if (entry && entry->Value.get() == &value) {
        items_.push_back(Item{.text = AddText(value.Name()), .tag = Tag::Named});
        return;
    }
    Item item{.number = value.Number(),
              .text = AddText(value.Name()),
              .kind = value.CVType(),
              .tag = Tag::Foreign};
    if (!value.ErrorText().empty()) item.list2 = AddText(value.ErrorText());
    items_.push_back(item);
}

std::int32_t TValueImage::AddText(const std::string& text) {
    texts_.push_back(text);
    return static_cast<std::int32_t>(texts_.size() - 1);
}

const std::string& TValueImage::Text(std::int32_t index) const {
    static const std::string none;
    return index < 0 ? none : texts_[static_cast<std::size_t>(index)];
}

// --- Rebuilding -----------------------------------------------------------------

std::unique_ptr<TCalcOperate> TValueImage::BuildNode(const Item& item) const {
    std::unique_ptr<TCalcOperate> node = CreateOperateByClassName(item.className);
    if (auto* func = dynamic_cast<TCalcOperateFunc*>(node.get())) {
        func->FuncID = item.kind;
    } else if (auto* multi = dynamic_cast<TCalcOperateMultiFunc*>(node.get())) {
        multi->FuncID = item.kind;
        if (item.list1 >= 0) multi->EnsureArray1();
        if (item.list2 >= 0) multi->EnsureArray2();
    } else if (auto* function = dynamic_cast<TCalcOperateUserFunc*>(node.get())) {
        function->FuncName = Text(item.text);
    } else if (auto* program = dynamic_cast<TCalcOperateUserProgram*>(node.get())) {
        program->PrgName = Text(item.text);
        program->ResName = Text(item.text + 1);
    }
    return node;
}

void TValueImage::SetContent(TCalcValue& value, const Item& item) const {
    value.SetNumber(item.number);
    value.SetCVType(item.kind);
    value.SetErrorText(Text(item.text));
}

void TValueImage::ApplyTo(TCalcValue& value, ICalcVarsBase& set) const {
    if (items_.empty()) return;
    std::vector<TFrame> frames;
    std::vector<TCalcValue*> byOrdinal;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        ValueRef child;
        TCalcValue* built = nullptr;
        switch (item.tag) {
            case Tag::Value:
                if (i == 0) {
                    built = &value;
                } else {
                    child = TCalcValue::New();
                    built = child.get();
                }
                SetContent(*built, item);
                if (shared_) byOrdinal.push_back(built);
                break;
            case Tag::Named:
                // The variable is there: the document is as the image found it.
                child = ValueRef(set.GetValue(Text(item.text)));
                break;
            case Tag::Foreign:
                child = TCalcValue::New(item.number, item.kind);
                child->SetErrorText(Text(item.list2));
                child->SetName(Text(item.text));
                break;
            case Tag::Shared:
                child = ValueRef(byOrdinal[static_cast<std::size_t>(item.count)]);
                break;
            case Tag::Null:
            case Tag::Node:
                break;
        }
        if (i > 0) AttachChild(frames.back(), std::move(child));
        if (built && item.hasTree) {
            const Item& nodeItem = items_[++i];
            std::unique_ptr<TCalcOperate> node = BuildNode(nodeItem);
            TCalcOperate* raw = node.get();
            built->AttachOperate(std::move(node));
            const int list1 = std::max(nodeItem.list1, 0);
            const int total = nodeItem.count + list1 + std::max(nodeItem.list2, 0);
            if (total > 0)
                frames.push_back(TFrame{raw, dynamic_cast<TCalcOperateMultiFunc*>(raw), 0,
                                        nodeItem.count, list1, total});
        } else if (i == 0) {
            value.AttachOperate(nullptr);
        }
        while (!frames.empty() && frames.back().next == frames.back().total)
            frames.pop_back();
    }
}

void TValueImage::ApplyNumbersTo(TCalcValue& value) const {
    std::size_t next = 0;
    bool shapeHolds = true;
    WalkTree(value, [&](TStep step, const TCalcValue* current, int) {
        if (!shapeHolds || next >= items_.size()) {
            shapeHolds = false;
            return;
        }
        const Item& item = items_[next++];
        if (step != TStep::Value) return;
        if (item.tag != Tag::Value || item.hasTree != (current->Operate() != nullptr)) {
            shapeHolds = false;
            return;
        }
        // Only the numbers differ from the tree the image was taken from.
        SetContent(const_cast<TCalcValue&>(*current), item);
        if (item.hasTree) ++next;
    });
}

std::size_t TValueImage::Bytes() const {
    std::size_t bytes =
        sizeof(*this) + items_.capacity() * sizeof(Item) + texts_.capacity() * sizeof(std::string);
    for (const std::string& text : texts_)
        bytes += text.capacity() > 15 ? text.capacity() + 1 : std::size_t{0};
    return bytes;
}

// --- Entries --------------------------------------------------------------------

TEntryImage TEntryImage::Capture(const TCalcValueWarper& entry, ICalcVarsBase& set) {
    TEntryImage image{entry.GetName(), entry.Type, entry.Description, {}};
    if (entry.Value) image.Value = TValueImage::Capture(*entry.Value, set);
    return image;
}

std::unique_ptr<TCalcValueWarper> TEntryImage::Build(ICalcVarsBase& set) const {
    ValueRef value = TCalcValue::New();
    Value.ApplyTo(*value, set);
    value->SetName(Name);
    auto entry = std::make_unique<TCalcValueWarper>(std::move(value));
    entry->Type = Type;
    entry->Description = Description;
    return entry;
}

std::size_t TEntryImage::Bytes() const {
    auto heap = [](const std::string& text) {
        return text.capacity() > 15 ? text.capacity() + 1 : std::size_t{0};
    };
    return sizeof(*this) - sizeof(TValueImage) + Value.Bytes() + heap(Name) + heap(Description);
}

}  // namespace quillix

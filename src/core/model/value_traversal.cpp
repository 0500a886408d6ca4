// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/value_traversal.h"

#include "model/calc_operate.h"
#include "model/calc_value.h"

namespace quillix {

namespace {

// Each walk gets two fresh marks: "on the path" and "done".
std::uint64_t NextEpoch() {
    static std::uint64_t epoch = 0;
    epoch += 2;
    return epoch;
}

struct Frame {
    TCalcValue* value;
    int next;
    int count;
};

}  // namespace

TCalcValue* ValueTraversal::Neighbour(const TCalcValue& value, int index, Direction direction) {
    if (direction == Direction::kOperands) return value.Operate()->EvaluationChild(index);
    return value.ReferrerAt(index)->Owner();
}

int ValueTraversal::NeighbourCount(const TCalcValue& value, Direction direction) {
    if (direction == Direction::kDependants) return value.ReferrerCount();
    const TCalcOperate* node = value.Operate();
    return node ? node->EvaluationChildCount() : 0;
}

ValueTraversal::Walk ValueTraversal::DepthFirst(std::span<TCalcValue* const> starts,
                                                Direction direction) {
    const std::uint64_t onPath = NextEpoch();
    const std::uint64_t done = onPath + 1;
    Walk walk;
    // The path of a long chain is long: its frames keep their room from walk
    // to walk, rather than being allocated afresh (and, past the allocator's
    // threshold, faulted into memory page by page) for every change.
    static thread_local std::vector<Frame> stack;
    stack.clear();
    for (TCalcValue* start : starts) {
        if (!start || start->mark_ == done) continue;
        start->mark_ = onPath;
        stack.push_back(Frame{start, 0, NeighbourCount(*start, direction)});
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.next >= frame.count) {
                frame.value->mark_ = done;
                walk.postOrder.emplace_back(frame.value);
                stack.pop_back();
                continue;
            }
            TCalcValue* next = Neighbour(*frame.value, frame.next++, direction);
            if (!next || next->mark_ == done) continue;
            if (next->mark_ == onPath) {
                // Every value on the path from next to here lies on a cycle.
                for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
                    walk.cyclic.insert(it->value);
                    if (it->value == next) break;
                }
                continue;
            }
            next->mark_ = onPath;
            stack.push_back(Frame{next, 0, NeighbourCount(*next, direction)});
        }
    }
    return walk;
}

bool ValueTraversal::IsCyclic(const Walk& walk, const TCalcValue* value) {
    return !walk.cyclic.empty() && walk.cyclic.count(value) != 0;
}

void ValueTraversal::RecalculateTrees(std::span<TCalcValue* const> roots) {
    const Walk walk = DepthFirst(roots, Direction::kOperands);
    for (TCalcValue* value : walk.postOrder) {
        if (IsCyclic(walk, value)) {
            value->SetError(kMsgCircularReference);
        } else {
            value->EvaluateOperate();
        }
    }
}

void ValueTraversal::RecalculateBelow(const TCalcOperate& node) {
    std::vector<TCalcValue*> children;
    children.reserve(static_cast<std::size_t>(node.EvaluationChildCount()));
    for (int i = 0; i < node.EvaluationChildCount(); ++i)
        children.push_back(node.EvaluationChild(i));
    RecalculateTrees(children);
}

std::size_t ValueTraversal::RecalculateDependants(TCalcValue& source) {
    TCalcValue* start = &source;
    const Walk walk = DepthFirst(std::span<TCalcValue* const>(&start, 1), Direction::kDependants);
    std::size_t evaluated = 0;
    // Reverse post-order: the source first, then each value after all it uses.
    for (auto it = walk.postOrder.rbegin(); it != walk.postOrder.rend(); ++it) {
        TCalcValue* value = *it;
        if (IsCyclic(walk, value)) {
            value->SetError(kMsgCircularReference);
        } else if (value != &source) {
            value->EvaluateOperate();
            ++evaluated;
        }
    }
    return evaluated;
}

std::vector<TCalcValue*> ValueTraversal::DependantsInOrder(TCalcValue& source, bool* cyclic) {
    TCalcValue* start = &source;
    const Walk walk = DepthFirst(std::span<TCalcValue* const>(&start, 1), Direction::kDependants);
    if (cyclic) *cyclic = !walk.cyclic.empty();
    std::vector<TCalcValue*> order;
    order.reserve(walk.postOrder.size());
    for (auto it = walk.postOrder.rbegin(); it != walk.postOrder.rend(); ++it) {
        if (*it != &source) order.push_back(*it);
    }
    return order;
}

void ValueTraversal::CollectNamesBelow(const TCalcOperate& node, std::vector<std::string>& names) {
    std::vector<TCalcValue*> children;
    for (int i = 0; i < node.EvaluationChildCount(); ++i)
        children.push_back(node.EvaluationChild(i));
    const Walk walk = DepthFirst(children, Direction::kOperands);
    // Post-order puts operands first; names are wanted in tree order, but only
    // the set of names matters to its users.
    for (auto it = walk.postOrder.rbegin(); it != walk.postOrder.rend(); ++it) {
        if ((*it)->IsNamed()) names.push_back((*it)->Name());
    }
}

}  // namespace quillix

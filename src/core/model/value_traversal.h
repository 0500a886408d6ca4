// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Walks over the value graph with explicit work lists instead of recursion, so
// that a million-level tree or chain never exhausts the stack, and visits every
// value once however many paths lead to it (a lattice of shared values stays
// linear). Used for re-evaluation (bottom-up and upward through dependants) and
// for collecting the names a formula uses. A cycle, which only misuse can build,
// turns the values on it into error values instead of looping.

#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/value_ref.h"

namespace quillix {

class TCalcOperate;
class TCalcValue;

inline constexpr const char* kMsgCircularReference = "Circular reference";

class ValueTraversal {
  public:
    // Re-evaluates, bottom-up, every value with a tree below and including each
    // root, each value once (operands before users).
    static void RecalculateTrees(std::span<TCalcValue* const> roots);
    // The same for the values below a node (not its owner).
    static void RecalculateBelow(const TCalcOperate& node);
    // Re-evaluates every value that depends on source, transitively, each once
    // and operands before their users. Returns how many values were evaluated.
    static std::size_t RecalculateDependants(TCalcValue& source);
    // The values RecalculateDependants would re-evaluate, in its order (source
    // not included), for a caller that re-evaluates them many times; *cyclic
    // tells whether some of them lie on a cycle.
    static std::vector<TCalcValue*> DependantsInOrder(TCalcValue& source, bool* cyclic);
    // Appends the names of the named values in and below node (each value once).
    static void CollectNamesBelow(const TCalcOperate& node, std::vector<std::string>& names);

  private:
    enum class Direction { kOperands, kDependants };
    struct Walk {
        // Plain pointers: evaluating a value computes its number and never
        // destroys a value of the graph being walked, and the walk's starting
        // values are held by the callers.
        std::vector<TCalcValue*> postOrder;
        std::unordered_set<const TCalcValue*> cyclic;
    };
    static Walk DepthFirst(std::span<TCalcValue* const> starts, Direction direction);
    static int NeighbourCount(const TCalcValue& value, Direction direction);
    static TCalcValue* Neighbour(const TCalcValue& value, int index, Direction direction);
    static bool IsCyclic(const Walk& walk, const TCalcValue* value);
};

}  // namespace quillix

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TValueImage: an inert copy of what a value holds (number, kind, error text)
// and of the tree below it, to be put back later by the undo history. It holds
// no value of the document: a variable the formula uses is kept by its name
// and found again by name when the image is applied (the history applies an
// image only to the document in the state the image was taken from, where the
// name means the same variable). Unnamed values shared inside the tree stay
// shared. Trees of any depth are walked with work lists, never by recursion.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/calc_vars_intf.h"

namespace quillix {

class TCalcOperate;

class TValueImage {
  public:
    // The content of value (not its name) and its tree. The variables of set
    // are kept by name; a named value of no variable of set (a variable of a
    // set that is gone) by its name and number, to come back as a copy.
    static TValueImage Capture(const TCalcValue& value, ICalcVarsBase& set);

    // Gives value this content: its tree is rebuilt over the variables of set
    // and nothing is evaluated, so every value has the number it had.
    void ApplyTo(TCalcValue& value, ICalcVarsBase& set) const;
    // Gives the values of value's tree the numbers, kinds and error texts of
    // this image, where the tree still has the shape the image was taken from.
    void ApplyNumbersTo(TCalcValue& value) const;

    bool Empty() const { return items_.empty(); }
    // The memory the image holds.
    std::size_t Bytes() const;

  private:
    enum class Tag : std::uint8_t { Value, Node, Named, Foreign, Shared, Null };
    struct Item {
        long double number = 0;           // Value, Foreign
        const char* className = nullptr;  // Node
        // Value: error text; Node: first name; Named, Foreign: name.
        std::int32_t text = -1;
        std::int32_t count = 0;   // Node: operands; Shared: the value's ordinal
        std::int32_t list1 = -1;  // Node: list sizes of a multi-argument function (-1: none);
        std::int32_t list2 = -1;  // Foreign: error text
        std::uint8_t kind = 0;    // Value, Foreign: the kind; Node: the function's identifier
        Tag tag = Tag::Value;
        bool hasTree = false;  // Value
    };

    void AddValue(const TCalcValue& value);
    void AddNode(const TCalcOperate& node);
    void AddNamed(const TCalcValue& value, ICalcVarsBase& set);
    std::int32_t AddText(const std::string& text);
    const std::string& Text(std::int32_t index) const;
    std::unique_ptr<TCalcOperate> BuildNode(const Item& item) const;
    void SetContent(TCalcValue& value, const Item& item) const;

    std::vector<Item> items_;
    std::vector<std::string> texts_;
    bool shared_ = false;
};

// A whole entry: name, role, description and value.
struct TEntryImage {
    std::string Name;
    std::uint8_t Type = 0;
    std::string Description;
    TValueImage Value;

    static TEntryImage Capture(const TCalcValueWarper& entry, ICalcVarsBase& set);
    // A new entry with this content (its value named), over the variables of set.
    std::unique_ptr<TCalcValueWarper> Build(ICalcVarsBase& set) const;
    std::size_t Bytes() const;
};

}  // namespace quillix

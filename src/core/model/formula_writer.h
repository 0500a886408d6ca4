// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Formula text without recursion: a node describes its text as a sequence of
// literal pieces and operand slots; the renderer expands the slots with an
// explicit work list, so a tree a million levels deep renders without
// exhausting the stack.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillix {

class TCalcOperate;
class TCalcValue;

class FormulaWriter {
  public:
    // A literal piece. The text must outlive the rendering (string literals, or
    // strings owned by the node or a value of the tree).
    void Text(std::string_view text);
    // A literal piece made on the fly; the writer keeps it.
    void OwnedText(std::string text);
    // The operand's reference text: its name if named, otherwise its formula.
    void RefText(const TCalcValue* value);
    // The reference text, in parentheses when parenthesise is set.
    void RefText(const TCalcValue* value, bool parenthesise);
    // Brackets one element of a list: the element's text is put in double quotes
    // (inner quotes doubled) when it holds a blank, a control character, a comma
    // or a double quote.
    void BeginListItem();
    void EndListItem();

    struct Piece {
        enum Kind { kText, kRefText, kBeginItem, kEndItem } kind;
        std::string_view text;
        const TCalcValue* value = nullptr;
    };
    std::vector<Piece>& Pieces() { return pieces_; }
    std::vector<std::unique_ptr<std::string>>& OwnedTexts() { return owned_; }

  private:
    std::vector<Piece> pieces_;
    std::vector<std::unique_ptr<std::string>> owned_;
};

// The formula of a node's tree.
std::string RenderNodeFormula(const TCalcOperate& node);
// GetFormulaText and GetRefText of a value.
std::string RenderValueFormula(const TCalcValue& value);
std::string RenderValueRefText(const TCalcValue& value);

}  // namespace quillix

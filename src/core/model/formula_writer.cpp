// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formula_writer.h"

#include "model/calc_operate.h"
#include "model/calc_value.h"

namespace quillix {

void FormulaWriter::Text(std::string_view text) {
    pieces_.push_back(Piece{Piece::kText, text, nullptr});
}

void FormulaWriter::OwnedText(std::string text) {
    owned_.push_back(std::make_unique<std::string>(std::move(text)));
    Text(*owned_.back());
}

void FormulaWriter::RefText(const TCalcValue* value) {
    pieces_.push_back(Piece{Piece::kRefText, {}, value});
}

void FormulaWriter::RefText(const TCalcValue* value, bool parenthesise) {
    if (parenthesise) Text("(");
    RefText(value);
    if (parenthesise) Text(")");
}

void FormulaWriter::BeginListItem() {
    pieces_.push_back(Piece{Piece::kBeginItem, {}, nullptr});
}

void FormulaWriter::EndListItem() {
    pieces_.push_back(Piece{Piece::kEndItem, {}, nullptr});
}

namespace {

bool NeedsQuotes(std::string_view text) {
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u <= ' ' || c == ',' || c == '"' || u == 0x7f) return true;
    }
    return false;
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

class FormulaRenderer {
  public:
    std::string Render(const TCalcOperate& root) {
        buffers_.assign(1, std::string());
        Expand(root);
        while (!work_.empty()) {
            const FormulaWriter::Piece piece = work_.back();
            work_.pop_back();
            Apply(piece);
        }
        return std::move(buffers_.front());
    }

  private:
    void Apply(const FormulaWriter::Piece& piece) {
        switch (piece.kind) {
            case FormulaWriter::Piece::kText:
                buffers_.back() += piece.text;
                break;
            case FormulaWriter::Piece::kRefText:
                AppendRefText(piece.value);
                break;
            case FormulaWriter::Piece::kBeginItem:
                buffers_.emplace_back();
                break;
            case FormulaWriter::Piece::kEndItem: {
                std::string item = std::move(buffers_.back());
                buffers_.pop_back();
                buffers_.back() += NeedsQuotes(item) ? Quoted(item) : item;
                break;
            }
        }
    }

    void AppendRefText(const TCalcValue* value) {
        if (!value) return;
        if (value->IsNamed()) {
            buffers_.back() += value->Name();
        } else if (!value->Operate()) {
            buffers_.back() += value->FormatValue(kPlainStyle);
        } else {
            Expand(*value->Operate());
        }
    }

    void Expand(const TCalcOperate& node) {
        FormulaWriter writer;
        node.AppendFormula(writer);
        std::vector<FormulaWriter::Piece>& pieces = writer.Pieces();
        work_.insert(work_.end(), pieces.rbegin(), pieces.rend());
        for (auto& text : writer.OwnedTexts())
            owned_.push_back(std::move(text));
    }

    std::vector<std::string> buffers_;
    std::vector<FormulaWriter::Piece> work_;
    std::vector<std::unique_ptr<std::string>> owned_;  // texts the pieces point into
};

}  // namespace

std::string RenderNodeFormula(const TCalcOperate& node) {
    return FormulaRenderer().Render(node);
}

std::string RenderValueFormula(const TCalcValue& value) {
    if (!value.Operate()) return value.FormatValue(kPlainStyle);
    return RenderNodeFormula(*value.Operate());
}

std::string RenderValueRefText(const TCalcValue& value) {
    if (value.IsNamed()) return value.Name();
    return RenderValueFormula(value);
}

}  // namespace quillix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formula_reader.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "common/text_compare.h"
#include "functions/func_catalogue.h"
#include "model/calc_commands.h"
#include "model/calc_value.h"
#include "model/calc_value_warper.h"
#include "model/calc_vars_intf.h"
#include "model/formula_calls.h"
#include "model/formula_date_text.h"
#include "model/formula_tokens.h"
#include "model/operate_binary.h"
#include "model/operate_factory.h"
#include "model/operate_ref.h"

namespace quillix {

namespace {

// A quoted list element is read as a formula of its own; each level of quoting
// doubles the quotes inside, so real texts stay far below this.
constexpr int kMaxQuoteDepth = 32;

// A fault found while reading: where, and what (the position is added once it
// is known in the outermost text).
struct ReadFault {
    std::size_t offset;
    std::string what;
};

[[noreturn]] void Fail(std::size_t offset, std::string what) {
    throw ReadFault{offset, std::move(what)};
}

struct PendingOperator {
    std::uint8_t code;  // ccChangeSign for the prefix minus
    int level;
    std::size_t offset;
};

// What is open: the whole text, a parenthesis, a call, or a list argument.
// Kept small, as a deep text opens one per level.
struct Frame {
    enum Kind : std::uint8_t { kTop, kParen, kCall, kList } kind = kTop;
    std::size_t offset = 0;        // where it opened
    std::size_t operatorBase = 0;  // the operators and operands below it
    std::size_t valueBase = 0;
};

// An open call: a catalogue row, or a user function or program by name, with
// its arguments so far and the elements of its open list.
struct OpenCallData {
    const TFuncDataItem* row = nullptr;
    std::string name;
    std::optional<std::string> resultName;
    std::vector<CallArgument> args;
    std::vector<ValueRef> elements;
};

class FormulaReader {
  public:
    FormulaReader(std::string_view text, const FormulaReaderOptions& options, int depth)
        : text_(text), options_(options), depth_(depth) {
        CollectOddNames();
    }

    ValueRef Read() {
        frames_.emplace_back();
        Expect expect = Expect::kOperand;
        while (true) {
            SkipBlanks();
            switch (expect) {
                case Expect::kOperand:
                    expect = ReadOperand();
                    break;
                case Expect::kOperator:
                    if (AtEnd()) return Finish();
                    expect = ReadOperator();
                    break;
                case Expect::kArgumentEnd:
                    expect = ReadArgumentEnd();
                    break;
            }
        }
    }

  private:
    enum class Expect { kOperand, kOperator, kArgumentEnd };

    bool AtEnd() const { return pos_ >= text_.size(); }

    void SkipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
    }

    static std::string Quote(std::string_view text) { return "'" + std::string(text) + "'"; }

    [[noreturn]] void FailUnexpected() const {
        Fail(pos_, "unexpected " + Quote(text_.substr(pos_, 1)));
    }

    bool AtFrameStart(const Frame& frame) const {
        return values_.size() == frame.valueBase && operators_.size() == frame.operatorBase;
    }

    void OpenFrame(Frame::Kind kind) {
        Frame frame;
        frame.kind = kind;
        frame.offset = pos_;
        frame.operatorBase = operators_.size();
        frame.valueBase = values_.size();
        frames_.push_back(std::move(frame));
    }

    ValueRef PopValue() {
        ValueRef value = std::move(values_.back());
        values_.pop_back();
        return value;
    }

    // --- Operands ------------------------------------------------------------

    Expect ReadOperand() {
        if (AtEnd()) Fail(pos_, "operand expected");
        const char c = text_[pos_];
        const Frame& frame = frames_.back();
        if (frame.kind == Frame::kCall && AtFrameStart(frame)) {
            const OpenCallData& call = calls_.back();
            if (c == ')' && call.args.empty() && !call.resultName) {
                ++pos_;
                CloseCall();
                return Expect::kOperator;
            }
            if (call.row && IsListParameter(*call.row, call.args.size())) {
                if (c != '[') Fail(pos_, "'[' expected");
                OpenFrame(Frame::kList);
                ++pos_;
                return Expect::kOperand;
            }
        }
        if (frame.kind == Frame::kList && AtFrameStart(frame)) {
            if (c == ']' && calls_.back().elements.empty()) {
                ++pos_;
                CloseList();
                return Expect::kArgumentEnd;
            }
            if (c == '"') {
                values_.push_back(ReadQuotedElement());
                return Expect::kOperator;
            }
        }
        if (ReadOddName()) return Expect::kOperator;
        if (c == '-' || c == '.' || (c >= '0' && c <= '9')) {
            // A negative number is one piece; "-0" is the sign of 0, as -0
            // itself shows as 0.
            const std::size_t end = NumberEnd(text_, pos_, true);
            if (end > pos_ && !(c == '-' && ParseDecimal(text_.substr(pos_, end - pos_)) == 0.0L)) {
                values_.push_back(ReadNumber(end));
                return Expect::kOperator;
            }
            if (c == '-') {
                operators_.push_back({ccChangeSign, kSignLevel, pos_++});
                return Expect::kOperand;
            }
        }
        if (c == '(') {
            OpenFrame(Frame::kParen);
            ++pos_;
            return Expect::kOperand;
        }
        if (c == '[') {
            values_.push_back(ReadDate());
            return Expect::kOperator;
        }
        if (IsNameStart(c)) return ReadName();
        if (c == ')' || c == ']' || c == ',') Fail(pos_, "operand expected");
        FailUnexpected();
    }

    ValueRef ReadNumber(std::size_t end) {
        const std::string_view spelling = text_.substr(pos_, end - pos_);
        const std::optional<long double> number = ParseDecimal(spelling);
        if (!number) Fail(pos_, "number " + Quote(spelling) + " out of range");
        pos_ = end;
        return TCalcValue::New(*number);
    }

    ValueRef ReadDate() {
        const std::size_t close = text_.find(']', pos_);
        if (close == std::string_view::npos) Fail(text_.size(), "']' expected");
        const std::string_view inner = text_.substr(pos_ + 1, close - pos_ - 1);
        const std::optional<double> day = ReadDateText(inner);
        if (!day) Fail(pos_, "invalid date " + Quote(inner));
        pos_ = close + 1;
        return TCalcValue::NewDate(*day);
    }

    ValueRef ReadQuotedElement() {
        const std::optional<QuotedText> quoted = ReadQuoted(text_, pos_);
        if (!quoted) Fail(pos_, "closing '\"' expected");
        if (depth_ >= kMaxQuoteDepth) Fail(pos_, "quoted elements nested too deep");
        try {
            ValueRef value = FormulaReader(quoted->text, options_, depth_ + 1).Read();
            pos_ = quoted->end;
            return value;
        } catch (ReadFault& fault) {
            // Back to a position in this text.
            fault.offset = quoted->origins[std::min(fault.offset, quoted->origins.size() - 1)];
            throw;
        }
    }

    Expect ReadName() {
        const std::size_t start = pos_;
        const std::size_t end = NameEnd(text_, pos_);
        const std::string_view name = text_.substr(start, end - start);
        pos_ = end;
        SkipBlanks();
        if (!AtEnd() && text_[pos_] == '(') {
            ++pos_;
            return OpenCall(name, start);
        }
        pos_ = end;
        if (ValueRef reference = VariableReference(name)) {
            values_.push_back(std::move(reference));
            return Expect::kOperator;
        }
        if (name == "INF" || name == "NAN") {
            values_.push_back(TCalcValue::New(*ParseDecimal(name, true)));
            return Expect::kOperator;
        }
        Fail(start, "unknown name " + Quote(name));
    }

    ValueRef VariableReference(std::string_view name) const {
        if (!options_.vars) return nullptr;
        TCalcValueWarper* entry = options_.vars->Find(std::string(name));
        return entry && entry->Value ? entry->Value->MakeReference() : nullptr;
    }

    // Variables whose names the name rule cannot read whole ("Net pay",
    // "2nd") are matched as they are spelled, the longest first.
    void CollectOddNames() {
        if (!options_.vars) return;
        for (const auto& entry : options_.vars->GetItems()) {
            if (entry && entry->Value && !IsPlainName(entry->GetName()))
                oddNames_.push_back(entry->Value.get());
        }
        std::sort(oddNames_.begin(), oddNames_.end(),
                  [](TCalcValue* a, TCalcValue* b) { return a->Name().size() > b->Name().size(); });
    }

    bool ReadOddName() {
        for (TCalcValue* variable : oddNames_) {
            const std::string& name = variable->Name();
            if (name.empty() || !EqualsIgnoreAsciiCase(text_.substr(pos_, name.size()), name))
                continue;
            const std::size_t end = pos_ + name.size();
            if (IsNamePart(name.back()) && end < text_.size() && IsNamePart(text_[end])) continue;
            values_.push_back(variable->MakeReference());
            pos_ = end;
            return true;
        }
        return false;
    }

    // --- Calls and lists -------------------------------------------------------

    std::string LibraryName(std::string_view name, std::size_t start, const FormulaNameLookup& find,
                            const char* kind) const {
        if (!find) return std::string(name);
        std::optional<std::string> found = find(name);
        if (!found) Fail(start, std::string("unknown ") + kind + " " + Quote(name));
        return std::move(*found);
    }

    Expect OpenCall(std::string_view name, std::size_t start) {
        OpenFrame(Frame::kCall);
        frames_.back().offset = start;
        calls_.emplace_back();
        OpenCallData& call = calls_.back();
        SkipBlanks();
        if (!AtEnd() && text_[pos_] == '\'') {
            const std::size_t close = text_.find('\'', pos_ + 1);
            if (close == std::string_view::npos) Fail(text_.size(), "closing \"'\" expected");
            call.resultName = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
            call.name = LibraryName(name, start, options_.findProgram, "program");
            pos_ = close + 1;
            return Expect::kArgumentEnd;
        }
        call.row = FindFuncByName(name);
        if (!call.row) call.name = LibraryName(name, start, options_.findUserFunction, "function");
        return Expect::kOperand;
    }

    Expect ReadArgumentEnd() {
        if (AtEnd()) Fail(pos_, "')' expected");
        if (text_[pos_] == ',') {
            ++pos_;
            return Expect::kOperand;
        }
        if (text_[pos_] == ')') {
            ++pos_;
            CloseCall();
            return Expect::kOperator;
        }
        Fail(pos_, "',' or ')' expected");
    }

    void CloseCall() {
        const std::size_t offset = frames_.back().offset;
        frames_.pop_back();
        OpenCallData call = std::move(calls_.back());
        calls_.pop_back();
        std::unique_ptr<TCalcOperate> node;
        if (call.row) {
            std::string failure;
            node = MakeCatalogueCall(*call.row, call.args, &failure);
            if (!node) Fail(offset, failure);
        } else {
            node = MakeUserCall(call.name, call.resultName, call.args);
        }
        values_.push_back(TCalcValue::NewComputed(std::move(node)));
    }

    void CloseList() {
        frames_.pop_back();
        OpenCallData& call = calls_.back();
        CallArgument argument;
        argument.isList = true;
        argument.elements = std::move(call.elements);
        call.elements.clear();
        call.args.push_back(std::move(argument));
    }

    // --- Operators -----------------------------------------------------------

    Expect ReadOperator() {
        const Frame& frame = frames_.back();
        switch (text_[pos_]) {
            case ')':
                if (frame.kind == Frame::kList) Fail(pos_, "']' expected");
                if (frame.kind == Frame::kTop) FailUnexpected();
                ReduceFrame();
                ++pos_;
                if (frame.kind == Frame::kParen) {
                    frames_.pop_back();
                    SignInParentheses();
                } else {
                    TakeArgument();
                    CloseCall();
                }
                return Expect::kOperator;
            case ',':
                if (frame.kind == Frame::kParen) Fail(pos_, "')' expected");
                if (frame.kind == Frame::kTop) FailUnexpected();
                ReduceFrame();
                ++pos_;
                if (frame.kind == Frame::kList) {
                    calls_.back().elements.push_back(PopValue());
                } else {
                    TakeArgument();
                }
                return Expect::kOperand;
            case ']':
                if (frame.kind != Frame::kList) FailUnexpected();
                ReduceFrame();
                ++pos_;
                calls_.back().elements.push_back(PopValue());
                CloseList();
                return Expect::kArgumentEnd;
            case '%':
                ApplyPercent();
                return Expect::kOperator;
            default:
                break;
        }
        const std::optional<FormulaOperator> op = OperatorAt(text_, pos_);
        if (!op) Fail(pos_, "operator expected");
        // "^" groups to the right; every other operator to the left.
        while (operators_.size() > frame.operatorBase &&
               (operators_.back().level > op->level ||
                (operators_.back().level == op->level && op->level != kPowerLevel))) {
            ApplyTop();
        }
        operators_.push_back({op->code, op->level, pos_});
        pos_ += op->length;
        return Expect::kOperand;
    }

    // A negative number is never put in parentheses, a sign node is: "-(-5)"
    // is the sign of the sign of 5, "--5" the sign of the number -5.
    void SignInParentheses() {
        TCalcValue& content = *values_.back();
        if (content.Operate() || content.CVType() != cvNumber || std::isnan(content.Number()) ||
            !std::signbit(content.Number())) {
            return;
        }
        auto node = std::make_unique<TCalcOperateSign>();
        node->AddOperand(TCalcValue::New(-content.Number()));
        values_.back() = TCalcValue::NewComputed(std::move(node));
    }

    void TakeArgument() {
        CallArgument argument;
        argument.value = PopValue();
        calls_.back().args.push_back(std::move(argument));
    }

    // a*b% is the percent node over a and b: the "*" pending below the "%" is it.
    void ApplyPercent() {
        const Frame& frame = frames_.back();
        while (operators_.size() > frame.operatorBase && operators_.back().level > kProductLevel)
            ApplyTop();
        if (operators_.size() == frame.operatorBase || operators_.back().code != ccMultiply) {
            Fail(pos_, "'%' without a product before it");
        }
        operators_.pop_back();
        ++pos_;
        auto node = std::make_unique<TCalcOperatePercent>();
        ValueRef right = PopValue();
        node->AddOperand(PopValue());
        node->AddOperand(std::move(right));
        values_.push_back(TCalcValue::NewComputed(std::move(node)));
    }

    void ApplyTop() {
        const PendingOperator op = operators_.back();
        operators_.pop_back();
        std::unique_ptr<TCalcOperate> node;
        if (op.code == ccChangeSign) {
            node = std::make_unique<TCalcOperateSign>();
            node->AddOperand(PopValue());
        } else {
            node = CreateOperateForOperator(op.code);
            ValueRef right = PopValue();
            node->AddOperand(PopValue());
            node->AddOperand(std::move(right));
        }
        values_.push_back(TCalcValue::NewComputed(std::move(node)));
    }

    void ReduceFrame() {
        while (operators_.size() > frames_.back().operatorBase)
            ApplyTop();
    }

    ValueRef Finish() {
        const Frame& frame = frames_.back();
        if (frame.kind == Frame::kList) Fail(pos_, "']' expected");
        if (frame.kind != Frame::kTop) Fail(pos_, "')' expected");
        ReduceFrame();
        return PopValue();
    }

    std::string_view text_;
    const FormulaReaderOptions& options_;
    int depth_;
    std::size_t pos_ = 0;
    std::vector<ValueRef> values_;
    std::vector<PendingOperator> operators_;
    std::vector<Frame> frames_;
    std::vector<OpenCallData> calls_;  // one per open call frame
    std::vector<TCalcValue*> oddNames_;
};

}  // namespace

FormulaReadResult ReadFormula(std::string_view text, const FormulaReaderOptions& options) {
    FormulaReadResult result;
    try {
        result.value = FormulaReader(text, options, 0).Read();
    } catch (const ReadFault& fault) {
        const std::size_t offset = std::min(fault.offset, text.size());
        const std::size_t column = ColumnOf(text, offset);
        result.error =
            FormulaReadError{fault.what + " at " + std::to_string(column), offset, column};
    }
    return result;
}

std::vector<std::string> FormulaFunctionNames() {
    std::vector<std::string> names;
    names.reserve(FuncCount);
    for (int id = 1; id <= FuncCount; ++id) {
        if (const TFuncDataItem* row = FindFunc(id)) names.push_back(row->Name);
    }
    return names;
}

}  // namespace quillix

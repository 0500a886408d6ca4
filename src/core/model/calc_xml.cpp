// SPDX-License-Identifier: GPL-3.0-or-later
// The reading half of the calculation XML: values, trees and entries built
// from the elements of an XmlPullReader in document order.
#include "model/calc_xml.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "common/text_compare.h"
#include "common/untrusted_text.h"
#include "model/calc_xml_kinds.h"
#include "model/description_code.h"
#include "model/operate_factory.h"
#include "model/operate_func.h"
#include "model/operate_user.h"
#include "model/plain_xml.h"

namespace quillix {

using namespace calc_xml;

namespace {

constexpr const char* kMissing = "Null";
constexpr const char* kText = "String";

// --- Attribute texts and their conversions ------------------------------------

// An attribute's text; nothing when the attribute is missing.
using Text = std::optional<std::string_view>;

Text AttributeText(const XmlPullReader& in, std::string_view name) {
    const XmlPullReader::Attribute* attribute = in.Find(name);
    return attribute ? Text(attribute->value) : std::nullopt;
}

std::string_view Trimmed(std::string_view text) {
    return TrimIf(text, [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

bool IsPlainDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return !text.empty();
}

[[noreturn]] void FailConversion(const char* fromType, const char* toType) {
    throw EXmlLoadError(ConversionErrorText(fromType, toType));
}

std::string_view RequiredText(Text text, const char* toType) {
    if (!text) FailConversion(kMissing, toType);
    return *text;
}

// Texts read from a file are kept as valid UTF-8.
std::string StringText(Text text) {
    return ValidUtf8(RequiredText(text, "String"));
}

// The stored number ("INF", "-INF" and "NAN" included; a "," is taken as the
// decimal point when there is no "."). The text is read straight into the
// extended type: going through a double first would turn a stored 0.05 into
// 0.0500000000000000028 on the display.
long double NumberText(Text attribute) {
    std::string_view text = Trimmed(RequiredText(attribute, "Double"));
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    // Beyond the range of a double only numbers of the extended type are
    // written; a text beyond even that range is refused.
    std::optional<long double> parsed = ParseDecimal(text, true);
    if (!parsed && text.find('.') == std::string_view::npos) {
        if (const std::size_t comma = text.find(','); comma != std::string_view::npos) {
            std::string withPoint(text);
            withPoint[comma] = '.';
            parsed = ParseDecimal(withPoint, true);
        }
    }
    if (!parsed) FailConversion(kText, "Double");
    return *parsed;
}

bool BooleanText(Text attribute) {
    const std::string_view written = RequiredText(attribute, "Boolean");
    if (written == "True") return true;  // as this program writes them
    if (written == "False") return false;
    const std::string_view text = Trimmed(written);
    if (EqualsIgnoreAsciiCase(text, "True")) return true;
    if (EqualsIgnoreAsciiCase(text, "False")) return false;
    const std::optional<long double> number = ParseDecimal(text);
    if (!number) FailConversion(kText, "Boolean");
    return *number != 0;
}

int IntegerText(Text attribute, const char* name, int min, int max) {
    const std::string_view text = Trimmed(RequiredText(attribute, "Integer"));
    long double number = 0;
    if (text.size() == 1 && IsPlainDigits(text)) {
        number = text[0] - '0';  // kinds and types: one digit
    } else if (text.size() <= 9 && IsPlainDigits(text)) {
        for (const char digit : text)
            number = number * 10 + (digit - '0');  // the usual case: plain digits
    } else {
        const std::optional<long double> parsed = ParseDecimal(text);
        if (!parsed || std::trunc(*parsed) != *parsed) FailConversion(kText, "Integer");
        number = *parsed;
    }
    if (number < min || number > max) {
        throw EXmlLoadError(OutOfRangeText(name, std::string(text), min, max));
    }
    return static_cast<int>(number);
}

int IntegerAttribute(const XmlPullReader& in, const char* name, int min, int max) {
    return IntegerText(AttributeText(in, name), name, min, max);
}

std::string StringAttribute(const XmlPullReader& in, const char* name) {
    return StringText(AttributeText(in, name));
}

std::string DescriptionText(Text attribute) {
    std::string error;
    std::optional<std::string> text = DecodeDescription(RequiredText(attribute, "String"), &error);
    if (!text) throw EXmlLoadError(error);
    return TakeValidUtf8(std::move(*text));
}

// The four attributes of a "CalcValue", found in one pass (the first of each
// name counts).
struct ValueAttributes {
    explicit ValueAttributes(const XmlPullReader& in) {
        for (const XmlPullReader::Attribute& a : in.Attributes()) {
            Text* slot = NameIs(a.name, "Name")      ? &name
                         : NameIs(a.name, "Value")   ? &number
                         : NameIs(a.name, "IsNamed") ? &named
                         : NameIs(a.name, "CVType")  ? &kind
                                                     : nullptr;
            if (slot && !*slot) *slot = a.value;
        }
    }
    // A comparison of known length, which the compiler does without a call.
    template <std::size_t N>
    static bool NameIs(std::string_view name, const char (&expected)[N]) {
        return name.size() == N - 1 && std::memcmp(name.data(), expected, N - 1) == 0;
    }
    Text name, number, named, kind;
};

[[noreturn]] void FailBrokenText() {
    throw EXmlNotPlain();
}

// --- Trees --------------------------------------------------------------------

// Builds values and nodes from the elements of the reader in document order.
// The elements still open wait on a list of frames, so the depth of a file
// never reaches the stack. A tree is not evaluated: each value keeps the
// number and kind stored for it until its set recalculates it.
class TreeReader {
  public:
    TreeReader(XmlPullReader& in, ICalcVarsBase* vars) : in_(in), vars_(vars) {}

    // Each reads the element the reader has just started, up to its end.
    ValueRef ReadValue() {
        ValueRef value = NewValue(ValueAttributes(in_));
        ReadBelow(Frame::ForValue(value.get()));
        return value;
    }
    // Null, with the element skipped, when it is not a "CalcValue".
    ValueRef ReadOperand() {
        if (in_.Name() != kValueElement) {
            Skip();
            return nullptr;
        }
        return Operand();
    }
    std::unique_ptr<TCalcOperate> ReadNode() {
        ReadBelow(Frame::ForNode(NewNode(), nullptr));
        return std::move(detached_);
    }

  private:
    struct Frame {
        enum Kind { kValue, kNode, kList } kind;
        TCalcValue* value = nullptr;         // kValue: whose tree may follow; kNode: the owner
        std::unique_ptr<TCalcOperate> node;  // kNode: filled until its end
        bool firstList = true;               // kList: "Array1" or "Array2"
        bool treeRead = false;               // kValue: a later "Operate" is ignored

        static Frame ForValue(TCalcValue* value) { return {kValue, value, nullptr}; }
        static Frame ForNode(std::unique_ptr<TCalcOperate> node, TCalcValue* owner) {
            return {kNode, owner, std::move(node)};
        }
        static Frame ForList(bool first) { return {kList, nullptr, nullptr, first}; }
    };

    void Skip() {
        if (!in_.SkipElement()) FailBrokenText();
    }

    // Reads on from the element of the first frame to its end.
    void ReadBelow(Frame first) {
        const std::size_t base = frames_.size();
        frames_.push_back(std::move(first));
        while (frames_.size() > base) {
            switch (in_.Next()) {
                case XmlPullReader::Event::kStart:
                    Start();
                    break;
                case XmlPullReader::Event::kEnd:
                    End();
                    break;
                default:  // not plain, or the end of the text inside an element
                    FailBrokenText();
            }
        }
    }

    // An element starts inside the innermost open one.
    void Start() {
        Frame& top = frames_.back();
        const std::string_view name = in_.Name();
        switch (top.kind) {
            case Frame::kValue:
                // The writer gives a value at most one tree; anything after it is ignored.
                if (name != kNodeElement || top.treeRead) return Skip();
                top.treeRead = true;
                return frames_.push_back(Frame::ForNode(NewNode(), top.value));
            case Frame::kNode: {
                if (name == kValueElement) {
                    TCalcOperate& node = *top.node;
                    return node.AddOperand(OperandBelow());
                }
                auto* multi = dynamic_cast<TCalcOperateMultiFunc*>(top.node.get());
                const bool first = name == kArray1Element;
                if (!multi || (!first && name != kArray2Element)) return Skip();
                if (first) {
                    multi->EnsureArray1();
                } else {
                    multi->EnsureArray2();
                }
                return frames_.push_back(Frame::ForList(first));
            }
            case Frame::kList: {
                if (name != kValueElement) return Skip();
                const bool first = top.firstList;
                // The frame below a list is its node's.
                auto& multi =
                    static_cast<TCalcOperateMultiFunc&>(*frames_[frames_.size() - 2].node);
                ValueRef item = OperandBelow();
                if (first) {
                    multi.AddArray1Element(std::move(item));
                } else {
                    multi.AddArray2Element(std::move(item));
                }
                return;
            }
        }
    }

    void End() {
        Frame frame = std::move(frames_.back());
        frames_.pop_back();
        if (frame.kind != Frame::kNode) return;
        if (frame.value) {
            frame.value->AttachOperate(std::move(frame.node));
        } else {
            detached_ = std::move(frame.node);
        }
    }

    // An operand inside a node or a list: a new value opens a frame for its tree.
    ValueRef OperandBelow() {
        const ValueAttributes attributes(in_);
        if (BooleanText(attributes.named)) return Variable(attributes);
        ValueRef value = NewValue(attributes, false);
        frames_.push_back(Frame::ForValue(value.get()));
        return value;
    }

    // A whole operand element: the variable of its name, or a new value with its tree.
    ValueRef Operand() {
        const ValueAttributes attributes(in_);
        if (BooleanText(attributes.named)) return Variable(attributes);
        ValueRef value = NewValue(attributes, false);
        ReadBelow(Frame::ForValue(value.get()));
        return value;
    }

    // A named operand is the variable of that name; its own content is not used.
    ValueRef Variable(const ValueAttributes& attributes) {
        const std::string name = StringText(attributes.name);
        TCalcValue* variable = vars_ ? vars_->GetValue(name) : nullptr;
        if (!variable) throw EXmlLoadError(UnknownVariableText(name));
        Skip();
        return ValueRef(variable);
    }

    // The attributes are checked in file order; "IsNamed" of an operand was
    // read already (namedKnown).
    static ValueRef NewValue(const ValueAttributes& attributes,
                             std::optional<bool> namedKnown = std::nullopt) {
        std::string name = StringText(attributes.name);
        const long double number = NumberText(attributes.number);
        const bool named = namedKnown ? *namedKnown : BooleanText(attributes.named);
        const int kind = IntegerText(attributes.kind, "CVType", cvNumber, cvError);
        ValueRef value = TCalcValue::New(number, static_cast<std::uint8_t>(kind));
        if (named) value->SetName(name);
        return value;
    }

    // The node of an "Operate" element with its own attributes.
    std::unique_ptr<TCalcOperate> NewNode() const {
        const std::string_view className = RequiredText(AttributeText(in_, "ClassName"), "String");
        std::unique_ptr<TCalcOperate> node = CreateOperateByClassName(className);
        if (!node) throw EXmlLoadError(UnknownClassNameText(std::string(className)));
        switch (KindOf(*node)) {
            case NodeKind::kOperator:
                break;
            case NodeKind::kFunc:
                static_cast<TCalcOperateFunc&>(*node).FuncID = FunctionId();
                break;
            case NodeKind::kMultiFunc:
                static_cast<TCalcOperateMultiFunc&>(*node).FuncID = FunctionId();
                break;
            case NodeKind::kUserFunc:
                static_cast<TCalcOperateUserFunc&>(*node).FuncName =
                    StringAttribute(in_, "FuncName");
                break;
            case NodeKind::kUserProgram: {
                auto& program = static_cast<TCalcOperateUserProgram&>(*node);
                program.PrgName = StringAttribute(in_, "PrgName");
                program.ResName = StringAttribute(in_, "ResName");
                break;
            }
        }
        return node;
    }

    std::uint8_t FunctionId() const {
        return static_cast<std::uint8_t>(IntegerAttribute(in_, "Funcid", 0, 255));
    }

    XmlPullReader& in_;
    ICalcVarsBase* vars_;
    std::vector<Frame> frames_;
    std::unique_ptr<TCalcOperate> detached_;  // a node read on its own
};

// The reader over the plain text of a DOM element, started at that element.
class ElementReader {
  public:
    explicit ElementReader(pugi::xml_node element) : text_(PlainXmlOf(element)), in_(text_) {
        if (in_.Next() != XmlPullReader::Event::kStart) FailBrokenText();
    }
    XmlPullReader& In() { return in_; }

  private:
    std::string text_;
    XmlPullReader in_;
};

}  // namespace

// --- Public interface -----------------------------------------------------------

std::unique_ptr<TCalcValueWarper> ReadValueWarper(XmlPullReader& in, ICalcVarsBase* vars) {
    const int type = IntegerAttribute(in, "Type", wtNormal, wtOutput);
    std::string description = ReadDescriptionAttribute(in);
    ValueRef value;
    for (;;) {
        const XmlPullReader::Event event = in.Next();
        if (event == XmlPullReader::Event::kEnd) break;
        if (event != XmlPullReader::Event::kStart) FailBrokenText();
        if (value || in.Name() != kValueElement) {
            if (!in.SkipElement()) FailBrokenText();
            continue;
        }
        value = TreeReader(in, vars).ReadValue();
    }
    if (!value) throw EXmlLoadError(kMsgWarperWithoutValue);
    auto warper = std::make_unique<TCalcValueWarper>(std::move(value));
    warper->Type = static_cast<std::uint8_t>(type);
    warper->Description = std::move(description);
    return warper;
}

std::string ReadDescriptionAttribute(const XmlPullReader& in) {
    return DescriptionText(AttributeText(in, "Description"));
}

std::unique_ptr<TCalcValueWarper> LoadValueWarperFromXML(pugi::xml_node element,
                                                         ICalcVarsBase* vars) {
    ElementReader reader(element);
    return ReadValueWarper(reader.In(), vars);
}

ValueRef LoadValueFromXML(pugi::xml_node element, ICalcVarsBase* vars) {
    ElementReader reader(element);
    return TreeReader(reader.In(), vars).ReadValue();
}

ValueRef LoadOperandFromXML(pugi::xml_node element, ICalcVarsBase* vars) {
    if (!element) return nullptr;
    ElementReader reader(element);
    return TreeReader(reader.In(), vars).ReadOperand();
}

std::unique_ptr<TCalcOperate> LoadOperateFromXML(pugi::xml_node element, ICalcVarsBase* vars) {
    ElementReader reader(element);
    return TreeReader(reader.In(), vars).ReadNode();
}

std::string LoadDescriptionAttribute(pugi::xml_node element) {
    const pugi::xml_attribute attribute = element.attribute("Description");
    return DescriptionText(attribute ? Text(attribute.value()) : std::nullopt);
}

std::string ConversionErrorText(const char* fromType, const char* toType) {
    return std::string("Could not convert variant of type (") + fromType + ") into type (" +
           toType + ")";
}

std::string UnknownClassNameText(const std::string& className) {
    return "Unknown calculation node class \"" + className + "\"";
}

std::string UnknownVariableText(const std::string& name) {
    return "Variable \"" + name + "\" used in a formula is not defined";
}

std::string OutOfRangeText(const char* attribute, const std::string& text, int min, int max) {
    return std::string("Value ") + text + " of attribute \"" + attribute + "\" is out of range (" +
           std::to_string(min) + ".." + std::to_string(max) + ")";
}

}  // namespace quillix

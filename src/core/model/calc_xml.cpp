// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/calc_xml.h"
#include "common/text_compare.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "common/untrusted_text.h"
#include "model/description_code.h"
#include "model/operate_factory.h"
#include "model/operate_func.h"
#include "model/operate_user.h"

namespace quillix {

namespace {

constexpr const char* kWarperElement = "ValueWarper";
constexpr const char* kValueElement = "CalcValue";
constexpr const char* kNodeElement = "Operate";
constexpr const char* kArray1Element = "Array1";
constexpr const char* kArray2Element = "Array2";

constexpr const char* kMissing = "Null";
constexpr const char* kText = "String";

// Element and attribute names are short: comparing them here beats a library call.
bool SameText(const char* a, const char* b) {
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

bool IsNamed(pugi::xml_node element, const char* name) {
    return SameText(element.name(), name);
}

pugi::xml_node FirstChildNamed(pugi::xml_node element, const char* name) {
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (IsNamed(child, name)) return child;
    }
    return {};
}

// --- Attribute texts and their conversions ------------------------------------

std::string_view Trimmed(std::string_view text) {
    return TrimAny(text, " \t\r\n");
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

// An attribute's text; nothing when the attribute is missing.
const char* AttributeText(pugi::xml_node element, const char* name) {
    const pugi::xml_attribute attribute = element.attribute(name);
    return attribute ? attribute.value() : nullptr;
}

std::string_view RequiredText(const char* text, const char* toType) {
    if (!text) FailConversion(kMissing, toType);
    return text;
}

// Texts read from a file are kept as valid UTF-8.
std::string StringText(const char* text) {
    return ValidUtf8(RequiredText(text, "String"));
}

std::string StringAttribute(pugi::xml_node element, const char* name) {
    return StringText(AttributeText(element, name));
}

// The stored number ("INF", "-INF" and "NAN" included; a "," is taken as the
// decimal point when there is no "."). The text is read straight into the
// extended type: going through a double first would turn a stored 0.05 into
// 0.0500000000000000028 on the display.
long double NumberText(const char* attribute) {
    std::string text(Trimmed(RequiredText(attribute, "Double")));
    if (!text.empty() && text[0] == '+') text.erase(0, 1);
    if (text.find('.') == std::string::npos) {
        if (const std::size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
    }
    // Beyond the range of a double only numbers of the extended type are
    // written; a text beyond even that range is refused.
    const std::optional<long double> parsed = ParseDecimal(text, true);
    if (!parsed) FailConversion(kText, "Double");
    return *parsed;
}

bool BooleanText(const char* attribute) {
    const std::string_view text = Trimmed(RequiredText(attribute, "Boolean"));
    if (EqualsIgnoreAsciiCase(text, "True")) return true;
    if (EqualsIgnoreAsciiCase(text, "False")) return false;
    const std::optional<long double> number = ParseDecimal(text);
    if (!number) FailConversion(kText, "Boolean");
    return *number != 0;
}

int IntegerText(const char* attribute, const char* name, int min, int max) {
    const std::string_view text = Trimmed(RequiredText(attribute, "Integer"));
    long double number = 0;
    if (text.size() <= 9 && IsPlainDigits(text)) {
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

int IntegerAttribute(pugi::xml_node element, const char* name, int min, int max) {
    return IntegerText(AttributeText(element, name), name, min, max);
}

// The four attributes of a "CalcValue", found in one pass (the first of each
// name counts; null for a missing one).
struct ValueAttributes {
    explicit ValueAttributes(pugi::xml_node element) {
        for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
            const char* attribute = a.name();
            const char** slot = SameText(attribute, "Name")      ? &name
                                : SameText(attribute, "Value")   ? &number
                                : SameText(attribute, "IsNamed") ? &named
                                : SameText(attribute, "CVType")  ? &kind
                                                                 : nullptr;
            if (slot && !*slot) *slot = a.value();
        }
    }
    const char* name = nullptr;
    const char* number = nullptr;
    const char* named = nullptr;
    const char* kind = nullptr;
};

// The node classes that carry attributes of their own.
enum class NodeKind { kOperator, kFunc, kMultiFunc, kUserFunc, kUserProgram };

NodeKind KindOf(const TCalcOperate& node) {
    const std::string_view name = node.ClassName();
    if (name == "TCalcOperateFunc") return NodeKind::kFunc;
    if (name == "TCalcOperateMultiFunc") return NodeKind::kMultiFunc;
    if (name == "TCalcOperateUserFunc") return NodeKind::kUserFunc;
    if (name == "TCalcOperateUserProgram") return NodeKind::kUserProgram;
    return NodeKind::kOperator;
}

// --- Writing ------------------------------------------------------------------

// The "Value" text. Whole numbers, the most common, skip the general formatter
// (which writes them the same way).
std::string StoredNumberText(long double number) {
    const double x = static_cast<double>(number);
    if (x != 0 && std::fabs(x) < 1E15 && std::trunc(x) == x) {
        char digits[24];
        const auto written =
            std::to_chars(digits, digits + sizeof digits, static_cast<long long>(x));
        return std::string(digits, written.ptr);
    }
    return FormatFloatStored(number);
}

// Appends elements in document order; the trees below the values it writes are
// queued and written by Finish, so the depth of a tree never reaches the stack.
class TreeWriter {
  public:
    // depth: the level of parent below the element the writing started from.
    void WriteValue(const TCalcValue& value, pugi::xml_node parent, bool fullForm, int depth) {
        pugi::xml_node element = parent.append_child(kValueElement);
        maxDepth_ = std::max(maxDepth_, depth + 1);
        element.append_attribute("Name").set_value(value.Name().c_str());
        element.append_attribute("Value").set_value(StoredNumberText(value.Number()).c_str());
        element.append_attribute("IsNamed").set_value(value.IsNamed() ? "True" : "False");
        element.append_attribute("CVType").set_value(static_cast<unsigned>(value.CVType()));
        if (value.Operate() && (fullForm || !value.IsNamed())) {
            pending_.push_back({value.Operate(), element, depth + 1});
        }
    }

    void WriteNode(const TCalcOperate& node, pugi::xml_node parent, int depth) {
        pugi::xml_node element = parent.append_child(kNodeElement);
        maxDepth_ = std::max(maxDepth_, depth + 1);
        element.append_attribute("ClassName").set_value(node.ClassName());
        switch (KindOf(node)) {
            case NodeKind::kOperator:
                break;
            case NodeKind::kFunc: {
                const auto& func = static_cast<const TCalcOperateFunc&>(node);
                element.append_attribute("Funcid").set_value(static_cast<unsigned>(func.FuncID));
                break;
            }
            case NodeKind::kMultiFunc: {
                const auto& multi = static_cast<const TCalcOperateMultiFunc&>(node);
                element.append_attribute("Funcid").set_value(static_cast<unsigned>(multi.FuncID));
                WriteList(multi.Array1(), element, kArray1Element, depth + 1);
                WriteList(multi.Array2(), element, kArray2Element, depth + 1);
                break;
            }
            case NodeKind::kUserFunc: {
                const auto& userFunc = static_cast<const TCalcOperateUserFunc&>(node);
                element.append_attribute("FuncName").set_value(userFunc.FuncName.c_str());
                break;
            }
            case NodeKind::kUserProgram: {
                const auto& program = static_cast<const TCalcOperateUserProgram&>(node);
                element.append_attribute("PrgName").set_value(program.PrgName.c_str());
                element.append_attribute("ResName").set_value(program.ResName.c_str());
                break;
            }
        }
        for (int i = 0; i < node.OperandCount(); ++i) {
            if (const TCalcValue* operand = node.Operand(i)) {
                WriteValue(*operand, element, false, depth + 1);
            }
        }
    }

    void Finish() {
        while (!pending_.empty()) {
            const Pending next = pending_.back();
            pending_.pop_back();
            WriteNode(*next.node, next.parent, next.depth);
        }
    }

    // The deepest level written, counted from the element the writing started from.
    int MaxDepth() const { return maxDepth_; }

  private:
    void WriteList(const TCalcOperateMultiFunc::ValueList* list, pugi::xml_node parent,
                   const char* name, int depth) {
        if (!list) return;
        pugi::xml_node element = parent.append_child(name);
        maxDepth_ = std::max(maxDepth_, depth + 1);
        for (const ValueRef& item : *list) {
            if (item) WriteValue(*item, element, false, depth + 1);
        }
    }

    struct Pending {
        const TCalcOperate* node;
        pugi::xml_node parent;
        int depth;
    };
    std::vector<Pending> pending_;
    int maxDepth_ = 0;
};

// --- Reading ------------------------------------------------------------------

// Builds values and nodes from elements; the tree below each value it creates
// is queued and read by Finish, so the depth of a file never reaches the stack.
class TreeReader {
  public:
    explicit TreeReader(ICalcVarsBase* vars) : vars_(vars) {}

    ValueRef ReadValue(pugi::xml_node element) {
        return ReadValue(element, ValueAttributes(element));
    }

    ValueRef ReadValue(pugi::xml_node element, const ValueAttributes& attributes) {
        std::string name = StringText(attributes.name);
        const long double number = NumberText(attributes.number);
        const bool named = BooleanText(attributes.named);
        const int kind = IntegerText(attributes.kind, "CVType", cvNumber, cvError);
        ValueRef value = TCalcValue::New(number, static_cast<std::uint8_t>(kind));
        if (named) value->SetName(name);
        // The writer gives a value at most one tree; anything after it is ignored.
        if (pugi::xml_node tree = FirstChildNamed(element, kNodeElement)) {
            if (pending_.empty()) pending_.reserve(8);
            pending_.push_back({tree, value.get()});
        }
        return value;
    }

    ValueRef ReadOperand(pugi::xml_node element) {
        if (!IsNamed(element, kValueElement)) return nullptr;
        const ValueAttributes attributes(element);
        if (!BooleanText(attributes.named)) return ReadValue(element, attributes);
        const std::string name = StringText(attributes.name);
        TCalcValue* variable = vars_ ? vars_->GetValue(name) : nullptr;
        if (!variable) throw EXmlLoadError(UnknownVariableText(name));
        return ValueRef(variable);
    }

    std::unique_ptr<TCalcOperate> ReadNode(pugi::xml_node element) {
        std::unique_ptr<TCalcOperate> node = CreateNode(element);
        FillNode(*node, element);
        return node;
    }

    void Finish() {
        while (!pending_.empty()) {
            const Pending next = pending_.back();
            pending_.pop_back();
            ReadTree(next.element, *next.owner);
        }
    }

  private:
    static std::unique_ptr<TCalcOperate> CreateNode(pugi::xml_node element) {
        const std::string_view className =
            RequiredText(AttributeText(element, "ClassName"), "String");
        std::unique_ptr<TCalcOperate> node = CreateOperateByClassName(className);
        if (!node) throw EXmlLoadError(UnknownClassNameText(std::string(className)));
        return node;
    }

    void ReadTree(pugi::xml_node element, TCalcValue& owner) {
        std::unique_ptr<TCalcOperate> node = CreateNode(element);
        FillNode(*node, element);
        // Not evaluated: the value keeps its stored number and kind until its
        // set recalculates it.
        owner.AttachOperate(std::move(node));
    }

    void FillNode(TCalcOperate& node, pugi::xml_node element) {
        for (pugi::xml_node child : element.children()) {
            if (IsNamed(child, kValueElement)) node.AddOperand(ReadOperand(child));
        }
        switch (KindOf(node)) {
            case NodeKind::kOperator:
                break;
            case NodeKind::kFunc:
                static_cast<TCalcOperateFunc&>(node).FuncID = FunctionId(element);
                break;
            case NodeKind::kMultiFunc: {
                auto& multi = static_cast<TCalcOperateMultiFunc&>(node);
                multi.FuncID = FunctionId(element);
                ReadLists(multi, element);
                break;
            }
            case NodeKind::kUserFunc:
                static_cast<TCalcOperateUserFunc&>(node).FuncName =
                    StringAttribute(element, "FuncName");
                break;
            case NodeKind::kUserProgram: {
                auto& program = static_cast<TCalcOperateUserProgram&>(node);
                program.PrgName = StringAttribute(element, "PrgName");
                program.ResName = StringAttribute(element, "ResName");
                break;
            }
        }
    }

    static std::uint8_t FunctionId(pugi::xml_node element) {
        return static_cast<std::uint8_t>(IntegerAttribute(element, "Funcid", 0, 255));
    }

    void ReadLists(TCalcOperateMultiFunc& node, pugi::xml_node element) {
        for (pugi::xml_node child : element.children()) {
            const bool first = IsNamed(child, kArray1Element);
            if (!first && !IsNamed(child, kArray2Element)) continue;
            if (first) {
                node.EnsureArray1();
            } else {
                node.EnsureArray2();
            }
            for (pugi::xml_node item : child.children()) {
                ValueRef value = ReadOperand(item);
                if (!value) continue;  // not a "CalcValue"
                if (first) {
                    node.AddArray1Element(std::move(value));
                } else {
                    node.AddArray2Element(std::move(value));
                }
            }
        }
    }

    struct Pending {
        pugi::xml_node element;
        TCalcValue* owner;  // kept alive by the value being read
    };
    std::vector<Pending> pending_;
    ICalcVarsBase* vars_;
};

}  // namespace

// --- Public interface -----------------------------------------------------------

void SaveValueWarperToXML(const TCalcValueWarper& warper, pugi::xml_node parent, int* depth) {
    pugi::xml_node element = parent.append_child(kWarperElement);
    element.append_attribute("Type").set_value(static_cast<unsigned>(warper.Type));
    SaveDescriptionAttribute(element, warper.Description);
    TreeWriter writer;
    if (warper.Value) writer.WriteValue(*warper.Value, element, true, 1);
    writer.Finish();
    if (depth) *depth = std::max(1, writer.MaxDepth());
}

void SaveValueToXML(const TCalcValue& value, pugi::xml_node parent) {
    TreeWriter writer;
    writer.WriteValue(value, parent, true, 0);
    writer.Finish();
}

void SaveValueAsOperand(const TCalcValue& value, pugi::xml_node parent) {
    TreeWriter writer;
    writer.WriteValue(value, parent, false, 0);
    writer.Finish();
}

void SaveOperateToXML(const TCalcOperate& node, pugi::xml_node parent) {
    TreeWriter writer;
    writer.WriteNode(node, parent, 0);
    writer.Finish();
}

void SaveDescriptionAttribute(pugi::xml_node element, const std::string& description) {
    element.append_attribute("Description").set_value(EncodeDescription(description).c_str());
}

std::unique_ptr<TCalcValueWarper> LoadValueWarperFromXML(pugi::xml_node element,
                                                         ICalcVarsBase* vars) {
    const int type = IntegerAttribute(element, "Type", wtNormal, wtOutput);
    std::string description = LoadDescriptionAttribute(element);
    const pugi::xml_node valueElement = FirstChildNamed(element, kValueElement);
    if (!valueElement) throw EXmlLoadError(kMsgWarperWithoutValue);
    auto warper = std::make_unique<TCalcValueWarper>(LoadValueFromXML(valueElement, vars));
    warper->Type = static_cast<std::uint8_t>(type);
    warper->Description = std::move(description);
    return warper;
}

ValueRef LoadValueFromXML(pugi::xml_node element, ICalcVarsBase* vars) {
    TreeReader reader(vars);
    ValueRef value = reader.ReadValue(element);
    reader.Finish();
    return value;
}

ValueRef LoadOperandFromXML(pugi::xml_node element, ICalcVarsBase* vars) {
    TreeReader reader(vars);
    ValueRef value = reader.ReadOperand(element);
    reader.Finish();
    return value;
}

std::unique_ptr<TCalcOperate> LoadOperateFromXML(pugi::xml_node element, ICalcVarsBase* vars) {
    TreeReader reader(vars);
    std::unique_ptr<TCalcOperate> node = reader.ReadNode(element);
    reader.Finish();
    return node;
}

std::string LoadDescriptionAttribute(pugi::xml_node element) {
    std::string error;
    std::optional<std::string> text =
        DecodeDescription(RequiredText(AttributeText(element, "Description"), "String"), &error);
    if (!text) throw EXmlLoadError(error);
    return ValidUtf8(*text);
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The writing half of the calculation XML: values, trees and entries written
// straight to text in document order.
#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "model/calc_xml.h"
#include "model/calc_xml_kinds.h"
#include "model/description_code.h"
#include "model/operate_func.h"
#include "model/operate_user.h"
#include "model/xml_text_writer.h"

namespace quillix {

using namespace calc_xml;

namespace {

void WriteUnsigned(XmlTextWriter& out, const char* name, unsigned number) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.PlainAttribute(name, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

// Writes elements as text in document order. What is still to be written waits
// on a work list (an element's children, then its end tag), so the depth of a
// tree never reaches the stack.
class TreeWriter {
  public:
    // Stops, leaving the text unfinished, when an element would lie deeper than maxLevel.
    explicit TreeWriter(XmlTextWriter& out, int maxLevel = std::numeric_limits<int>::max())
        : out_(out), levelLimit_(maxLevel) {}

    void WriteValue(const TCalcValue& value, bool fullForm, int level) {
        Push(ValueTask(&value, fullForm, level));
        Finish();
    }
    void WriteNode(const TCalcOperate& node, int level) {
        Push(NodeTask(&node, level));
        Finish();
    }

    // The deepest level written (beyond the limit when the writer stopped there).
    int MaxLevel() const { return maxLevel_; }

  private:
    using ValueList = TCalcOperateMultiFunc::ValueList;
    struct Task {
        enum Kind { kValue, kNode, kList, kEnd } kind;
        int level;
        const TCalcValue* value = nullptr;
        const TCalcOperate* node = nullptr;
        const ValueList* list = nullptr;
        std::string_view name{};  // of a list or of the element to end
        bool fullForm = false;
    };
    static Task ValueTask(const TCalcValue* value, bool fullForm, int level) {
        return {.kind = Task::kValue, .level = level, .value = value, .fullForm = fullForm};
    }
    static Task NodeTask(const TCalcOperate* node, int level) {
        return {.kind = Task::kNode, .level = level, .node = node};
    }
    static Task ListTask(const ValueList* list, std::string_view name, int level) {
        return {.kind = Task::kList, .level = level, .list = list, .name = name};
    }
    static Task EndTask(std::string_view name, int level) {
        return {.kind = Task::kEnd, .level = level, .name = name};
    }

    // The objects a task will read are fetched while the tasks before it run:
    // walking the values is mostly waiting for memory.
    void Push(const Task& task) {
        __builtin_prefetch(task.value);
        __builtin_prefetch(task.node);
        tasks_.push_back(task);
    }

    void Finish() {
        while (!tasks_.empty()) {
            const Task task = tasks_.back();
            tasks_.pop_back();
            maxLevel_ = std::max(maxLevel_, task.level);
            if (task.level > levelLimit_) {
                tasks_.clear();
                return;
            }
            switch (task.kind) {
                case Task::kValue:
                    Value(*task.value, task.fullForm, task.level);
                    break;
                case Task::kNode:
                    Node(*task.node, task.level);
                    break;
                case Task::kList:
                    List(*task.list, task.name, task.level);
                    break;
                case Task::kEnd:
                    out_.EndElement(task.name, task.level);
                    break;
            }
        }
    }

    void Value(const TCalcValue& value, bool fullForm, int level) {
        out_.StartElement(kValueElement, level);
        out_.Attribute("Name", value.Name());
        out_.EndAttribute(
            WriteFloatStored(out_.StartAttribute("Value", kMaxStoredNumberLength), value.Number()));
        out_.PlainAttribute("IsNamed", value.IsNamed() ? "True" : "False");
        WriteUnsigned(out_, "CVType", value.CVType());
        const std::size_t before = tasks_.size();
        if (value.Operate() && (fullForm || !value.IsNamed())) {
            Push(NodeTask(value.Operate(), level + 1));
        }
        EndChildren(before, kValueElement, level);
    }

    void Node(const TCalcOperate& node, int level) {
        out_.StartElement(kNodeElement, level);
        out_.PlainAttribute("ClassName", node.ClassName());
        const TCalcOperateMultiFunc* multi = nullptr;
        switch (KindOf(node)) {
            case NodeKind::kOperator:
                break;
            case NodeKind::kFunc:
                FunctionId(static_cast<const TCalcOperateFunc&>(node).FuncID);
                break;
            case NodeKind::kMultiFunc:
                multi = &static_cast<const TCalcOperateMultiFunc&>(node);
                FunctionId(multi->FuncID);
                break;
            case NodeKind::kUserFunc:
                out_.Attribute("FuncName", static_cast<const TCalcOperateUserFunc&>(node).FuncName);
                break;
            case NodeKind::kUserProgram: {
                const auto& program = static_cast<const TCalcOperateUserProgram&>(node);
                out_.Attribute("PrgName", program.PrgName);
                out_.Attribute("ResName", program.ResName);
                break;
            }
        }
        const std::size_t before = tasks_.size();
        // Queued in reverse, so that they are written in order: lists, then operands.
        for (int i = node.OperandCount() - 1; i >= 0; --i) {
            if (const TCalcValue* operand = node.Operand(i)) {
                Push(ValueTask(operand, false, level + 1));
            }
        }
        if (multi && multi->Array2()) Push(ListTask(multi->Array2(), kArray2Element, level + 1));
        if (multi && multi->Array1()) Push(ListTask(multi->Array1(), kArray1Element, level + 1));
        EndChildren(before, kNodeElement, level);
    }

    void List(const ValueList& list, std::string_view name, int level) {
        out_.StartElement(name, level);
        const std::size_t before = tasks_.size();
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            if (*it) Push(ValueTask(it->get(), false, level + 1));
        }
        EndChildren(before, name, level);
    }

    // The children queued since before go after the start tag and before the end tag.
    void EndChildren(std::size_t before, std::string_view name, int level) {
        const std::size_t children = tasks_.size() - before;
        if (children == 0) return out_.EndEmptyElement();
        out_.EndStartTag();
        tasks_.insert(tasks_.begin() + static_cast<std::ptrdiff_t>(before), EndTask(name, level));
    }

    void FunctionId(std::uint8_t id) { WriteUnsigned(out_, "Funcid", id); }

    XmlTextWriter& out_;
    const int levelLimit_;
    std::vector<Task> tasks_;
    int maxLevel_ = 0;
};

// The elements one writer writes, parsed below parent: the form of the writers
// that work on a DOM.
template <class Write>
void AppendWritten(pugi::xml_node parent, Write write) {
    std::string text;
    {
        XmlTextWriter out(text, "");  // all written once it goes
        TreeWriter writer(out);
        write(out, writer);
    }
    parent.append_buffer(text.data(), text.size());
}

}  // namespace

int WriteValueWarperText(const TCalcValueWarper& warper, XmlTextWriter& out, int level,
                         int maxLevel) {
    out.StartElement(kWarperElement, level);
    WriteUnsigned(out, "Type", warper.Type);
    WriteDescriptionAttribute(out, warper.Description);
    if (!warper.Value) {
        out.EndEmptyElement();
        return level;
    }
    out.EndStartTag();
    TreeWriter writer(out, maxLevel);
    writer.WriteValue(*warper.Value, true, level + 1);
    out.EndElement(kWarperElement, level);
    return writer.MaxLevel();
}

void SaveValueWarperToXML(const TCalcValueWarper& warper, pugi::xml_node parent) {
    AppendWritten(parent,
                  [&](XmlTextWriter& out, TreeWriter&) { WriteValueWarperText(warper, out, 0); });
}

void SaveValueToXML(const TCalcValue& value, pugi::xml_node parent) {
    AppendWritten(parent,
                  [&](XmlTextWriter&, TreeWriter& writer) { writer.WriteValue(value, true, 0); });
}

void SaveValueAsOperand(const TCalcValue& value, pugi::xml_node parent) {
    AppendWritten(parent,
                  [&](XmlTextWriter&, TreeWriter& writer) { writer.WriteValue(value, false, 0); });
}

void SaveOperateToXML(const TCalcOperate& node, pugi::xml_node parent) {
    AppendWritten(parent, [&](XmlTextWriter&, TreeWriter& writer) { writer.WriteNode(node, 0); });
}

void WriteDescriptionAttribute(XmlTextWriter& out, std::string_view description) {
    out.EndAttribute(EncodeDescriptionTo(out.StartAttribute("Description", 3 * description.size()),
                                         description));
}

}  // namespace quillix

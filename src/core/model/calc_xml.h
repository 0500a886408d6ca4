// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculation XML: the elements "ValueWarper", "CalcValue" and "Operate"
// (with "Array1" and "Array2" for multi-argument functions) that carry
// variables, values and their trees inside Vars documents. Writers append one
// element to a parent; readers build from one element, resolving named
// operands against a variable set. Trees of any depth are walked with explicit
// work lists, never by recursion.

#include <memory>
#include <pugixml.hpp>
#include <stdexcept>
#include <string>

#include "model/calc_operate.h"
#include "model/calc_value.h"
#include "model/calc_value_warper.h"
#include "model/calc_vars_intf.h"

namespace quillix {

// A read that cannot go on: the message says why, in the system's own words.
class EXmlLoadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// --- Writing ------------------------------------------------------------------

// "ValueWarper" with "Type", "Description" and the value in full form (no
// "CalcValue" child for a wrapper without a value). depth, when given, gets
// the number of element levels written, the "ValueWarper" included.
void SaveValueWarperToXML(const TCalcValueWarper& warper, pugi::xml_node parent,
                          int* depth = nullptr);
// "CalcValue" with its tree whenever the value has one.
void SaveValueToXML(const TCalcValue& value, pugi::xml_node parent);
// "CalcValue" with its tree only when the value is not named: a variable inside
// a formula is stored by its name.
void SaveValueAsOperand(const TCalcValue& value, pugi::xml_node parent);
// "Operate" with the node's attributes, lists and operands (operand form).
void SaveOperateToXML(const TCalcOperate& node, pugi::xml_node parent);

// The "Description" attribute, encoded.
void SaveDescriptionAttribute(pugi::xml_node element, const std::string& description);

// --- Reading ------------------------------------------------------------------
// Every reader throws EXmlLoadError. Trees are not evaluated: each value keeps
// the number and kind stored for it until it is recalculated. vars may be null
// when no variable set is at hand; a named operand then cannot be resolved.

std::unique_ptr<TCalcValueWarper> LoadValueWarperFromXML(pugi::xml_node element,
                                                         ICalcVarsBase* vars);
ValueRef LoadValueFromXML(pugi::xml_node element, ICalcVarsBase* vars);
// Null when the element is not a "CalcValue"; the variable of that name when the
// element is named; otherwise a new value with its tree.
ValueRef LoadOperandFromXML(pugi::xml_node element, ICalcVarsBase* vars);
// A node without owner, with its attributes, lists and operands.
std::unique_ptr<TCalcOperate> LoadOperateFromXML(pugi::xml_node element, ICalcVarsBase* vars);

// The decoded "Description" attribute of element (it must be present).
std::string LoadDescriptionAttribute(pugi::xml_node element);

// The message of an attribute that is missing (from "Null") or whose text does
// not convert (from "String") into the target type.
std::string ConversionErrorText(const char* fromType, const char* toType);
std::string UnknownClassNameText(const std::string& className);
std::string UnknownVariableText(const std::string& name);
std::string OutOfRangeText(const char* attribute, const std::string& text, int min, int max);
inline constexpr const char* kMsgWarperWithoutValue =
    "Variable entry (\"ValueWarper\") without a \"CalcValue\" element";

}  // namespace quillix

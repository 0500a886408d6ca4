// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculation XML: the elements "ValueWarper", "CalcValue" and "Operate"
// (with "Array1" and "Array2" for multi-argument functions) that carry
// variables, values and their trees inside Vars documents. Writers append one
// element to a parent; readers build from one element, resolving named
// operands against a variable set. Trees of any depth are walked with explicit
// work lists, never by recursion.

#include <limits>
#include <memory>
#include <pugixml.hpp>
#include <stdexcept>
#include <string>

#include "model/calc_operate.h"
#include "model/calc_value.h"
#include "model/calc_value_warper.h"
#include "model/calc_vars_intf.h"
#include "model/xml_pull_reader.h"
#include "model/xml_text_writer.h"

namespace quillix {

// A read that cannot go on: the message says why, in the system's own words.
class EXmlLoadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The reader met a part of the text that is not plain XML (XmlPullReader):
// the caller reads the text through pugixml instead.
class EXmlNotPlain : public EXmlLoadError {
  public:
    EXmlNotPlain() : EXmlLoadError("Invalid XML") {}
};

// --- Writing ------------------------------------------------------------------

// "ValueWarper" with "Type", "Description" and the value in full form (no
// "CalcValue" child for a wrapper without a value), written as text at that
// level of the document; the deepest level written. The writing stops, with
// the text unfinished and a result beyond maxLevel, as soon as an element
// would lie deeper than maxLevel.
int WriteValueWarperText(const TCalcValueWarper& warper, XmlTextWriter& out, int level,
                         int maxLevel = std::numeric_limits<int>::max());
// The "Description" attribute, encoded.
void WriteDescriptionAttribute(XmlTextWriter& out, std::string_view description);

// The same elements appended below a DOM element, as the writers above write them.
void SaveValueWarperToXML(const TCalcValueWarper& warper, pugi::xml_node parent);
// "CalcValue" with its tree whenever the value has one.
void SaveValueToXML(const TCalcValue& value, pugi::xml_node parent);
// "CalcValue" with its tree only when the value is not named: a variable inside
// a formula is stored by its name.
void SaveValueAsOperand(const TCalcValue& value, pugi::xml_node parent);
// "Operate" with the node's attributes, lists and operands (operand form).
void SaveOperateToXML(const TCalcOperate& node, pugi::xml_node parent);

// --- Reading ------------------------------------------------------------------
// Every reader throws EXmlLoadError. Trees are not evaluated: each value keeps
// the number and kind stored for it until it is recalculated. vars may be null
// when no variable set is at hand; a named operand then cannot be resolved.

// The entry whose element (of any name) the reader has just started, read to
// its end: "Type", "Description" and the first "CalcValue" child in full form.
std::unique_ptr<TCalcValueWarper> ReadValueWarper(XmlPullReader& in, ICalcVarsBase* vars);
// The decoded "Description" attribute of the element just started (it must be present).
std::string ReadDescriptionAttribute(const XmlPullReader& in);

// The same for elements of a DOM.

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

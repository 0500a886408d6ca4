// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Programs and functions for widget tests, made with the core and written into
// a library folder: a set of entries, its roles and descriptions, saved as a
// library object's file.

#include <gtest/gtest.h>

#include <string>

#include "model/operate_binary.h"
#include "support/node_builder.h"
#include "vars/calc_vars_base.h"
#include "vars/user_func_folder.h"

namespace quillix::test {

// Writes the set as the library object name in folder (replacing its file).
inline TUserFuncObj* SaveSet(TUserFuncFolder& folder, const std::string& name, TCalcVarsBase& set) {
    std::string reason;
    TUserFuncObj* object = folder.SaveObject(
        name,
        [&set](const std::string& path, std::string* why) { return set.SaveToFile(path, why); },
        &reason);
    EXPECT_NE(object, nullptr) << reason;
    return object;
}

// Inputs a and b, output r = a - b (r = a + b with plus), stored with the
// given input values.
struct TDifferenceProgram {
    long double A = 10;
    long double B = 4;
    bool Plus = false;
    std::string Description;
    std::string InputDescription;   // of a
    std::string OutputDescription;  // of r
};

inline void FillDifference(TCalcVarsBase& set, const TDifferenceProgram& program) {
    set.Add("a", TCalcValue::New(program.A));
    set.Add("b", TCalcValue::New(program.B));
    ValueRef a = set.GetValue("a")->MakeReference();
    ValueRef b = set.GetValue("b")->MakeReference();
    set.Add("r", program.Plus ? Make<TCalcOperatePlus>(a, b) : Make<TCalcOperateMinus>(a, b));
    set.SetValueType("a", wtInput);
    set.SetValueType("b", wtInput);
    set.SetValueType("r", wtOutput);
    set.Find("a")->Description = program.InputDescription;
    set.Find("r")->Description = program.OutputDescription;
    set.SetDescription(program.Description);
}

inline TUserFuncObj* SaveDifference(TUserFuncFolder& folder, const std::string& name,
                                    const TDifferenceProgram& program = {}) {
    TCalcVarsBase set;
    FillDifference(set, program);
    return SaveSet(folder, name, set);
}

}  // namespace quillix::test

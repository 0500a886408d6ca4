// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/quick_var_names.h"

#include "config/comma_text.h"
#include "config/settings_table.h"
#include "model/calc_vars_intf.h"

namespace quillix {

namespace {

bool IsBlankName(const std::string& name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
}

std::string NextFreeName(const char* prefix, int& counter) {
    const auto candidate = [&] {
        return counter == 0 ? std::string(prefix) : prefix + std::to_string(counter);
    };
    std::string name = candidate();
    ICalcVars* document = CalcVarsIntf();
    if (document == nullptr) return name;
    while (document->Exists(name)) {
        ++counter;
        name = candidate();
    }
    return name;
}

}  // namespace

TQuickVarNames::TQuickVarNames() {
    Register();
    LoadNames(ConfigorIntf);
}

TQuickVarNames::TQuickVarNames(const IConfigor& settings) {
    Register();
    LoadNames(&settings);
}

TQuickVarNames::~TQuickVarNames() {
    // Only while the document registered with is still the published one: once
    // it is gone there is nobody to remove the listener from.
    if (registeredWith_ != nullptr && CalcVarsIntf() == registeredWith_) {
        registeredWith_->RemoveListener(&listener_);
    }
}

void TQuickVarNames::Register() {
    listener_.OnChange = [this](std::uint8_t action, int, TCalcValueWarper*, const std::string&) {
        DocumentChanged(action);
    };
    registeredWith_ = CalcVarsIntf();
    if (registeredWith_ != nullptr) registeredWith_->AddListener(&listener_);
}

void TQuickVarNames::LoadNames(const IConfigor* settings) {
    if (settings != nullptr) SetNames(ReadTextSetting(*settings, TSetting::KeypadQuickVarNames));
}

void TQuickVarNames::DocumentChanged(std::uint8_t action) {
    // A new document clears the set, an opened one is loaded: numbering starts over.
    if (action == vaCleared || action == vaLoaded) {
        counterX_ = 0;
        counterY_ = 0;
        counterV_ = 0;
    }
}

std::string TQuickVarNames::NextX() {
    return NextFreeName("X", counterX_);
}

std::string TQuickVarNames::NextY() {
    return NextFreeName("Y", counterY_);
}

std::string TQuickVarNames::NextV() {
    return NextFreeName("V", counterV_);
}

void TQuickVarNames::SetNames(std::string_view commaText) {
    names_.clear();
    for (std::string& name : ParseCommaText(commaText)) {
        if (!IsBlankName(name)) names_.push_back(std::move(name));
    }
}

}  // namespace quillix

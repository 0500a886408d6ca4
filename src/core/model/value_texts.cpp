// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/value_texts.h"

#include "common/date_format.h"
#include "common/number_text.h"
#include "model/calc_value.h"
#include "model/operate_ref.h"

namespace quillix {

std::string ValuePlainText(const TCalcValue& value) {
    return value.FormatValue(kPlainStyle);
}

std::string ValueCopyText(const TCalcValue& value) {
    if (value.CVType() == cvError) return value.ErrorText();
    if (value.CVType() == cvDate) return FormatShortDateOfDay(value.Number());
    // The default record's precision and exponent digits, not the current
    // ones: a fixed format of 4 decimals must not make 1.5E20 "1.5E0020".
    const TValueFormatRecord general;
    return FormatFloatGeneral(value.Number(), general.Precision, general.ValueDigits);
}

TFieldContent FieldContentOf(const TCalcValue& value) {
    const TCalcOperate* root = value.Operate();
    if (root == nullptr) return TFieldContent::Number;
    const auto* reference = dynamic_cast<const TCalcOperateRef*>(root);
    if (reference != nullptr && reference->OperandCount() == 1 &&
        reference->Operand(0)->IsNamed()) {
        return TFieldContent::Reference;
    }
    return TFieldContent::Formula;
}

}  // namespace quillix

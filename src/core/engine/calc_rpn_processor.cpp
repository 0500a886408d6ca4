// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calc_rpn_processor.h"

namespace quillix {

void TCalcRPNProcessor::BeginEntry() {
    Entering = true;
    Stack.PushX();  // the previous X is lifted, whatever it is
    Stack.X = TCalcValue::New();
}

void TCalcRPNProcessor::DoOperator(std::uint8_t code) {
    EndEntry();
    if (!IsBinaryOperator(code) || Stack.Values.Empty()) return;
    Stack.Pending = code;
    ApplyPending();
}

void TCalcRPNProcessor::DoEquals() {
    EndEntry();
}

}  // namespace quillix

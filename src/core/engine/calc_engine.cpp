// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calc_engine.h"

#include <algorithm>

#include "engine/calc_alg_processor.h"
#include "engine/calc_rpn_processor.h"
#include "engine/calc_stack_rpn_processor.h"

namespace quillix {

TCalcEngine::TCalcEngine(std::uint8_t mode) {
    SetMode(mode);
}

void TCalcEngine::Execute(std::uint8_t code, const TCalcCommondData* data) {
    if (code == ccModeRPN)
        SetMode(kModeRPN);
    else if (code == ccModeALG)
        SetMode(kModeALG);
    else if (code == ccStyleClassic)
        SetRPNStyle(TRPNStyle::Classic);
    else if (code == ccStyleStack)
        SetRPNStyle(TRPNStyle::Stack);
    else
        processor_->ExecCommand(code, data);
    // A listener may remove itself (or another) while it is told: the loop goes
    // on after the listener just told, wherever it now is.
    for (std::size_t i = 0; i < listeners_.size();) {
        TCommondProcessorEventObject* listener = listeners_[i];
        if (listener->OnCommand) listener->OnCommand(code, data, stack_, IsEntering());
        const auto told = std::find(listeners_.begin(), listeners_.end(), listener);
        if (told != listeners_.end()) i = static_cast<std::size_t>(told - listeners_.begin()) + 1;
    }
}

void TCalcEngine::SetMode(std::uint8_t mode) {
    if (mode == mode_ && processor_) return;
    mode_ = mode;
    ReplaceProcessor();
}

void TCalcEngine::SetRPNStyle(TRPNStyle style) {
    if (style == style_) return;
    style_ = style;
    if (mode_ == kModeRPN) ReplaceProcessor();
}

void TCalcEngine::ReplaceProcessor() {
    const bool entering = processor_ ? processor_->Entering : true;
    std::unique_ptr<TCalcProcessor> next;
    if (mode_ == kModeRPN && style_ == TRPNStyle::Stack)
        next = std::make_unique<TCalcStackRPNProcessor>(stack_, entering, inputor_);
    else if (mode_ == kModeRPN)
        next = std::make_unique<TCalcRPNProcessor>(stack_, entering, inputor_);
    else
        next = std::make_unique<TCalcALGProcessor>(stack_, entering, inputor_);
    processor_ = std::move(next);
}

void TCalcEngine::AddListener(TCommondProcessorEventObject* listener) {
    if (listener) listeners_.push_back(listener);
}

void TCalcEngine::RemoveListener(TCommondProcessorEventObject* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

}  // namespace quillix

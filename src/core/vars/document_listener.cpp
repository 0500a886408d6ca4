// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/document_listener.h"

#include <utility>

namespace quillix {

TDocumentListener::TDocumentListener(Handler onChange) {
    listener_.OnChange = [onChange = std::move(onChange)](std::uint8_t action, int,
                                                          TCalcValueWarper*, const std::string&) {
        if (onChange) onChange(action);
    };
    document_ = CalcVarsIntf();
    if (document_) document_->AddListener(&listener_);
}

TDocumentListener::~TDocumentListener() {
    // The document clears its publication when it goes: still published, it lives.
    if (document_ && CalcVarsIntf() == document_) document_->RemoveListener(&listener_);
}

}  // namespace quillix

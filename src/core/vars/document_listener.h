// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TDocumentListener: hears every change event of the program document (the
// published CalcVarsIntf) for as long as it lives. It stops listening when it
// goes, unless the document went first (then there is nothing to leave).

#include <cstdint>
#include <functional>

#include "model/calc_vars_intf.h"

namespace quillix {

class TDocumentListener {
  public:
    using Handler = std::function<void(std::uint8_t action)>;
    // Listens to the document published now; none, and it hears nothing.
    explicit TDocumentListener(Handler onChange);
    ~TDocumentListener();
    TDocumentListener(const TDocumentListener&) = delete;
    TDocumentListener& operator=(const TDocumentListener&) = delete;

  private:
    TCalcVarsEventsObject listener_;
    ICalcVars* document_ = nullptr;
};

}  // namespace quillix

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TQuickVarNames: ready-made names for storing the displayed value in one click,
// the next free X, X1, X2, ... and Y..., V... names of the program document, and
// the user's favourite names of "Keypad"/"QuickVarNames". It proposes names only;
// hiding favourites that are already variables is the menu's business.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/configor.h"
#include "model/calc_value_warper.h"

namespace quillix {

class ICalcVars;

class TQuickVarNames {
  public:
    // Registers with the program document (CalcVarsIntf) when there is one and
    // loads the favourites through ConfigorIntf when it is set.
    TQuickVarNames();
    // The same, with the favourites read from the given settings.
    explicit TQuickVarNames(const IConfigor& settings);
    ~TQuickVarNames();
    TQuickVarNames(const TQuickVarNames&) = delete;
    TQuickVarNames& operator=(const TQuickVarNames&) = delete;

    // The next name of the form X, X1, X2, ... that the program document does not
    // hold. The counter stays where the search ended, so a name not used is
    // proposed again.
    std::string NextX();
    std::string NextY();
    std::string NextV();

    // The favourites become the items of comma text. Items that are empty or
    // blank are dropped: no variable can bear such a name.
    void SetNames(std::string_view commaText);
    const std::vector<std::string>& Names() const { return names_; }

    int CounterX() const { return counterX_; }
    int CounterY() const { return counterY_; }
    int CounterV() const { return counterV_; }

  private:
    void Register();
    void LoadNames(const IConfigor* settings);
    void DocumentChanged(std::uint8_t action);

    int counterX_ = 0;
    int counterY_ = 0;
    int counterV_ = 0;
    std::vector<std::string> names_;
    TCalcVarsEventsObject listener_;
    ICalcVars* registeredWith_ = nullptr;  // the document the listener is on, not owned
};

}  // namespace quillix

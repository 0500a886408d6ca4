// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_CalcDropdownWinBase: what the two drop-down windows of the number field
// share. A frameless tool window that opens under its field, inside the
// screen's available area, and hides as soon as it loses the activation,
// unless a dialog of its own is open (auto-hide cleared meanwhile).

#include <QFrame>

#include "drop_down/drop_down_host.h"

namespace quillix {

class Tfrm_CalcDropdownWinBase : public QFrame {
    Q_OBJECT
  public:
    explicit Tfrm_CalcDropdownWinBase(IDropDownHost& field);

    // Placed under the field and shown, activated.
    void DropDown();
    bool AutoHide() const { return autoHide_; }
    // A dialog of the window opens (false) / closed (true).
    void SetAutoHide(bool autoHide) { autoHide_ = autoHide; }

  signals:
    // The window hid (for whatever reason).
    void closed();

  protected:
    IDropDownHost& Field() const { return field_; }
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    IDropDownHost& field_;
    bool autoHide_ = true;
};

}  // namespace quillix

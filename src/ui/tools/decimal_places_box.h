// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Decimal places:" of the finance box and the unit converter: "Default"
// (the general format) or "0" to "18" (fixed format with that many decimals).
// It shows the current format when created and changes the calculator-wide
// format as soon as another item is chosen. The choice is deliberately not
// written to the settings: the options dialog is where the format is kept.

#include <QComboBox>

namespace quillix {

class TDecimalPlacesBox : public QComboBox {
    Q_OBJECT
  public:
    explicit TDecimalPlacesBox(QWidget* parent = nullptr);

    // The item that stands for the current format: 0 "Default", k + 1 for k decimals.
    static int CurrentFormatIndex();

  signals:
    // ValueFormatSettings() has changed; the window redraws its boxes.
    void formatChanged();

  private:
    void Apply(int index);
};

}  // namespace quillix

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A titled group of radio buttons, one of which is always chosen: the finance
// box's "Payment frequency" and "Payment time".

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace quillix {

class TChoiceGroup : public QGroupBox {
    Q_OBJECT
  public:
    TChoiceGroup(const QString& title, const QStringList& items, int current,
                 QWidget* parent = nullptr);

    int Current() const;
    void SetCurrent(int index);
    QRadioButton* Button(int index) const;

  private:
    QButtonGroup* group_ = nullptr;
};

}  // namespace quillix

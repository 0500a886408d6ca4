// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The range an input of a what-if table runs over, as the user types it:
// "From", "To" and "Steps" (evenly spaced, or geometric when ticked), or a
// list of values separated by commas. The core judges the range.

#include <QWidget>

#include "whatif/whatif_range.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace quillix {

class TRangeFields : public QWidget {
    Q_OBJECT
  public:
    // name: what the fields' accessible names start with ("Input", "Second input").
    explicit TRangeFields(const QString& name, QWidget* parent = nullptr);

    // The range, or why there is none.
    TRangeReading Reading() const;
    // Fills the fields with a range from start to stop.
    void SetSteps(long double start, long double stop, int steps, bool geometric);
    void SetList(const QString& list);

    QLineEdit* StartEdit() const { return start_; }
    QLineEdit* StopEdit() const { return stop_; }
    QSpinBox* StepsBox() const { return steps_; }
    QCheckBox* GeometricBox() const { return geometric_; }
    QRadioButton* ListChoice() const { return listChoice_; }
    QLineEdit* ListEdit() const { return list_; }

  private:
    void FollowChoice();

    QRadioButton* stepsChoice_ = nullptr;
    QLineEdit* start_ = nullptr;
    QLineEdit* stop_ = nullptr;
    QSpinBox* steps_ = nullptr;
    QCheckBox* geometric_ = nullptr;
    QRadioButton* listChoice_ = nullptr;
    QLineEdit* list_ = nullptr;
};

}  // namespace quillix

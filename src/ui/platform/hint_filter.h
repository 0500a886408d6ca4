// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hint filter: tool tips of the keypad's controls (the widgets whose
// "skinArea" property, or an ancestor's, is "Keypad") show only while the
// keypad hints are switched on; every other tool tip shows.

#include <QObject>

namespace quillix {

inline constexpr const char* kSkinAreaProperty = "skinArea";
inline constexpr const char* kKeypadArea = "Keypad";

class THintFilter : public QObject {
    Q_OBJECT
  public:
    explicit THintFilter(QObject* parent = nullptr) : QObject(parent) {}
    void SetKeypadHints(bool show) { keypadHints_ = show; }
    bool KeypadHints() const { return keypadHints_; }
    // True when the hint of that object may show.
    bool HintAllowed(const QObject* object) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool keypadHints_ = true;
};

}  // namespace quillix

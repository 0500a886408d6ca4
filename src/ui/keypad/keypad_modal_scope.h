// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bracket around every dialog the keypad opens itself: the hot keys are
// suspended and the host is told that a dialog of the keypad is open; at the end
// the host is told it closed and the hot keys come back as they were (with the
// same regard for the modal flag, so a drop-down calculator inside a dialog gets
// its keys back too).

namespace quillix {

class Tfra_KeypadFW;

class TKeypadModalScope {
  public:
    explicit TKeypadModalScope(Tfra_KeypadFW& keypad);
    ~TKeypadModalScope();
    TKeypadModalScope(const TKeypadModalScope&) = delete;
    TKeypadModalScope& operator=(const TKeypadModalScope&) = delete;

  private:
    Tfra_KeypadFW& keypad_;
    bool wasRegistered_;
    bool respectModal_;
};

}  // namespace quillix

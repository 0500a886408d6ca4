// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The function pad's buttons as the pad creator sees them: IFuncPadButton over a
// Qt button and IFuncPadPanel over the widget that holds the "sb_Func00" ..
// "sb_Func34" buttons. The keypad and the options dialog both use them.

#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "functions/func_pad.h"

class QAbstractButton;
class QWidget;

namespace quillix {

// The dynamic properties a pad button carries besides caption, colour and hint.
inline constexpr const char* kPadTagProperty = "tag";
inline constexpr const char* kHelpContextProperty = "helpContext";

class TFuncPadButton final : public IFuncPadButton {
  public:
    explicit TFuncPadButton(QAbstractButton* button) : button_(button) {}

    void SetCaption(const std::string& caption) override;
    void SetFontColor(std::int32_t color) override;
    void SetHint(const std::string& hint) override;
    void SetHelpContext(int topic) override;
    void SetEnabled(bool enabled) override;
    void SetTag(int tag) override;

  private:
    QPointer<QAbstractButton> button_;
};

class TFuncPadPanel final : public IFuncPadPanel {
  public:
    explicit TFuncPadPanel(QWidget* container) : container_(container) {}
    // The adapter of the container's button of that name, made on first use.
    IFuncPadButton* FindButton(std::string_view name) override;

  private:
    QPointer<QWidget> container_;
    std::map<std::string, std::unique_ptr<TFuncPadButton>, std::less<>> buttons_;
};

// The tag of a pad button (its item's index), -1 when it has none.
int PadButtonTag(const QAbstractButton& button);

}  // namespace quillix

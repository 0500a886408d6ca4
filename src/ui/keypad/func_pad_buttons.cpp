// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/func_pad_buttons.h"

#include <QAbstractButton>
#include <QColor>
#include <QPalette>
#include <QStyle>

namespace quillix {

void TFuncPadButton::SetCaption(const std::string& caption) {
    if (!button_) return;
    const QString text = QString::fromStdString(caption);
    button_->setText(text);
    button_->setAccessibleName(QString::fromStdString(
        PadButtonAccessibleName(caption, button_->property(kPadTagProperty).toInt())));
}

void TFuncPadButton::SetFontColor(std::int32_t color) {
    if (!button_) return;
    const TPadRgb rgb = PadColorRgb(color);
    QPalette palette = button_->palette();
    const QColor textColor(rgb.Red, rgb.Green, rgb.Blue);
    palette.setColor(QPalette::ButtonText, textColor);
    button_->setPalette(palette);
    // The standard colour is the skin's to choose (a dark skin needs a lighter
    // blue: the rule on "standardColour"); a colour the user chose wins over it.
    const bool standard = color == kPadDefaultFontColor;
    button_->setProperty("standardColour", standard);
    button_->setStyleSheet(standard ? QString()
                                    : QStringLiteral("color: %1;").arg(textColor.name()));
    button_->style()->unpolish(button_);
    button_->style()->polish(button_);
}

void TFuncPadButton::SetHint(const std::string& hint) {
    if (!button_) return;
    button_->setToolTip(QString::fromStdString(hint));
    button_->setAccessibleDescription(QString::fromStdString(hint));
}

void TFuncPadButton::SetHelpContext(int topic) {
    if (button_) button_->setProperty(kHelpContextProperty, topic);
}

void TFuncPadButton::SetEnabled(bool enabled) {
    if (button_) button_->setEnabled(enabled);
}

void TFuncPadButton::SetTag(int tag) {
    if (button_) button_->setProperty(kPadTagProperty, tag);
}

IFuncPadButton* TFuncPadPanel::FindButton(std::string_view name) {
    if (!container_) return nullptr;
    if (const auto found = buttons_.find(name); found != buttons_.end()) return found->second.get();
    auto* button = container_->findChild<QAbstractButton*>(
        QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    if (!button) return nullptr;
    auto adapter = std::make_unique<TFuncPadButton>(button);
    IFuncPadButton* result = adapter.get();
    buttons_.emplace(std::string(name), std::move(adapter));
    return result;
}

int PadButtonTag(const QAbstractButton& button) {
    bool ok = false;
    const int tag = button.property(kPadTagProperty).toInt(&ok);
    return ok ? tag : -1;
}

}  // namespace quillix

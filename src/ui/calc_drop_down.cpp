#include "calc_drop_down.h"

#include <QHBoxLayout>
#include <QLineEdit>

#include "common/number_text.h"

namespace quillix {

TCalcDropDown::TCalcDropDown(QWidget* parent) : QFrame(parent), value_(TCalcValue::New()) {
    edit_ = new QLineEdit(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_);
    setFocusProxy(edit_);
    connect(edit_, &QLineEdit::textEdited, this, &TCalcDropDown::TextEdited);
    ShowValue();
}

TCalcDropDown::~TCalcDropDown() = default;

void TCalcDropDown::ReplaceValue(ValueRef value) {
    value_ = std::move(value);
    ShowValue();
    emit valueChanged();
}

void TCalcDropDown::AssignNumber(std::uint8_t kind, long double number) {
    ReplaceValue(TCalcValue::New(number, kind));
}

void TCalcDropDown::AssignValue(const TCalcValue& value) {
    ReplaceValue(value.Clone());
}

bool TCalcDropDown::IsTextEmpty() const {
    return edit_->text().isEmpty();
}

void TCalcDropDown::ShowValue() {
    updating_ = true;
    edit_->setText(QString::fromStdString(value_->FormatValue(kPlainStyle)));
    edit_->setCursorPosition(edit_->text().size());
    setToolTip(QString::fromStdString(value_->GetRefText()));
    updating_ = false;
}

void TCalcDropDown::TextEdited(const QString& text) {
    if (updating_) return;
    const std::string plain = text.toStdString();
    if (plain.empty() || plain == "-") {
        value_->SetNumber(0);
    } else if (const auto number = ParseDecimal(plain)) {
        value_->SetNumber(*number);
    } else {
        return;
    }
    setToolTip(QString::fromStdString(value_->GetRefText()));
    emit valueChanged();
}

}  // namespace quillix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "drop_down/calc_drop_down.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include "common/number_field_rules.h"
#include "drop_down/drop_down_calc.h"
#include "drop_down/drop_down_vars.h"
#include "drop_down/edit_ex.h"
#include "model/value_field_rules.h"
#include "model/value_texts.h"
#include "platform/user_prompts.h"

namespace quillix {

namespace {

const QColor kFrameColor(166, 202, 240);

// A small calculator face for the calculator button: a display bar over a
// grid of keys.
QIcon CalculatorIcon() {
    QPixmap pixmap(12, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(40, 40, 40));
    painter.drawRect(0, 0, 11, 13);
    painter.fillRect(2, 2, 8, 3, QColor(40, 40, 40));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            painter.fillRect(2 + col * 3, 6 + row * 2, 2, 1, Qt::black);
    return QIcon(pixmap);
}

QToolButton* MakeButton(QWidget* parent, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(name);
    button->setToolTip(name);
    return button;
}

}  // namespace

TCalcDropDown::TCalcDropDown(QWidget* parent) : QFrame(parent), value_(TCalcValue::New()) {
    edit_ = new TEditEx(this);
    edit_->setFrame(false);
    listButton_ = MakeButton(this, tr("Variables"));
    listButton_->setArrowType(Qt::DownArrow);
    calcButton_ = MakeButton(this, tr("Calculator"));
    calcButton_->setIcon(CalculatorIcon());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(1);
    layout->addWidget(edit_, 1);
    layout->addWidget(listButton_);
    layout->addWidget(calcButton_);
    setFocusProxy(edit_);
    setFocusPolicy(Qt::StrongFocus);

    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textEdited, this, &TCalcDropDown::TextEdited);
    connect(edit_, &TEditEx::pasteRequested, this, &TCalcDropDown::PasteThroughCalculator);
    connect(listButton_, &QToolButton::clicked, this, &TCalcDropDown::DropDownVariables);
    connect(calcButton_, &QToolButton::clicked, this, &TCalcDropDown::DropDownCalculator);
    ShowValue();
}

TCalcDropDown::~TCalcDropDown() {
    // The windows are children and go after the field's own members; a window
    // hidden on its way out must not ask the half-destroyed field to redraw.
    if (calcWindow_) calcWindow_->disconnect(this);
    if (varsWindow_) varsWindow_->disconnect(this);
}

QSize TCalcDropDown::sizeHint() const {
    const QSize buttons = listButton_->sizeHint();
    return {qMax(186, edit_->sizeHint().width()),
            qMax(21, qMax(edit_->sizeHint().height(), buttons.height()) + 2)};
}

QLineEdit* TCalcDropDown::Edit() const {
    return edit_;
}

void TCalcDropDown::SetAccessibleName(const QString& name) {
    setAccessibleName(name);
    edit_->setAccessibleName(name);
}

void TCalcDropDown::ReplaceValue(ValueRef value) {
    value_ = std::move(value);
    ShowValue();
    emit valueChanged();
}

void TCalcDropDown::TakeOver(ValueRef value) {
    ReplaceValue(std::move(value));
}

void TCalcDropDown::ReloadCalculator() {
    if (calcWindow_) calcWindow_->Load();
}

void TCalcDropDown::AssignNumber(std::uint8_t kind, long double number) {
    ReplaceValue(TCalcValue::New(number, kind));
    ReloadCalculator();
}

void TCalcDropDown::AssignValue(const TCalcValue& value) {
    ReplaceValue(value.Clone());
    ReloadCalculator();
}

bool TCalcDropDown::IsTextEmpty() const {
    return edit_->text().isEmpty();
}

void TCalcDropDown::ShowValue() {
    updating_ = true;
    edit_->setText(QString::fromStdString(value_->FormatValue(kPlainStyle)));
    edit_->setCursorPosition(edit_->text().size());
    UpdateHint();
    updating_ = false;
}

void TCalcDropDown::UpdateHint() {
    const QString formula = QString::fromStdString(value_->GetRefText());
    setToolTip(formula);
    // A variable or a formula reads apart from a typed number: in italics,
    // with the formula (or the variable's name) as its hint.
    const TFieldContent content = FieldContentOf(*value_);
    QFont font = edit_->font();
    font.setItalic(content != TFieldContent::Number);
    edit_->setFont(font);
    edit_->setToolTip(content == TFieldContent::Number ? QString() : formula);
    edit_->setAccessibleDescription(
        content == TFieldContent::Reference ? QStringLiteral("The value of variable ") + formula
        : content == TFieldContent::Formula ? QStringLiteral("Computed by the formula ") + formula
                                            : QString());
}

Tfrm_DropDownCalc& TCalcDropDown::CalcWindow() {
    if (!calcWindow_) {
        calcWindow_ = new Tfrm_DropDownCalc(*this);
        connect(calcWindow_, &Tfrm_CalcDropdownWinBase::closed, this, &TCalcDropDown::ShowValue);
    }
    return *calcWindow_;
}

Tfrm_DropDownVars& TCalcDropDown::VarsWindow() {
    if (!varsWindow_) {
        varsWindow_ = new Tfrm_DropDownVars(*this);
        connect(varsWindow_, &Tfrm_CalcDropdownWinBase::closed, this, &TCalcDropDown::ShowValue);
    }
    return *varsWindow_;
}

void TCalcDropDown::DropDownCalculator() {
    CalcWindow().DropDown();
}

void TCalcDropDown::DropDownVariables() {
    VarsWindow().DropDown();
}

void TCalcDropDown::ClearThroughCalculator() {
    CalcWindow().ClearAndTakeOver();
    updating_ = true;
    edit_->clear();
    updating_ = false;
    edit_->setFocus();
}

void TCalcDropDown::PasteThroughCalculator() {
    CalcWindow().PasteAndTakeOver();
    edit_->setFocus();
}

bool TCalcDropDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        if (event->type() == QEvent::FocusIn) emit editEntered();
        if (event->type() == QEvent::KeyPress && FilterKey(static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

namespace {

// Keys that change the edit's text without typing a character into it.
constexpr QKeySequence::StandardKey kEditingShortcuts[] = {
    QKeySequence::Cut,
    QKeySequence::Undo,
    QKeySequence::Redo,
    QKeySequence::Backspace,
    QKeySequence::DeleteEndOfLine,
    QKeySequence::DeleteStartOfWord,
    QKeySequence::DeleteEndOfWord,
    QKeySequence::DeleteCompleteLine,
};

TFieldKey FieldKeyOf(const QKeyEvent& event) {
    for (const QKeySequence::StandardKey shortcut : kEditingShortcuts)
        if (event.matches(shortcut)) return TFieldKey::EditingKey;
    if (event.key() == Qt::Key_Backspace) return TFieldKey::EditingKey;
    // Any other shortcut (copy, select-all, a dialog's own keys) and every key
    // without a character (navigation) leaves the text alone.
    if (event.text().isEmpty() ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return TFieldKey::PassingKey;
    return FieldKeyOfChar(event.text().toUcs4().value(0));
}

}  // namespace

void TCalcDropDown::StartPlainNumber() {
    TTypedOver typed = TypingOver(value_);
    value_ = std::move(typed.Value);
    if (typed.ClearText) {
        updating_ = true;
        edit_->setText(QString());
        updating_ = false;
    }
    UpdateHint();
}

bool TCalcDropDown::FilterKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        ClearThroughCalculator();
        return true;
    }
    // Paste keys are the edit's own business (it asks the field to paste).
    if (event->matches(QKeySequence::Paste)) return false;
    const TFieldKey key = FieldKeyOf(*event);
    if (key == TFieldKey::PassingKey) return false;
    const char32_t ch = key == TFieldKey::Character ? event->text().toUcs4().value(0) : 0;
    // Changing the text of a computed or picked value starts a plain number.
    if (KeyStartsPlainNumber(key, ch)) StartPlainNumber();
    if (key == TFieldKey::EditingKey) return false;
    const std::u32string current = edit_->text().toStdU32String();
    if (value_->CVType() != cvNumber || !NumberFieldAcceptsChar(current, ch)) {
        Prompts().Beep();
        return true;
    }
    return false;
}

void TCalcDropDown::TextEdited(const QString& text) {
    if (updating_) return;
    const std::string typed = text.toStdString();
    const auto number = NumberFieldTextValue(typed);
    if (!number) {
        // The characters stay, as in the keypad; the next edit converts again.
        if (const auto problem = NumberFieldConversionProblem(typed))
            Prompts().ShowWarning(this, QString::fromStdString(*problem));
        return;
    }
    value_->SetNumber(*number);
    UpdateHint();
    emit valueChanged();
}

void TCalcDropDown::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(kFrameColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace quillix

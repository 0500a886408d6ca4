#pragma once
// TCalcDropDown: the number field of the tool windows and dialogs. It holds a
// calc value, not text: a typed number, a reference to a variable picked from
// a drop-down list, or a value computed on a drop-down calculator with its
// formula.

#include <QFrame>
#include <cstdint>

#include "model/calc_value.h"

class QLineEdit;

namespace quillix {

class TCalcDropDown : public QFrame {
    Q_OBJECT
  public:
    explicit TCalcDropDown(QWidget* parent = nullptr);
    ~TCalcDropDown() override;

    // The value becomes a new value with that number and kind (0 number, 1 date).
    void AssignNumber(std::uint8_t kind, long double number);
    // The value becomes a clone of value (number, kind and formula).
    void AssignValue(const TCalcValue& value);
    const TCalcValue& Value() const { return *value_; }
    bool IsTextEmpty() const;
    // The edit shows the value in plain style; the hint is its reference text.
    void ShowValue();
    QLineEdit* Edit() const { return edit_; }

  signals:
    // The edit received the focus.
    void editEntered();
    void valueChanged();

  private:
    void ReplaceValue(ValueRef value);
    void TextEdited(const QString& text);

    ValueRef value_;
    QLineEdit* edit_ = nullptr;
    bool updating_ = false;
};

}  // namespace quillix

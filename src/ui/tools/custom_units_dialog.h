// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_unitconvoptions: the custom units dialog of the unit converter. It
// lists the user's units of "unitconv.ini" and adds and removes them, in the
// registry and the file at once. A test creates it and presses its buttons.

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quillix {

class Tfrm_unitconvoptions : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_unitconvoptions(QWidget* parent = nullptr);

    QTableWidget* Units() const { return units_; }
    QComboBox* Category() const { return category_; }
    QLineEdit* Unit() const { return unit_; }
    QLineEdit* Factor() const { return factor_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* RemoveButton() const { return remove_; }

    // "&Add": registers the typed unit and appends its row; nothing happens
    // while a text is empty, and a refusal is shown with nothing added. A file
    // that could not take the unit is shown too (the unit stays for this run).
    void Add();
    // "&Remove": deletes the selected row's unit.
    void Remove();

  private:
    void AppendRow(const QString& category, const QString& unit, const QString& factor);
    void ReportFileError();

    QTableWidget* units_ = nullptr;
    QComboBox* category_ = nullptr;
    QLineEdit* unit_ = nullptr;
    QLineEdit* factor_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace quillix

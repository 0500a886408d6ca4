// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "FunctionPad" page of the options dialog: a copy of the keypad's twenty
// function pad buttons, loaded from the settings by the page's own pad
// creator, and the editor below them (group, function, caption, colour). Edits
// change the page's items only; SaveAll writes them when the dialog is applied.

#include <QWidget>
#include <memory>
#include <string_view>
#include <vector>

#include "functions/func_pad.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillix {

class TOptionsPadButton;

class TOptionsPadPage : public QWidget, private IFuncPadPanel {
    Q_OBJECT
  public:
    TOptionsPadPage(IConfigor& settings, QWidget* parent = nullptr);
    ~TOptionsPadPage() override;

    // Makes the item of the button at row, column the edited one (a click).
    void EditButton(int row, int col);
    // The user's choices in the editor, as the lists' and the edit's signals
    // deliver them.
    void ChooseGroup(int index);
    void ChooseFunction(int index);
    void ChooseColor(int index);

    // Writes all twenty items (announced); throws as TFuncPadCreator::SaveAll.
    void SaveAll() { creator_.SaveAll(); }

    const TFuncPadCreator& Creator() const { return creator_; }
    const TFuncPadItem* EditedItem() const { return edited_; }
    QPushButton* PadButton(int row, int col) const;
    QComboBox* GroupList() const { return group_; }
    QComboBox* FunctionList() const { return function_; }
    QLineEdit* CaptionEdit() const { return caption_; }
    QComboBox* ColorList() const { return color_; }

  private:
    IFuncPadButton* FindButton(std::string_view name) override;
    void FillFunctions(const QString& group);
    void ShowColor(std::int32_t color);
    void CaptionEdited(const QString& text);
    void RefreshEdited();

    TFuncPadCreator creator_;
    std::vector<TOptionsPadButton*> buttons_;  // row by row; owned by the page
    TFuncPadItem* edited_ = nullptr;
    QComboBox* group_ = nullptr;
    QComboBox* function_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QComboBox* color_ = nullptr;
};

}  // namespace quillix

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_CreateFunction: the three-step wizard that turns the program document
// into a user function file: name and description, the inputs and the one
// output, the library folder. The file is written from a copy of the document,
// which itself stays as it was.

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace quillix {

class ICalcVars;
class TUserFuncFolder;

class Tfrm_CreateFunction : public QDialog {
    Q_OBJECT
  public:
    enum TStep { Step1 = 0, Step2 = 1, Step3 = 2 };

    explicit Tfrm_CreateFunction(QWidget* parent = nullptr);

    // Fills the pages from the document (not owned; it must outlive the dialog)
    // and the folder tree from the functions library.
    void Init(ICalcVars& document);

    void Next();
    void Previous();
    // Writes the function file and closes the dialog; a failed check or write
    // shows its message and stays.
    void Create();

    // The message of the check of a page, or empty when it passes.
    QString CheckStep(int step) const;

    QTabWidget* Pages() const { return pages_; }
    QLineEdit* NameEdit() const { return name_; }
    QPlainTextEdit* DescriptionEdit() const { return description_; }
    QListWidget* InputList() const { return inputs_; }
    QComboBox* OutputList() const { return output_; }
    QTreeWidget* FolderTree() const { return folders_; }
    QPushButton* PreviousButton() const { return previous_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* CreateButton() const { return create_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    void PageChanging(int newPage);
    void UpdateButtons();
    void AddFolderNodes(QTreeWidgetItem* node, TUserFuncFolder& folder);
    TUserFuncFolder* SelectedFolder() const;
    bool SaveFunction(QString* error) const;

    ICalcVars* document_ = nullptr;
    bool checksEnabled_ = true;
    bool reverting_ = false;
    int currentPage_ = Step1;

    QTabWidget* pages_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QListWidget* inputs_ = nullptr;
    QComboBox* output_ = nullptr;
    QTreeWidget* folders_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* create_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace quillix

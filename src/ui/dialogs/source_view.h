// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_sourceView: a program or function file as text, read-only and without
// word wrap: the description in green, then per entry its role and description
// in navy and its name, formula and value in the default colour.

#include <QDialog>
#include <memory>
#include <string>

class QTextEdit;

namespace quillix {

class TCalcVarsBase;
class TCalcProgramExec;

class Tfrm_sourceView : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_sourceView(QWidget* parent = nullptr);
    ~Tfrm_sourceView() override;

    // Shows the set (not owned; it must outlive the window), modally.
    void ShowSet(const TCalcVarsBase& set);
    // Loads a program or function file into a set of the window's own and shows
    // it modally. False, after a message, when the file cannot be read.
    bool ShowFile(const std::string& fileName);

    // The two steps without the modal loop: fill the text from a set, or from a
    // file (false with *error set when it cannot be read).
    void Fill(const TCalcVarsBase& set);
    bool LoadFile(const std::string& fileName, std::string* error);
    QTextEdit* TextBox() const { return text_; }

  private:
    QTextEdit* text_ = nullptr;
    std::unique_ptr<TCalcProgramExec> owned_;
};

}  // namespace quillix

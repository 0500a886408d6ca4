// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quillix {
namespace {

class TStandardPrompts final : public IUserPrompts {
  public:
    TPromptAnswer AskYesNoCancel(QWidget* parent, const QString& caption,
                                 const QString& text) override {
        const auto button = QMessageBox::question(
            parent, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
            QMessageBox::Yes);
        if (button == QMessageBox::Yes) return TPromptAnswer::Yes;
        if (button == QMessageBox::No) return TPromptAnswer::No;
        return TPromptAnswer::Cancel;
    }
    TPromptAnswer AskYesNo(QWidget* parent, const QString& caption, const QString& text) override {
        const auto button = QMessageBox::question(
            parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        return button == QMessageBox::Yes ? TPromptAnswer::Yes : TPromptAnswer::No;
    }
    TPromptAnswer AskTwoWay(QWidget* parent, const QString& caption, const QString& text,
                            const QString& yesText, const QString& noText) override {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
        QPushButton* yes = box.addButton(yesText, QMessageBox::AcceptRole);
        box.addButton(noText, QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes ? TPromptAnswer::Yes : TPromptAnswer::No;
    }
    void ShowError(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, QStringLiteral("Error"), text);
    }
    void ShowWarning(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, QString::fromLatin1(kProductName), text);
    }
    std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& initial) override {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &ok);
        if (!ok) return std::nullopt;
        return text;
    }
    std::optional<QString> AskSaveFile(QWidget* parent, const QString& proposedPath,
                                       const QString& filter,
                                       const QString& defaultSuffix) override {
        QFileDialog chooser(parent);
        SetUpSaveChooser(chooser, proposedPath, filter, defaultSuffix);
        if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
            return std::nullopt;
        return chooser.selectedFiles().front();
    }
    QStringList AskOpenFiles(QWidget* parent, const QString& folder,
                             const QString& filter) override {
        return QFileDialog::getOpenFileNames(parent, QString(), folder, filter);
    }
    void Beep() override { QApplication::beep(); }
};

TStandardPrompts standardPrompts;
IUserPrompts* installedPrompts = nullptr;

}  // namespace

void SetUpSaveChooser(QFileDialog& chooser, const QString& proposedPath, const QString& filter,
                      const QString& defaultSuffix) {
    // A desktop's own chooser may ask about the name as typed and get the
    // suffix only afterwards, which is how a file could be replaced unasked.
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setNameFilter(filter);
    chooser.setDefaultSuffix(defaultSuffix);
    const QFileInfo proposed(proposedPath);
    chooser.setDirectory(proposed.absolutePath());
    chooser.selectFile(proposed.fileName());
}

IUserPrompts& Prompts() {
    return installedPrompts ? *installedPrompts : standardPrompts;
}

void SetPrompts(IUserPrompts* prompts) {
    installedPrompts = prompts;
}

}  // namespace quillix

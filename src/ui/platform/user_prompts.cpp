// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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
                                       const QString& filter) override {
        const QString path = QFileDialog::getSaveFileName(parent, QString(), proposedPath, filter);
        if (path.isEmpty()) return std::nullopt;
        return path;
    }
    QStringList AskOpenFiles(QWidget* parent, const QString& filter) override {
        return QFileDialog::getOpenFileNames(parent, QString(), QString(), filter);
    }
    void Beep() override { QApplication::beep(); }
};

TStandardPrompts standardPrompts;
IUserPrompts* installedPrompts = nullptr;

}  // namespace

IUserPrompts& Prompts() {
    return installedPrompts ? *installedPrompts : standardPrompts;
}

void SetPrompts(IUserPrompts* prompts) {
    installedPrompts = prompts;
}

}  // namespace quillix

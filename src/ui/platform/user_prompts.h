// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one seam through which windows ask the user something: message boxes,
// the one-line input box, file choosers and the beep. The application uses
// Qt's standard dialogs; a test installs a scripted answerer, so that no
// unexpected modal box can hang it.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace quillix {

enum class TPromptAnswer { Yes, No, Cancel };

class IUserPrompts {
  public:
    virtual ~IUserPrompts() = default;
    // A question with Yes, No and Cancel and the question icon.
    virtual TPromptAnswer AskYesNoCancel(QWidget* parent, const QString& caption,
                                         const QString& text) = 0;
    // A message box titled "Error" with the error icon.
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    // The application's general error display: captioned with the application's
    // title, with the exclamation icon.
    virtual void ShowWarning(QWidget* parent, const QString& text) = 0;
    // The one-line input box; none when cancelled.
    virtual std::optional<QString> AskText(QWidget* parent, const QString& caption,
                                           const QString& prompt, const QString& initial) = 0;
    // A file to write; none when cancelled. filter as Qt writes it ("Program files (*.prg)").
    virtual std::optional<QString> AskSaveFile(QWidget* parent, const QString& proposedPath,
                                               const QString& filter) = 0;
    // Files to read; empty when cancelled.
    virtual QStringList AskOpenFiles(QWidget* parent, const QString& filter) = 0;
    virtual void Beep() = 0;
};

// The prompts in use: the standard ones unless a test installed its own.
IUserPrompts& Prompts();
// Installs prompts (not owned); null restores the standard ones.
void SetPrompts(IUserPrompts* prompts);

// The product's name, the caption of the application's own message boxes.
inline const char* const kProductName = "Quillix";

}  // namespace quillix

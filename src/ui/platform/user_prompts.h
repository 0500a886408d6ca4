// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one seam through which windows ask the user something: message boxes,
// the one-line input box, file choosers and the beep. The application uses
// Qt's standard dialogs; a test installs a scripted answerer, so that no
// unexpected modal box can hang it.

#include <QString>
#include <QStringList>
#include <optional>

class QFileDialog;
class QWidget;

namespace quillix {

enum class TPromptAnswer { Yes, No, Cancel };

class IUserPrompts {
  public:
    virtual ~IUserPrompts() = default;
    // A question with Yes, No and Cancel and the question icon.
    virtual TPromptAnswer AskYesNoCancel(QWidget* parent, const QString& caption,
                                         const QString& text) = 0;
    // A question with Yes and No and the question icon (No is the default).
    virtual TPromptAnswer AskYesNo(QWidget* parent, const QString& caption,
                                   const QString& text) = 0;
    // A question with two answers the caller names and the question icon: the
    // first answers Yes (the default), the second No.
    virtual TPromptAnswer AskTwoWay(QWidget* parent, const QString& caption, const QString& text,
                                    const QString& yesText, const QString& noText) = 0;
    // A message box titled "Error" with the error icon.
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    // The application's general error display: captioned with the application's
    // title, with the exclamation icon.
    virtual void ShowWarning(QWidget* parent, const QString& text) = 0;
    // The one-line input box; none when cancelled.
    virtual std::optional<QString> AskText(QWidget* parent, const QString& caption,
                                           const QString& prompt, const QString& initial) = 0;
    // A file to write; none when cancelled. filter as Qt writes it ("Program files (*.prg)");
    // defaultSuffix ("prg") is added by the chooser to a name without one, before
    // it asks whether to replace an existing file, so the answer is the real path.
    virtual std::optional<QString> AskSaveFile(QWidget* parent, const QString& proposedPath,
                                               const QString& filter,
                                               const QString& defaultSuffix) = 0;
    // Files to read, the chooser opening in folder; empty when cancelled.
    virtual QStringList AskOpenFiles(QWidget* parent, const QString& folder,
                                     const QString& filter) = 0;
    virtual void Beep() = 0;
};

// The chooser AskSaveFile shows: Qt's own dialog (whose overwrite question sees
// the name with the default suffix added), in save mode, opening at proposedPath.
void SetUpSaveChooser(QFileDialog& chooser, const QString& proposedPath, const QString& filter,
                      const QString& defaultSuffix);

// The prompts in use: the standard ones unless a test installed its own.
IUserPrompts& Prompts();
// Installs prompts (not owned); null restores the standard ones.
void SetPrompts(IUserPrompts* prompts);

// The product's name, the caption of the application's own message boxes.
inline const char* const kProductName = "Quillix";

}  // namespace quillix

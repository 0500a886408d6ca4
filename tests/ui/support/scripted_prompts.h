// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Prompts for widget tests: every question a window asks is answered from a
// script the test wrote beforehand, and recorded. A question nobody scripted
// fails the test and is answered "Cancel" (or nothing), so no test can hang on
// a modal box.

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_prompts.h"

namespace quillix::test {

struct TPromptRecord {
    std::string Kind;  // "question", "error", "warning", "text", "save", "open"
    QString Caption;   // a chooser's filter
    QString Text;      // a chooser's proposed path or folder
    QString Initial;   // the save chooser's default suffix
};

class TScriptedPrompts final : public IUserPrompts {
  public:
    // Installs itself for its lifetime.
    TScriptedPrompts();
    ~TScriptedPrompts() override;

    void ScriptAnswer(TPromptAnswer answer) { answers_.push_back(answer); }
    // A text for the next input box; none cancels it.
    void ScriptText(std::optional<QString> text) { texts_.push_back(std::move(text)); }
    void ScriptSaveFile(std::optional<QString> path) { saveFiles_.push_back(std::move(path)); }
    void ScriptOpenFiles(QStringList paths) { openFiles_.push_back(std::move(paths)); }
    // Errors and warnings are expected only when the test says so.
    void ExpectMessages(bool expect = true) { messagesExpected_ = expect; }

    const std::vector<TPromptRecord>& Records() const { return records_; }
    // The texts of the errors and warnings shown, in order.
    QStringList Messages() const;
    int Beeps() const { return beeps_; }
    // True when every scripted answer was used.
    bool ScriptUsed() const;

    TPromptAnswer AskYesNoCancel(QWidget* parent, const QString& caption,
                                 const QString& text) override;
    // Answered from the same script as AskYesNoCancel (a Cancel there is No).
    TPromptAnswer AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    // Answered from the same script too (a Cancel there is No); the record's
    // Initial holds the two answers' captions as "first|second".
    TPromptAnswer AskTwoWay(QWidget* parent, const QString& caption, const QString& text,
                            const QString& yesText, const QString& noText) override;
    void ShowError(QWidget* parent, const QString& text) override;
    void ShowWarning(QWidget* parent, const QString& text) override;
    std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& initial) override;
    std::optional<QString> AskSaveFile(QWidget* parent, const QString& proposedPath,
                                       const QString& filter,
                                       const QString& defaultSuffix) override;
    QStringList AskOpenFiles(QWidget* parent, const QString& folder,
                             const QString& filter) override;
    void Beep() override { ++beeps_; }

  private:
    std::deque<TPromptAnswer> answers_;
    std::deque<std::optional<QString>> texts_;
    std::deque<std::optional<QString>> saveFiles_;
    std::deque<QStringList> openFiles_;
    std::vector<TPromptRecord> records_;
    bool messagesExpected_ = false;
    int beeps_ = 0;
};

}  // namespace quillix::test

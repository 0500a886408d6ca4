// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace quillix::test {

namespace {

// The next scripted answer, taken off the script: its text, or none. The text
// is moved out on its own; a copy of the whole optional makes GCC 12 warn that
// the text of an empty one "may be used uninitialized".
std::optional<QString> TakeFirst(std::deque<std::optional<QString>>& script) {
    const bool given = script.front().has_value();
    QString text = given ? std::move(*script.front()) : QString();
    script.pop_front();
    if (!given) return std::nullopt;
    return text;
}

}  // namespace

TScriptedPrompts::TScriptedPrompts() {
    SetPrompts(this);
}

TScriptedPrompts::~TScriptedPrompts() {
    SetPrompts(nullptr);
}

QStringList TScriptedPrompts::Messages() const {
    QStringList messages;
    for (const TPromptRecord& record : records_)
        if (record.Kind == "error" || record.Kind == "warning") messages << record.Text;
    return messages;
}

bool TScriptedPrompts::ScriptUsed() const {
    return answers_.empty() && texts_.empty() && saveFiles_.empty() && openFiles_.empty();
}

TPromptAnswer TScriptedPrompts::AskYesNoCancel(QWidget*, const QString& caption,
                                               const QString& text) {
    records_.push_back({"question", caption, text, {}});
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return TPromptAnswer::Cancel;
    }
    const TPromptAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

TPromptAnswer TScriptedPrompts::AskYesNo(QWidget* parent, const QString& caption,
                                         const QString& text) {
    const TPromptAnswer answer = AskYesNoCancel(parent, caption, text);
    return answer == TPromptAnswer::Yes ? TPromptAnswer::Yes : TPromptAnswer::No;
}

TPromptAnswer TScriptedPrompts::AskTwoWay(QWidget* parent, const QString& caption,
                                          const QString& text, const QString& yesText,
                                          const QString& noText) {
    const TPromptAnswer answer = AskYesNoCancel(parent, caption, text);
    records_.back().Initial = yesText + QLatin1Char('|') + noText;
    return answer == TPromptAnswer::Yes ? TPromptAnswer::Yes : TPromptAnswer::No;
}

void TScriptedPrompts::ShowError(QWidget*, const QString& text) {
    records_.push_back({"error", QStringLiteral("Error"), text, {}});
    if (!messagesExpected_) ADD_FAILURE() << "unexpected error box: " << text.toStdString();
}

void TScriptedPrompts::ShowWarning(QWidget*, const QString& text) {
    records_.push_back({"warning", {}, text, {}});
    if (!messagesExpected_) ADD_FAILURE() << "unexpected message box: " << text.toStdString();
}

std::optional<QString> TScriptedPrompts::AskText(QWidget*, const QString& caption,
                                                 const QString& prompt, const QString& initial) {
    records_.push_back({"text", caption, prompt, initial});
    if (texts_.empty()) {
        ADD_FAILURE() << "unscripted input box: " << prompt.toStdString();
        return std::nullopt;
    }
    return TakeFirst(texts_);
}

std::optional<QString> TScriptedPrompts::AskSaveFile(QWidget*, const QString& proposedPath,
                                                     const QString& filter,
                                                     const QString& defaultSuffix) {
    records_.push_back({"save", filter, proposedPath, defaultSuffix});
    if (saveFiles_.empty()) {
        ADD_FAILURE() << "unscripted save dialog";
        return std::nullopt;
    }
    return TakeFirst(saveFiles_);
}

QStringList TScriptedPrompts::AskOpenFiles(QWidget*, const QString& folder, const QString& filter) {
    records_.push_back({"open", filter, folder, {}});
    if (openFiles_.empty()) {
        ADD_FAILURE() << "unscripted open dialog";
        return {};
    }
    auto paths = openFiles_.front();
    openFiles_.pop_front();
    return paths;
}

}  // namespace quillix::test

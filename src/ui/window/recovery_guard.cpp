// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/recovery_guard.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "common/diag_note.h"
#include "platform/user_prompts.h"
#include "vars/calc_vars.h"
#include "vars/recovery_keeper.h"

namespace quillix {

const char* const TRecoveryGuard::kRestoreCaption = "Quillix";
const char* const TRecoveryGuard::kRestoreButton = "Restore";
const char* const TRecoveryGuard::kDiscardButton = "Discard";

std::string InstanceTagOfProcess() {
    const char* tag = std::getenv("QUILLIX_INSTANCE_TAG");
    return tag ? std::string(tag) : std::string();
}

TRecoveryGuard::TRecoveryGuard(TCalcVars& document, const std::string& homeFolder,
                               const std::string& instanceTag, QObject* parent)
    : QObject(parent),
      document_(document),
      keeper_(std::make_unique<TRecoveryKeeper>(document, homeFolder, instanceTag)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TRecoveryGuard::Act);
    events_.OnChange = [this](std::uint8_t, int, TCalcValueWarper*, const std::string&) {
        Changed();
    };
    document_.AddListener(&events_);
    LogProblems();
}

TRecoveryGuard::~TRecoveryGuard() {
    // The window keeps the guard only while its document lives.
    document_.RemoveListener(&events_);
    LogProblems();
}

void TRecoveryGuard::Changed() {
    keeper_->Changed();
    // Acts once the change is complete, not inside the document's event.
    timer_.start(0);
}

void TRecoveryGuard::Act() {
    const std::optional<TRecoveryKeeper::Clock::duration> wait =
        keeper_->Act(TRecoveryKeeper::Clock::now());
    if (wait) {
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(*wait).count();
        timer_.start(static_cast<int>(std::max<long long>(ms, 1)));
    }
    LogProblems();
}

bool TRecoveryGuard::OfferLeftCopy(QWidget* parent) {
    const std::optional<TRecoveryCopy> copy = keeper_->LeftCopy();
    LogProblems();
    if (!copy) return false;
    const TPromptAnswer answer = Prompts().AskTwoWay(
        parent, QString::fromLatin1(kRestoreCaption),
        QString::fromStdString(RecoveryQuestion(*copy)), QString::fromLatin1(kRestoreButton),
        QString::fromLatin1(kDiscardButton));
    if (answer != TPromptAnswer::Yes) {
        Discard();
        return false;
    }
    std::string error;
    if (!keeper_->Restore(*copy, &error)) {
        Prompts().ShowError(
            parent, QString::fromStdString("The unsaved program cannot be restored: " + error));
        return false;
    }
    return true;
}

void TRecoveryGuard::Discard() {
    timer_.stop();
    keeper_->Discard();
    LogProblems();
}

void TRecoveryGuard::Flush() {
    keeper_->Flush();
    LogProblems();
}

void TRecoveryGuard::LogProblems() {
    const std::string problems = keeper_->TakeProblems();
    std::size_t start = 0;
    while (start < problems.size()) {
        const std::size_t end = std::min(problems.find('\n', start), problems.size());
        if (end > start) DiagNote(std::string_view(problems).substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace quillix

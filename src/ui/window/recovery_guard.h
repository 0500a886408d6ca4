// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TRecoveryGuard: the main window's keeper of the recovery copy. It hears every
// change of the program document and of its undo history, and lets the keeper
// write the copy (on its own thread) or remove it when the policy says, on a
// timer of the window's thread. At start it offers the copy a killed instance
// left: "Restore" brings it back as unsaved work, "Discard" removes it.

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "model/calc_value_warper.h"

class QWidget;

namespace quillix {

class TCalcVars;
class TRecoveryKeeper;

class TRecoveryGuard final : public QObject {
    Q_OBJECT
  public:
    // instanceTag: the tag of this instance ($QUILLIX_INSTANCE_TAG), so that
    // runs kept apart by it keep their copies apart too.
    TRecoveryGuard(TCalcVars& document, const std::string& homeFolder,
                   const std::string& instanceTag, QObject* parent = nullptr);
    ~TRecoveryGuard() override;

    // The document or what can be undone changed: act soon.
    void Changed();
    // Offers a copy a gone instance left, asking through the prompts seam; true
    // when one was restored.
    bool OfferLeftCopy(QWidget* parent);
    // The user closed without keeping the unsaved work: the copy goes now.
    void Discard();
    // Waits until every write or removal asked so far is done (tests, shut-down).
    void Flush();
    // The caption of the start-up question and its two answers.
    static const char* const kRestoreCaption;
    static const char* const kRestoreButton;
    static const char* const kDiscardButton;

  private:
    void Act();
    void LogProblems();

    TCalcVars& document_;
    std::unique_ptr<TRecoveryKeeper> keeper_;
    TCalcVarsEventsObject events_;
    QTimer timer_;
};

// The instance tag of this process: $QUILLIX_INSTANCE_TAG, empty when unset.
std::string InstanceTagOfProcess();

}  // namespace quillix

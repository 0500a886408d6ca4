// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window needs around it, made fresh for one test: a temporary home
// folder with its settings, the program document, the two libraries, the
// runner of user functions and programs, scripted prompts and scripted modal
// dialogs. Declare it first in a test, so that the windows go before it. The
// desktop's home and data folders (where the trash lives) point into the
// temporary home too, so that nothing a test deletes reaches the user's own
// trash.

#include <QByteArray>
#include <memory>
#include <optional>
#include <string>

#include "config/calc_config.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "vars/calc_vars.h"
#include "vars/library_call_runner.h"
#include "vars/user_libraries.h"

namespace quillix::test {

class TUiEnvironment {
  public:
    // settingsText: the initial "appmain.ini", if any.
    explicit TUiEnvironment(const std::string& settingsText = {});
    ~TUiEnvironment();

    const std::string& Home() const { return home_.Path(); }
    TempFolder& HomeFolder() { return home_; }
    TCalcConfig& Settings() { return *settings_; }
    TCalcVars& Vars() { return *vars_; }
    TUserLibraries& Libraries() { return *libraries_; }
    TScriptedPrompts& Prompts() { return prompts_; }
    TScriptedDialogs& Dialogs() { return dialogs_; }
    // $XDG_DATA_HOME while the environment lives: the home trash is its "Trash".
    std::string DataHome() const { return home_.File("desktop/data"); }
    // Rescans both libraries from disk (after a test wrote files there).
    void ReloadLibraries();

  private:
    TempFolder home_;
    std::unique_ptr<TCalcConfig> settings_;
    std::unique_ptr<TCalcVars> vars_;
    std::unique_ptr<TUserLibraries> libraries_;
    TLibraryCallRunner runner_;
    TScriptedPrompts prompts_;
    TScriptedDialogs dialogs_;
    TValueFormatRecord savedFormat_;
    std::optional<QByteArray> savedHome_;
    std::optional<QByteArray> savedDataHome_;
};

}  // namespace quillix::test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window needs around it, made fresh for one test: a temporary home
// folder with its settings, the program document, the two libraries, the
// runner of user functions and programs, and scripted prompts. Declare it
// first in a test, so that the windows go before it.

#include <memory>
#include <string>

#include "config/calc_config.h"
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
    // Rescans both libraries from disk (after a test wrote files there).
    void ReloadLibraries();

  private:
    TempFolder home_;
    std::unique_ptr<TCalcConfig> settings_;
    std::unique_ptr<TCalcVars> vars_;
    std::unique_ptr<TUserLibraries> libraries_;
    TLibraryCallRunner runner_;
    TScriptedPrompts prompts_;
    TValueFormatRecord savedFormat_;
};

}  // namespace quillix::test

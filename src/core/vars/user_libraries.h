// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two libraries of a home folder: "UserFunctions" (".fn") and "UserPrograms"
// (".prg"). Creating the owner scans both trees (functions first, then programs)
// and publishes them as UserFunctionsIntf and UserProgramsIntf while it lives.

#include <memory>
#include <string>

#include "vars/user_func_folder.h"

namespace quillix {

inline constexpr const char* kUserFunctionsFolder = "UserFunctions";
inline constexpr const char* kUserProgramsFolder = "UserPrograms";
inline constexpr const char* kUserFunctionExtension = ".fn";
inline constexpr const char* kUserProgramExtension = ".prg";

class TUserLibraries {
  public:
    explicit TUserLibraries(const std::string& homeFolder);

    TUserFuncFolder& Functions() { return *functions_; }
    TUserFuncFolder& Programs() { return *programs_; }

  private:
    std::unique_ptr<TUserFuncFolder> functions_;
    std::unique_ptr<TUserFuncFolder> programs_;
};

}  // namespace quillix

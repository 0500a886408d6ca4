// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/user_libraries.h"

#include "common/home_folder.h"

namespace quillix {

TUserLibraries::TUserLibraries(const std::string& homeFolder)
    : functions_(std::make_unique<TUserFuncFolder>(JoinPath(homeFolder, kUserFunctionsFolder),
                                                   kUserFunctionExtension)),
      programs_(std::make_unique<TUserFuncFolder>(JoinPath(homeFolder, kUserProgramsFolder),
                                                  kUserProgramExtension)) {}

}  // namespace quillix

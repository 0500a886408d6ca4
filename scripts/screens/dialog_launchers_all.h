// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every dialog class, for the pictures.
#include "dialogs/about_box.h"
#include "dialogs/array_param_dialog.h"
#include "dialogs/create_function.h"
#include "dialogs/function_param_dialog.h"
#include "dialogs/library_manager.h"
#include "dialogs/option_dlg.h"
#include "dialogs/program_properties.h"
#include "dialogs/program_runner.h"
#include "dialogs/source_view.h"
#include "dialogs/upgrade_dialog.h"
#include "dialogs/variable_properties.h"
#include "drop_down/drop_down_calc.h"
#include "drop_down/drop_down_vars.h"
#include "functions/func_catalogue.h"
#include "launchers.h"
#include "vars/user_libraries.h"

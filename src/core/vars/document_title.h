// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program document is named on screen: the window's title ("Loan —
// Quillix") and the label above the variables, each with a "*" while the
// program has changes that are not saved.

#include <string>
#include <string_view>

namespace quillix {

// "Loan" or, with unsaved changes, "Loan*".
std::string DocumentLabelText(std::string_view name, bool modified);

// The window's title of a document label: "Loan" gives "Loan — Quillix". (The
// window passes "Loan[*]", where Qt shows the mark while it is modified.)
std::string DocumentWindowTitle(std::string_view label);

}  // namespace quillix

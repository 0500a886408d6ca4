// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/document_title.h"

namespace quillix {

std::string DocumentLabelText(std::string_view name, bool modified) {
    std::string text(name);
    if (modified) text += '*';
    return text;
}

std::string DocumentWindowTitle(std::string_view label) {
    return std::string(label) + " \u2014 Quillix";
}

}  // namespace quillix

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key of a running instance: one Quillix runs per user and home folder
// (and tag, which tests and scripts use to keep their runs apart). The
// single-instance socket and the recovery copy carry the same key, so that an
// instance finds its own recovery copy and never another's.

#include <string>

namespace quillix {

// 16 hexadecimal digits of the home folder's absolute, normalised path.
std::string HomeFolderKey(const std::string& homeFolder);
// HomeFolderKey, then "-" and the tag when there is one (each character but
// letters, digits, "-", "_" and "." as "_").
std::string InstanceKey(const std::string& homeFolder, const std::string& tag);

}  // namespace quillix

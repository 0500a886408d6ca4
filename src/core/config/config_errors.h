// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The failures of the settings files that reach the user: a stored text that is
// not a number, and a file that cannot be read or written. Their messages are
// ready to be shown as they are.

#include <stdexcept>

namespace quillix {

class EConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class EConfigFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace quillix

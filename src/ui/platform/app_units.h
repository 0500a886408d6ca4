// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion registry of this run: the built-in families and the user's
// custom units of "unitconv.ini" in the home folder, registered at first use.
// The registry then lives for the whole run; a different home folder (each
// widget test has its own) gets a registry of its own.

namespace quillix {

class TConvRegistry;
class TCustomUnits;

TConvRegistry& AppConvRegistry();
// The custom units over AppConvRegistry(), kept in the home folder's "unitconv.ini".
TCustomUnits& AppCustomUnits();

}  // namespace quillix

#pragma once
// Opens a web address in the user's browser. Only http and https addresses
// are opened: an address may come from the network, and anything else (a
// local file, a command) is ignored. Always true, as nothing is reported.

#include <QString>

namespace quillix {

bool IsWebAddress(const QString& address);
bool OpenInBrowser(const QString& address);

}  // namespace quillix

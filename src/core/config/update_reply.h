// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The online update check without the network: the address asked, how the
// service's answer is read, and which download addresses may be opened. The
// answer is untrusted text from the network; an address is offered to the user
// only when it is a plain http or https web address.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillix {

// The product code the update service knows this program by.
inline constexpr std::string_view kUpdateProductCode = "001";

// upgradeUrl + "?PID=001&VAR=" + versionText, joined as they are (no encoding).
std::string UpdateRequestAddress(std::string_view upgradeUrl, std::string_view versionText);

// The items of a reply: separated by commas and/or blanks and control
// characters; leading and trailing blanks of the whole text are skipped; an
// item in double quotes may hold commas and blanks ("" inside it stands for ").
// An empty item between two commas is kept. A NUL character ends the text.
std::vector<std::string> SplitReplyItems(std::string_view reply);

// The download address when the reply announces a new version: at least two
// items, the first "NEW" without regard to letter case and surrounding blanks,
// the second a web address (IsWebAddress) once trimmed. Anything else: none.
std::optional<std::string> NewVersionAddress(std::string_view reply);

// True for "http://" or "https://" (scheme in any letter case) followed by a
// host, with no blank or control character anywhere: the only addresses handed
// to the browser from outside the program, and the only ones the update check
// fetches.
bool IsWebAddress(std::string_view address);

// The update check follows at most this many redirects.
inline constexpr int kUpdateRedirectLimit = 5;

// Whether the update check may follow its hop-th redirect (1 for the first)
// from one address to another: only to a web address (IsWebAddress), at most
// kUpdateRedirectLimit hops, to any host, but never from https down to http.
bool UpdateRedirectAllowed(std::string_view from, std::string_view to, int hop);

}  // namespace quillix

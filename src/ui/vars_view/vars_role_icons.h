// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small pictures of the variables view: the role of a variable (an arrow
// into a bar for an input, out of a bar for an output, nothing for a normal
// variable) and the "Remove Type" button. Drawn once, at 16 pixels.

#include <QIcon>
#include <cstdint>

namespace quillix {

// The icon of a role; a null icon for wtNormal (and any unknown role).
QIcon RoleIcon(std::uint8_t type);
// A crossed-out tag: the role taken away.
QIcon RemoveRoleIcon();
// The icon with a disabled look of its own, grey and faint on any skin (the
// look a style derives from the palette can hardly be told from the enabled
// one on a dark background).
QIcon FadedWhenDisabled(const QIcon& icon);

}  // namespace quillix

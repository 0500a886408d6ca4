// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rpn_style.h"

#include "common/text_compare.h"

namespace quillix {

std::string_view RPNStyleText(TRPNStyle style) {
    return style == TRPNStyle::Stack ? "Stack" : "Classic";
}

TRPNStyle ParseRPNStyle(std::string_view text) {
    const std::string_view trimmed = TrimAny(text, " \t");
    return EqualsIgnoreAsciiCase(trimmed, "Stack") ? TRPNStyle::Stack : TRPNStyle::Classic;
}

}  // namespace quillix

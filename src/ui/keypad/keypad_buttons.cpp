// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/keypad_buttons.h"

namespace quillix {
namespace {

using P = TKeypadPlace;

constexpr TKeypadButtonDef kButtons[] = {
    {"bb_leftk", "(", 0, P::Grid, 0, 1, {}},
    {"bb_rightK", ")", 0, P::Grid, 0, 2, {}},
    {"bb_backspare", "BS", 100125, P::Grid, 0, 3, {}},
    {"bb_clear", "C", 100126, P::Grid, 0, 4, {}},
    {"bb_rpn", "RPN", 100127, P::Grid, 0, 5, {}},

    {"bb_7", "7", 100110, P::Grid, 1, 0, {}},
    {"bb_8", "8", 100111, P::Grid, 1, 1, {}},
    {"bb_9", "9", 100112, P::Grid, 1, 2, {}},
    {"bb_percent", "^", 100123, P::Grid, 1, 3, {}},
    {"sb_mod", "Mod", 100124, P::Grid, 1, 4, {}},
    {"bb_alg", "ALG", 100128, P::Grid, 1, 5, {}},

    {"bb_4", "4", 100107, P::Grid, 2, 0, {}},
    {"bb_5", "5", 100108, P::Grid, 2, 1, {}},
    {"bb_6", "6", 100109, P::Grid, 2, 2, {}},
    {"bb_div", "/", 100119, P::Grid, 2, 3, {}},
    {"bb_date", "Date", 100129, P::Grid, 2, 4, {}},
    {"bb_and", "And", 100206, P::Grid, 2, 5, {}},

    {"bb_1", "1", 100104, P::Grid, 3, 0, {}},
    {"bb_2", "2", 100105, P::Grid, 3, 1, {}},
    {"bb_3", "3", 100106, P::Grid, 3, 2, {}},
    {"bb_power", "*", 100118, P::Grid, 3, 3, {}},
    {"bb_precent", "%", 100121, P::Grid, 3, 4, {}},
    {"bb_or", "Or", 100207, P::Grid, 3, 5, {}},

    {"bb_0", "0", 100101, P::Grid, 4, 0, {}},
    {"bb_00", "00", 100102, P::Grid, 4, 1, {}},
    {"bb_dot", ".", 100114, P::Grid, 4, 2, {}},
    {"bb_mus", "-", 100117, P::Grid, 4, 3, {}},
    {"bb_divOne", "1/x", 100122, P::Grid, 4, 4, {}},
    {"bb_not", "Not", 100209, P::Grid, 4, 5, {}},

    {"bb_p2", "e", 100115, P::Grid, 5, 0, {}},
    {"bb_000", "000", 100103, P::Grid, 5, 1, {}},
    {"bb_dis", "+/-", 100113, P::Grid, 5, 2, {}},
    {"bb_Plus", "+", 100116, P::Grid, 5, 3, {}},
    {"bb_EQ", "=", 100120, P::Grid, 5, 4, {}},
    {"bb_xor", "Xor", 100208, P::Grid, 5, 5, {}},

    {"bb_seq", "==", 100200, P::Grid, 6, 0, {}},
    {"bb_le", "<=", 100201, P::Grid, 6, 1, {}},
    {"bb_lt", "<", 100202, P::Grid, 6, 2, {}},
    {"bb_gt", ">", 100203, P::Grid, 6, 3, {}},
    {"bb_ge", ">=", 100204, P::Grid, 6, 4, {}},
    {"bb_ne", "<>", 100205, P::Grid, 6, 5, {}},

    {"bb_buildinFunc", "Functions", 0, P::Top, 0, 0, {}},
    {"bb_Programs", "Programs", 0, P::Top, 0, 1, {}},
    {"sb_Help", "Help", 0, P::Top, 0, 2, {}},

    {"bb_vadd", "V+", 100210, P::Column, 0, 0, "Add Variable"},
    {"bb_vr", "V=", 100211, P::Column, 1, 0, "Replace Variable"},
    {"bb_vars", "V", 0, P::Column, 2, 0, {}},
};

}  // namespace

std::span<const TKeypadButtonDef> KeypadButtons() {
    return kButtons;
}

const TKeypadButtonDef* FindKeypadButton(std::string_view name) {
    for (const TKeypadButtonDef& button : kButtons)
        if (button.Name == name) return &button;
    return nullptr;
}

}  // namespace quillix

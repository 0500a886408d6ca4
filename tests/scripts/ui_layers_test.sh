#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The structure drawing of src/ui, on small trees made here: each row lays out
# files with their includes and says whether the layers hold and, when they do
# not, which line the drawing must print.
# Usage: bash ui_layers_test.sh SCRIPTS_FOLDER
set -u
script=$1/ui-layers.sh

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# tree NAME FILE:INCLUDE,INCLUDE ... : a fresh tree, each file with its includes.
tree() {
    local dir=$work/$1
    shift
    mkdir -p "$dir"
    local entry file list include
    for entry in "$@"; do
        file=${entry%%:*}
        list=${entry#*:}
        mkdir -p "$dir/$(dirname "$file")"
        : >"$dir/$file"
        IFS=',' read -ra includes <<<"$list"
        for include in "${includes[@]}"; do
            [ -n "$include" ] && echo "#include \"$include\"" >>"$dir/$file"
        done
    done
    echo "$dir"
}

# check NAME STATUS EXPECTED_LINE FILE:INCLUDES ...
check() {
    local name=$1 status=$2 expected=$3
    shift 3
    local dir output got
    dir=$(tree "$name" "$@")
    output=$(bash "$script" "$dir" 2>&1)
    got=$?
    [ "$got" = "$status" ] || fail "$name: exit $got, expected $status"$'\n'"$output"
    if [ -n "$expected" ] && ! grep -qF -- "$expected" <<<"$output"; then
        fail "$name: no line '$expected' in"$'\n'"$output"
    fi
}

check clean 0 "keypad     -> platform      1" \
    "keypad_intf.h:" "platform/prompts.h:" "platform/prompts.cpp:platform/prompts.h" \
    "keypad/frame.h:keypad_intf.h" "keypad/frame.cpp:keypad/frame.h,platform/prompts.h,model/calc_value.h" \
    "app/main.cpp:keypad/frame.h,moc_main.cpp"
check upward 1 "upward include: platform/prompts.cpp includes keypad/frame.h (platform is layer 1, keypad layer 2)" \
    "platform/prompts.cpp:keypad/frame.h" "keypad/frame.h:"
check sideways 1 "sideways include: dialogs/about.cpp includes tools/finance.h (dialogs and tools are both layer 4)" \
    "dialogs/about.cpp:tools/finance.h" "tools/finance.h:"
check pair_cycle 1 "cycle: window/main -> window/tray -> window/main" \
    "window/main.cpp:window/tray.h" "window/main.h:" "window/tray.cpp:window/main.h" "window/tray.h:"
check long_cycle 1 "cycle: drop_down/a -> drop_down/b -> drop_down/c -> drop_down/a" \
    "drop_down/a.cpp:drop_down/b.h" "drop_down/b.cpp:drop_down/c.h" "drop_down/c.cpp:drop_down/a.h" \
    "drop_down/a.h:" "drop_down/b.h:" "drop_down/c.h:"
check beside_the_includer 1 "cycle: keypad/a -> keypad/b -> keypad/a" \
    "keypad/a.cpp:b.h" "keypad/b.h:" "keypad/b.cpp:a.h" "keypad/a.h:"
check unknown_folder 1 "folder misc has no layer" "misc/helper.h:"
check core_names_are_not_ours 0 "" "tools/finance.cpp:tools/tvm_solver.h,common/calendar.h"

# The dot drawing marks the include that breaks the layers.
dir=$(tree dot "platform/prompts.cpp:window/main.h" "window/main.h:")
dot=$(bash "$script" --dot "$dir" 2>/dev/null)
grep -qF '"platform" -> "window" [label=1, color=red];' <<<"$dot" || fail "dot: $dot"
grep -qF 'digraph ui_layers {' <<<"$dot" || fail "dot has no graph: $dot"

[ "$failures" = 0 ] && echo "all rows pass"
exit $((failures > 0))

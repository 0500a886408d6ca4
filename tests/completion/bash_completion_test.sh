#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of quillix-cli, sourced into a plain bash as the shell
# would: it registers itself, and for each line below offers exactly the words
# listed, asking the quillix-cli under test for functions and units.
# Usage: bash --norc bash_completion_test.sh COMPLETION_FILE QUILLIX_CLI
set -u
completion=$1
cli=$2
source "$completion"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

registered=$(complete -p quillix-cli 2>&1)
[ "$registered" = "complete -F _quillix_cli quillix-cli" ] || fail "registered as: $registered"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
touch loan.prg hyp.fn notes.txt
mkdir library home
# Without --home the names come from an empty home: the standard units only.
export QUILLIX_HOME=$work/library
printf '[CustomTypes]\nLeagues=Distance\n[CustomFactors]\nLeagues=4828.032\n' >home/unitconv.ini

# check "EXPECTED WORDS" WORD... : the completion of the last WORD.
check() {
    local expected=$1
    shift
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _quillix_cli
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd ' ')
    [ "$got" = "$expected" ] || fail "quillix-cli $*| gives '$got', not '$expected'"
}

check "call convert eval functions keys run show solve table units" ""
check "call convert" c
check "--json" --j
check "--fixed --help --home --json --version" --
check "call" --json ca
check "call" --fixed 2 --json ca
check "Sqr Sqrt" call Sq
check "Sqr Sqrt" call sQ
check "" call Sqrt ""
check "Kelvin" convert 1 Celsius K
check "Feet" convert -1 Meters Fe
check "Celsius" convert 1 cel
check "Temperature Time" convert --family T
check "--family" convert 1 Meters Feet --f
check "Leagues" --home home convert 1 Lea
check "" convert 1 Lea
check "Temperature" units Te
check "Angle\\ Unit" functions an
check "Sqr Sqrt" keys 1 Sq
check "Today" keys Tod
check "drop" keys 1 Enter dr
check "lastx" keys 9 Sqrt la
check "--program --rpn-style --save" keys --
check "classic stack" keys --rpn-style ""
check "stack" keys --rpn-style st
check "swap" keys --rpn-style stack 1 sw
check "1 10 11 12 13 14 15 16 17 18" --fixed 1
check "home hyp.fn library loan.prg" run ""
check "loan.prg" show lo
check "home hyp.fn library loan.prg" eval --program ""
check "home" --home hom
check "--program --save --set" eval --
check "" run loan.prg ""
check "loan.prg" table lo
check "--csv" table loan.prg Rate=1:2:3 --c
check "" table loan.prg Rate=1:2:3 ""
check "home hyp.fn" solve h
check "--for --near" solve loan.prg Interest=75 --
check "" solve loan.prg Interest=75 --for ""
check "" solve loan.prg Interest=75 --near ""

if [ "$failures" -ne 0 ]; then
    echo "$failures completion checks failed"
    exit 1
fi
echo "every completion check passed"

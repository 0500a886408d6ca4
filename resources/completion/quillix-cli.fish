# SPDX-License-Identifier: GPL-3.0-or-later
# fish completion for quillix-cli: subcommands, options, function names for
# "call", unit names for "convert", families for "units", categories for
# "functions", program files for "run", "show", "table", "solve" and
# "--program".  Names come
# from quillix-cli itself, with the --home of the line being completed.

# Runs the quillix-cli of the line being completed with its --home.
function __quillix_cli_query
    set -l tokens (commandline -opc)
    set -l home
    set -l index (contains -i -- --home $tokens)
    if test -n "$index"; and set -q tokens[(math $index + 1)]
        set home --home $tokens[(math $index + 1)]
    end
    command $tokens[1] $home $argv 2>/dev/null
end

function __quillix_cli_units
    for family in (__quillix_cli_query units)
        __quillix_cli_query units $family
    end
end

# True when the word being completed is argument number $position of
# $subcommand (options of the subcommand and their values not counted).
function __quillix_cli_argument_is --argument-names subcommand position
    set -l tokens (commandline -opc)
    set -e tokens[1]
    while set -q tokens[1]
        switch $tokens[1]
            case --home --fixed
                set -e tokens[1]
                set -q tokens[1]; and set -e tokens[1]
            case '-*'
                set -e tokens[1]
            case '*'
                break
        end
    end
    test "$tokens[1]" = "$subcommand"; or return 1
    set -e tokens[1]
    set -l count 1
    set -l skip 0
    for token in $tokens
        if test $skip = 1
            set skip 0
            continue
        end
        switch $token
            case --program --save --set --family --rpn-style --for --near
                set skip 1
            case '-[0-9.]*'
                set count (math $count + 1)
            case '-*'
            case '*'
                set count (math $count + 1)
        end
    end
    test $count = $position
end

set -l subcommands call functions convert units keys run show eval table solve
set -l global "not __fish_seen_subcommand_from $subcommands"

complete -c quillix-cli -f
complete -c quillix-cli -n $global -l home -x -a '(__fish_complete_directories)' -d 'The program folder'
complete -c quillix-cli -n $global -l fixed -x -a '(seq 0 18)' -d 'Fixed format with N decimals'
complete -c quillix-cli -n $global -l json -d 'Print one JSON object instead of text'
complete -c quillix-cli -n $global -s h -l help -d 'Show the usage'
complete -c quillix-cli -n $global -l version -d 'Show the version'

complete -c quillix-cli -n $global -a call -d 'Apply a built-in or user function'
complete -c quillix-cli -n $global -a functions -d 'List the function catalogue'
complete -c quillix-cli -n $global -a convert -d 'Convert a value between units'
complete -c quillix-cli -n $global -a units -d 'List the conversion families and units'
complete -c quillix-cli -n $global -a keys -d 'Run keypad keys through a fresh engine'
complete -c quillix-cli -n $global -a run -d 'Run a stored program with new inputs'
complete -c quillix-cli -n $global -a show -d 'Print the source view of a program file'
complete -c quillix-cli -n $global -a eval -d 'Calculate a typed formula'
complete -c quillix-cli -n $global -a table -d 'Tabulate outputs over one or two inputs'
complete -c quillix-cli -n $global -a solve -d 'Find the input that gives an output a target'

complete -c quillix-cli -n '__quillix_cli_argument_is call 1' \
    -a '(__quillix_cli_query functions | string split -f3 \t)'
complete -c quillix-cli -n '__quillix_cli_argument_is functions 1' \
    -a '(__quillix_cli_query functions | string split -f2 \t | sort -u)'
complete -c quillix-cli -n '__quillix_cli_argument_is units 1' -a '(__quillix_cli_query units)'
complete -c quillix-cli -n '__quillix_cli_argument_is convert 2' -a '(__quillix_cli_units)'
complete -c quillix-cli -n '__quillix_cli_argument_is convert 3' -a '(__quillix_cli_units)'
complete -c quillix-cli -n '__fish_seen_subcommand_from convert' -l family -x \
    -a '(__quillix_cli_query units)' -d 'The conversion family'
complete -c quillix-cli -n '__quillix_cli_argument_is run 1; or __quillix_cli_argument_is show 1; or __quillix_cli_argument_is table 1; or __quillix_cli_argument_is solve 1' \
    -F -a '(__fish_complete_suffix .prg; __fish_complete_suffix .fn)'
complete -c quillix-cli -n '__fish_seen_subcommand_from keys eval' -l program -r -F \
    -d 'A program file'
complete -c quillix-cli -n '__fish_seen_subcommand_from keys eval' -l save -r -F \
    -d 'Save the program to this file'
complete -c quillix-cli -n '__fish_seen_subcommand_from keys' -l rpn-style -x \
    -a 'classic stack' -d 'Run the keys in RPN of this style'
complete -c quillix-cli -n '__fish_seen_subcommand_from eval' -l set -x \
    -d 'Store the result as this variable'
complete -c quillix-cli -n '__fish_seen_subcommand_from keys' \
    -a '(__quillix_cli_query functions | string match -r "^[^\t]*\t[^\t]*\t[^\t]*\tX\$" | string split -f3 \t) Today Mod And Or Xor Not Enter BS RPN ALG swap roll drop lastx'
complete -c quillix-cli -n '__fish_seen_subcommand_from table' -l csv \
    -d 'Comma-separated with RFC 4180 quoting'
complete -c quillix-cli -n '__fish_seen_subcommand_from solve' -l for -x \
    -d 'The input variable to change'
complete -c quillix-cli -n '__fish_seen_subcommand_from solve' -l near -x \
    -d 'The value the search starts from'

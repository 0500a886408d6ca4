# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for quillix-cli: subcommands, options, function names for
# "call", unit names for "convert", families for "units", categories for
# "functions", program files for "run", "show", "table", "solve" and
# "--program".  Names come
# from quillix-cli itself (with the --home of the line being completed), so a
# user's custom units complete too.

# Runs the quillix-cli of the line being completed with its --home.
_quillix_cli_query() {
    local program=${_quillix_cli_program:-quillix-cli}
    if [[ -n $_quillix_cli_home ]]; then
        "$program" --home "$_quillix_cli_home" "$@" 2>/dev/null
    else
        "$program" "$@" 2>/dev/null
    fi
}

# One column of "quillix-cli functions" (3 the name, 2 the category, 4 the
# parameters), without repeats.
_quillix_cli_function_column() {
    _quillix_cli_query functions | awk -F'\t' -v column="$1" '!seen[$column]++ { print $column }'
}

# The names of the functions that take one argument: the keypad applies them to X.
_quillix_cli_one_argument_functions() {
    _quillix_cli_query functions | awk -F'\t' '$4 == "X" { print $3 }'
}

_quillix_cli_units_of_every_family() {
    local family
    while IFS= read -r family; do
        _quillix_cli_query units "$family"
    done < <(_quillix_cli_query units)
}

# The units of the family that has unit $1 (letter case ignored), else every unit.
_quillix_cli_units_beside() {
    local family units
    while IFS= read -r family; do
        units=$(_quillix_cli_query units "$family")
        if grep -qixF -- "$1" <<<"$units"; then
            printf '%s\n' "$units"
            return
        fi
    done < <(_quillix_cli_query units)
    _quillix_cli_units_of_every_family
}

# Offers the lines of $1 that start with the word being completed (letter case
# ignored, as quillix-cli reads names), quoted for the shell.
_quillix_cli_offer() {
    local word=${cur//\\/} candidate
    word=${word#[\"\']}
    while IFS= read -r candidate; do
        [[ -n $candidate ]] || continue
        if [[ ${candidate,,} == "${word,,}"* ]]; then
            COMPREPLY+=("$(printf '%q' "$candidate")")
        fi
    done <<<"$1"
}

# Program files (*.prg, *.fn) and folders, for run, show and --program.
_quillix_cli_program_files() {
    compopt -o filenames 2>/dev/null
    mapfile -t -O ${#COMPREPLY[@]} COMPREPLY < <(compgen -d -- "$cur"
        compgen -f -X '!*.prg' -- "$cur"
        compgen -f -X '!*.fn' -- "$cur")
}

_quillix_cli_any_file() {
    compopt -o filenames 2>/dev/null
    mapfile -t -O ${#COMPREPLY[@]} COMPREPLY < <(compgen -f -- "$cur")
}

_quillix_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local _quillix_cli_program=${COMP_WORDS[0]} _quillix_cli_home=
    COMPREPLY=()
    local subcommands="call functions convert units keys run show eval table solve"
    local options="--home --fixed --json --help --version"

    # The global options and their values, up to the subcommand.
    local i=1 subcommand= at=0
    while ((i < COMP_CWORD)); do
        case ${COMP_WORDS[i]} in
            --home) _quillix_cli_home=${COMP_WORDS[i + 1]/#\~/$HOME}; ((i += 2)); continue ;;
            --fixed) ((i += 2)); continue ;;
            --) ((i += 1)); subcommand=${COMP_WORDS[i]}; break ;;
            -*) ((i += 1)); continue ;;
        esac
        subcommand=${COMP_WORDS[i]}
        break
    done
    # The subcommand's words before the one being completed, without its
    # options and their values (a negative number is a word, not an option);
    # at: the position of the word being completed among them (1 for the first).
    local words=() j
    if [[ -n $subcommand ]]; then
        for ((j = i + 1; j < COMP_CWORD; j++)); do
            case ${COMP_WORDS[j]} in
                --program | --save | --set | --family | --rpn-style | --for | --near) ((j++)) ;;
                -[0-9.]*) words+=("${COMP_WORDS[j]}") ;;
                -*) ;;
                *) words+=("${COMP_WORDS[j]}") ;;
            esac
        done
        at=$((${#words[@]} + 1))
    fi

    case $prev in
        --home) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -d -- "$cur")); return ;;
        --fixed) COMPREPLY=($(compgen -W "$(seq 0 18)" -- "$cur")); return ;;
        --program) _quillix_cli_program_files; return ;;
        --save) _quillix_cli_any_file; return ;;
        --set | --for | --near) return ;;
        --family) _quillix_cli_offer "$(_quillix_cli_query units)"; return ;;
        --rpn-style) COMPREPLY=($(compgen -W "classic stack" -- "$cur")); return ;;
    esac

    if [[ -z $subcommand ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$options" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$subcommands" -- "$cur"))
        fi
        return
    fi

    case $subcommand in
        call)
            ((at == 1)) && _quillix_cli_offer "$(_quillix_cli_function_column 3)" ;;
        functions)
            ((at == 1)) && _quillix_cli_offer "$(_quillix_cli_function_column 2)" ;;
        units)
            ((at == 1)) && _quillix_cli_offer "$(_quillix_cli_query units)" ;;
        convert)
            if [[ $cur == --* ]]; then
                COMPREPLY=($(compgen -W "--family" -- "$cur"))
            elif ((at == 2)); then
                _quillix_cli_offer "$(_quillix_cli_units_of_every_family)"
            elif ((at == 3)); then
                _quillix_cli_offer "$(_quillix_cli_units_beside "${words[1]}")"
            fi ;;
        run | show)
            ((at == 1)) && _quillix_cli_program_files ;;
        keys)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--program --save --rpn-style" -- "$cur"))
            else
                _quillix_cli_offer "$(_quillix_cli_one_argument_functions)
Today
Mod
And
Or
Xor
Not
Enter
BS
RPN
ALG
swap
roll
drop
lastx"
            fi ;;
        eval)
            [[ $cur == -* ]] && COMPREPLY=($(compgen -W "--program --set --save" -- "$cur")) ;;
        table)
            if [[ $cur == --* ]]; then
                COMPREPLY=($(compgen -W "--csv" -- "$cur"))
            elif ((at == 1)); then
                _quillix_cli_program_files
            fi ;;
        solve)
            if [[ $cur == --* ]]; then
                COMPREPLY=($(compgen -W "--for --near" -- "$cur"))
            elif ((at == 1)); then
                _quillix_cli_program_files
            fi ;;
    esac
    return 0
}

complete -F _quillix_cli quillix-cli

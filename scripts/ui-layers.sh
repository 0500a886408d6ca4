#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The structure drawing of the desktop window's sources: reads the
# `#include "..."` lines of src/ui, maps each file to its folder and each folder
# to a layer, and prints the folder graph (text, or Graphviz dot with --dot).
# A folder may include its own files and the folders of lower layers only; a
# pair of files (a .h/.cpp pair counts as one) may not include each other,
# however many files lie between. Exits 1 when an include breaks either rule,
# so that the test suite keeps the layers as they are.
# Usage: scripts/ui-layers.sh [--dot] [SRC_UI_FOLDER]
set -euo pipefail

format=text
if [ "${1:-}" = "--dot" ]; then
  format=dot
  shift
fi
root=${1:-"$(dirname "$0")/../src/ui"}
[ -d "$root" ] || { echo "ui-layers: no folder $root" >&2; exit 2; }
cd "$root"

# The layers, lowest first: rank | folders | what they hold. "." is the root
# of src/ui. Folders of one rank are siblings and do not include each other.
layers='
0 | .                   | the interfaces other folders use: keypad_intf.h, vars_view_intf.h, launchers.h
1 | platform            | process-wide services: prompts, dialog driver, skins, help, home, units, icon
2 | keypad              | the keypad frame, its menus and hot keys, the formula field
3 | drop_down vars_view | the number field and its pop-ups; the variables view beside the keypad
4 | dialogs tools       | the dialogs and the tool windows
5 | window whatif_windows | the main window, its menus, the memory view, the tray icon; What-If and Goal Seek
6 | app                 | start-up: main, single instance, start options, the update check
'

files=$(find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||' | LC_ALL=C sort)
# "file<TAB>included name" for every quoted include.
includes=$(for file in $files; do
  sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file" |
    sed "s|^|$file	|"
done)

awk -v format="$format" -v layers="$layers" -v fileList="$files" '
function folderOf(path,    slash) {
  slash = match(path, /\/[^\/]*$/)
  return slash ? substr(path, 1, slash - 1) : "."
}
function moduleOf(path) {
  sub(/\.(h|cpp)$/, "", path)
  return path
}
# The file an include names: beside the includer first, then from the root;
# "" for anything outside src/ui (the core, Qt, generated files).
function resolve(includer, name,    dir, candidate) {
  dir = folderOf(includer)
  candidate = (dir == "." ? "" : dir "/") name
  if (candidate in known) return candidate
  if (name in known) return name
  return ""
}
# Depth-first search for cycles among modules; path holds the open chain.
function visit(node, depth,    i, next_, j, chain) {
  state[node] = 1
  path[depth] = node
  for (i = 1; i <= outCount[node]; i++) {
    next_ = out[node, i]
    if (state[next_] == 1) {
      chain = next_
      for (j = depth; j >= 1 && path[j] != next_; j--) chain = path[j] " -> " chain
      chain = next_ " -> " chain
      problem("cycle: " chain)
    } else if (state[next_] == 0) {
      visit(next_, depth + 1)
    }
  }
  state[node] = 2
}
function problem(text) {
  problems[++problemCount] = text
}
BEGIN {
  FS = "\t"
  n = split(layers, lines, "\n")
  for (i = 1; i <= n; i++) {
    if (split(lines[i], parts, "|") != 3) continue
    rank = parts[1] + 0
    if (rank > topRank) topRank = rank
    m = split(parts[2], words, " ")
    for (j = 1; j <= m; j++) {
      rankOf[words[j]] = rank
      folders[rank] = folders[rank] (folders[rank] == "" ? "" : " ") words[j]
    }
    what[rank] = parts[3]
    sub(/^ +/, "", what[rank])
  }
  n = split(fileList, listed, "\n")
  for (i = 1; i <= n; i++) {
    if (listed[i] == "") continue
    known[listed[i]] = 1
    folder = folderOf(listed[i])
    if (!(folder in rankOf) && !(folder in unranked)) {
      unranked[folder] = 1
      problem("folder " folder " has no layer (add it to the table in scripts/ui-layers.sh)")
    }
    state[moduleOf(listed[i])] = 0
  }
}
{
  target = resolve($1, $2)
  if (target == "") next
  from = folderOf($1)
  to = folderOf(target)
  if (from != to) {
    if (!((from, to) in edgeCount)) edges[++edgeTotal] = from SUBSEP to
    edgeCount[from, to]++
    if ((from in rankOf) && (to in rankOf)) {
      if (rankOf[to] > rankOf[from]) {
        problem("upward include: " $1 " includes " target \
                " (" from " is layer " rankOf[from] ", " to " layer " rankOf[to] ")")
        bad[from, to] = 1
      } else if (rankOf[to] == rankOf[from]) {
        problem("sideways include: " $1 " includes " target \
                " (" from " and " to " are both layer " rankOf[from] ")")
        bad[from, to] = 1
      }
    }
  }
  a = moduleOf($1)
  b = moduleOf(target)
  if (a != b && !((a, b) in linked)) {
    linked[a, b] = 1
    out[a, ++outCount[a]] = b
  }
}
END {
  for (node in state) order[++nodes] = node
  # A fixed order, so that a cycle is reported the same way each run.
  for (i = 2; i <= nodes; i++)
    for (j = i; j > 1 && order[j - 1] > order[j]; j--) {
      t = order[j]; order[j] = order[j - 1]; order[j - 1] = t
    }
  for (i = 1; i <= nodes; i++) if (state[order[i]] == 0) visit(order[i], 1)

  if (format == "dot") {
    print "digraph ui_layers {"
    print "  rankdir=BT;"
    print "  node [shape=box];"
    for (r = 0; r <= topRank; r++) {
      if (folders[r] == "") continue
      m = split(folders[r], names, " ")
      printf "  { rank=same;"
      for (k = 1; k <= m; k++) printf " \"%s\";", (names[k] == "." ? "src/ui" : names[k])
      print " }"
    }
    for (e = 1; e <= edgeTotal; e++) {
      split(edges[e], ends, SUBSEP)
      printf "  \"%s\" -> \"%s\" [label=%d%s];\n", (ends[1] == "." ? "src/ui" : ends[1]),
             (ends[2] == "." ? "src/ui" : ends[2]), edgeCount[ends[1], ends[2]],
             ((ends[1], ends[2]) in bad ? ", color=red" : "")
    }
    print "}"
  } else {
    print "Layers of src/ui, lowest first (a folder includes only lower layers):"
    for (r = 0; r <= topRank; r++)
      if (folders[r] != "") printf "  %d  %-22s %s\n", r, folders[r], what[r]
    print ""
    print "Includes between folders (count of include lines):"
    for (r = topRank; r >= 0; r--) {
      m = split(folders[r], names, " ")
      for (k = 1; k <= m; k++)
        for (e = 1; e <= edgeTotal; e++) {
          split(edges[e], ends, SUBSEP)
          if (ends[1] != names[k]) continue
          printf "  %-10s -> %-10s %4d%s\n", ends[1], ends[2], edgeCount[ends[1], ends[2]],
                 ((ends[1], ends[2]) in bad ? "  <- breaks the layers" : "")
        }
    }
  }
  for (p = 1; p <= problemCount; p++) print problems[p] > "/dev/stderr"
  if (problemCount > 0) {
    printf "%d problem(s) in the layers of src/ui\n", problemCount > "/dev/stderr"
    exit 1
  }
}
' <<<"$includes"

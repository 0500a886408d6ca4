#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cold start to a visible main window, measured from outside the process under
# a virtual X server, beside SpeedCrunch (another Qt calculator) in the same
# run; and the resident memory of the idle main window. Quillix starts twice
# over: with an empty home, and with a home whose tape is full (1,000 lines).
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-10}
quillix="$build/src/ui/quillix"
[ -x "$quillix" ] || { echo "startup: build $quillix first" >&2; exit 1; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "startup: $tool is missing (xvfb, xdotool)" >&2; exit 1; }
done

home=$(mktemp -d)
# Xvfb picks a free display and names it once it is ready; it must not reset
# when the last client goes, or the next start finds no display.
Xvfb -displayfd 5 -screen 0 1280x900x24 -nolisten tcp -noreset 5>"$home/.display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
until [ -s "$home/.display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$home/.display")" QT_QPA_PLATFORM=xcb QUILLIX_INSTANCE_TAG=bench
rm "$home/.display"

# Milliseconds from the start of COMMAND until a viewable window whose title
# matches the pattern NAME (the main window's title names the program first).
time_to_window() {
  local name=$1; shift
  local start end pid
  # The window of the run before must be gone, or it would be found at once.
  while xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; do sleep 0.05; done
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then echo "startup: $name exited" >&2; return 1; fi
  done
  end=$(date +%s%N)
  echo $(((end - start) / 1000000)) "$pid"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {
  local label=$1 name=$2; shift 2
  local times=() rss=""
  for ((i = 0; i < runs; i++)); do
    read -r ms pid < <(time_to_window "$name" "$@")
    times+=("$ms")
    if [ -z "$rss" ]; then
      sleep 1
      rss=$(awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$pid/status")
    fi
    kill "$pid"; wait "$pid" 2>/dev/null || true
  done
  printf '%-12s start %s ms (median of %d; all: %s), idle RSS %s MB\n' "$label" \
    "$(printf '%s\n' "${times[@]}" | median)" "$runs" "${times[*]}" "$rss"
}

measure quillix 'Quillix$' "$quillix" --home "$home"

# A full tape: 1,000 lines of a typical calculation.
taped=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$home" "$taped"' EXIT
awk 'BEGIN {
  print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
  print "<Tape Version=\"1\">"
  for (i = 0; i < 1000; i++)
    printf "  <Line Time=\"%d\" Kind=\"0\" Number=\"%d.5\" Shown=\"%d.5\" Formula=\"(1234.5+%d)*Sqrt(2)/7-%d\"/>\n",
      1700000000000 + i, i, i, i, i
  print "</Tape>"
}' >"$taped/tape.xml"
measure "quillix+tape" 'Quillix$' "$quillix" --home "$taped"
if command -v speedcrunch >/dev/null; then
  measure speedcrunch '^SpeedCrunch' speedcrunch
else
  echo "speedcrunch is not installed (apt-get install speedcrunch) - no comparison"
fi

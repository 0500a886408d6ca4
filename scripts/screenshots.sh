#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the real windows under a virtual X server: the program as it
# starts, then the main window in typical states and skins (quillix-screens),
# at 100 % and at 200 % scale.  Usage: scripts/screenshots.sh OUTDIR
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:?usage: scripts/screenshots.sh OUTDIR}
mkdir -p "$out"
build=${QUILLIX_BUILD:-build/release}
[ -x "$build/src/ui/quillix" ] || { echo "build first: make build-release" >&2; exit 1; }

home=$(mktemp -d)
# Xvfb picks a free display and names it once it is ready, so several runs can
# share the machine.
Xvfb -displayfd 5 -screen 0 1280x900x24 -nolisten tcp 5>"$home/.display" >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "${app:-}" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$home"; }
trap cleanup EXIT
until [ -s "$home/.display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$home/.display")" QT_QPA_PLATFORM=xcb QUILLIX_INSTANCE_TAG=screens
rm "$home/.display"

# The real program as a user starts it.
"$build/src/ui/quillix" --home "$home" &
app=$!
sleep 3
"$build/scripts/screens/quillix-screens" --grab-screen "$out/start.png"
kill "$app"; wait "$app" 2>/dev/null || true
app=

"$build/scripts/screens/quillix-screens" "$out"
QT_SCALE_FACTOR=2 "$build/scripts/screens/quillix-screens" "$out" -200
echo "pictures in $out"

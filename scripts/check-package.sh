#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package (make package) and checks it as a user meets it:
# lintian reports no errors; the AppStream data and the desktop entry are valid
# and name the same application id as the icons; the screenshots the AppStream
# data names are pictures scripts/screenshots.sh writes; and the programs
# unpacked from the package run without the build tree, keeping their files
# under ~/.local/share/quillix and nothing beside themselves.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh dpkg-dev file lintian appstream desktop-file-utils
make package

app_id=io.github.quillix.Quillix
deb=$(ls -t build/release/quillix_*.deb | head -n 1)
failures=0
fail() { echo "check-package: $*" >&2; failures=$((failures + 1)); }

echo "== $deb"
dpkg-deb --info "$deb"
echo "package size: $(stat -c %s "$deb") bytes;" \
  "installed size: $(dpkg-deb -f "$deb" Installed-Size) KiB"

echo "== lintian (warnings are listed; an error fails the check)"
lintian --info --fail-on error "$deb" || fail "lintian reports errors"

root=$(mktemp -d)
app=
cleanup() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
  rm -rf "$root"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$root/pkg"
pkg=$root/pkg
dpkg-deb --contents "$deb" | awk '{ print $6 }'

echo "== AppStream data and desktop entry"
metainfo=$pkg/usr/share/metainfo/$app_id.metainfo.xml
desktop=$pkg/usr/share/applications/$app_id.desktop
appstreamcli validate --no-net "$metainfo" || fail "the AppStream data is not valid"
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the AppStream data does not launch $app_id.desktop"
[ -f "$pkg/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
for size in 16 32 48 64 128 256; do
  icon=$pkg/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  file "$icon" | grep -q "PNG image data, $size x $size" || fail "no ${size}x${size} icon"
done
for image in $(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|</image>||; s|.*/||; s|\.png$||'); do
  grep -q "\"$image%1\"" scripts/screens/screens_main.cpp ||
    grep -q "\$out/$image.png" scripts/screenshots.sh ||
    fail "the screenshot $image.png is not one scripts/screenshots.sh writes"
done

echo "== the unpacked programs, without the build tree"
export HOME=$root/home
mkdir -p "$HOME"
unset LD_LIBRARY_PATH QUILLIX_HOME XDG_DATA_HOME
version=$("$pkg/usr/bin/quillix-cli" --version)
echo "$version"
[ "$version" = "quillix-cli $(dpkg-deb -f "$deb" Version)" ] ||
  fail "quillix-cli --version says '$version'"
sqrt=$("$pkg/usr/bin/quillix-cli" call Sqrt 2)
[ "$sqrt" = "1.41421356237309505" ] || fail "quillix-cli call Sqrt 2 gives '$sqrt'"
"$pkg/usr/bin/quillix" --version

# The desktop program's first start makes its private home, and writes
# nothing beside itself.
QT_QPA_PLATFORM=offscreen QUILLIX_INSTANCE_TAG=package-check "$pkg/usr/bin/quillix" &
app=$!
home=$HOME/.local/share/quillix
for _ in $(seq 1 300); do
  [ -d "$home" ] && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
kill "$app" 2>/dev/null || fail "the desktop program did not keep running"
wait "$app" 2>/dev/null || true
app=
[ "$(stat -c %a "$home" 2>/dev/null)" = 700 ] || fail "the home $home was not made with mode 0700"
extra=$(find "$pkg/usr/bin" -mindepth 1 ! -name quillix ! -name quillix-cli)
[ -z "$extra" ] || fail "files beside the programs: $extra"

if [ "$failures" -ne 0 ]; then
  echo "check-package: $failures checks failed" >&2
  exit 1
fi
echo "check-package: $deb is fine"

#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the build into a staging folder, copies the prefix elsewhere and runs it from there with
# the resource overrides unset: it must find everything it needs under its own prefix, and no
# installed program may name the source or build tree. Then every tab is rendered and the CLI
# asked for a place, and the answers compared with the build tree's.
# Usage: installed-app.sh BUILD_DIR SOURCE_DIR
set -eu
build=$(cd "$1" && pwd -P)
source=$(cd "$2" && pwd -P)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

configured=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
DESTDIR="$work/stage" cmake --install "$build" --strip >/dev/null
cp -a "$work/stage$configured" "$work/moved"
prefix="$work/moved"
rm -rf "$work/stage"

for program in "$prefix"/bin/* "$prefix"/libexec/lunafold/*; do
  for tree in "$source" "$build"; do
    ! grep -q -a -F "$tree" "$program" || fail "$program names $tree"
  done
done

unset LUNAFOLD_GEODATA_DIR LUNAFOLD_BASEMAP_DIR LUNAFOLD_SOUNDS_DIR
export XDG_DATA_DIRS="$work/none" XDG_DATA_HOME="$work/none" HOME="$work/home"
export LUNAFOLD_CONFIG_DIR="$work/config" LUNAFOLD_DATA_DIR="$work/data"
export QT_QPA_PLATFORM=offscreen QT_QUICK_CONTROLS_STYLE=Basic XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
shot() { # PROGRAM TAB OUT
  "$1" --screenshot "$3" --tab "$2" --at 2024-04-23T12:00:00Z --place 48.8566,2.3522,Europe/Paris \
    >/dev/null || fail "$1 could not render tab $2"
}
for tab in 0 1 2 3 4; do
  shot "$prefix/bin/lunafold" $tab "$work/installed-$tab.png"
  shot "$build/Lunafold/lunafold" $tab "$work/build-$tab.png"
  cmp -s "$work/installed-$tab.png" "$work/build-$tab.png" || fail "tab $tab differs from the build tree's"
done
# The same screen without the place data and the map looks different: the copy really used them.
LUNAFOLD_GEODATA_DIR="$work/none" LUNAFOLD_BASEMAP_DIR="$work/none" shot "$build/Lunafold/lunafold" 3 "$work/bare-3.png"
! cmp -s "$work/bare-3.png" "$work/installed-3.png" || fail "the Location tab does not show the data"

installed=$("$prefix/bin/lunafold-cli" place --lat 48.8566 --lon 2.3522 --json)
built=$("$build/cli/lunafold-cli" place --lat 48.8566 --lon 2.3522 --json)
[ "$installed" = "$built" ] || fail "installed CLI: $installed, build tree: $built"
case "$installed" in *Paris*) ;; *) fail "no place name: $installed" ;; esac

# Desktop integration under one id, valid for the desktop's tools.
id=app.lunafold.Lunafold
desktop-file-validate "$prefix/share/applications/$id.desktop" "$prefix/etc/xdg/autostart/$id.Notifier.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
for size in 16 24 32 48 64 128 256 512; do
  [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size}px icon"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
grep -q "^Exec=$configured/bin/lunafold-notifier$" "$prefix/share/dbus-1/services/$id.Notifier.service" \
  || fail "the notifier's D-Bus activation does not name it"
"$prefix/bin/lunafold-notifier" --help >/dev/null
echo "installed app: every tab, the CLI and the desktop files are fine"

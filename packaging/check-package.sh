#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the Debian package into a scratch folder and checks it: the files a user needs, the
# dependencies dpkg-shlibdeps found, and no lintian error.
# Usage: check-package.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd -P)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(ls "$work"/lunafold_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/files"
id=app.lunafold.Lunafold
for f in ./usr/bin/lunafold ./usr/bin/lunafold-cli ./usr/bin/lunafold-notifier \
         ./usr/libexec/lunafold/lunafold-cli-screens ./usr/libexec/lunafold/lunafold-cli-render \
         ./usr/share/lunafold/geodata/LICENSES.md ./usr/share/lunafold/basemap/LICENSES.md \
         ./usr/share/lunafold/sounds/wolfhowl.caf ./usr/share/lunafold/sounds/moonalert.caf \
         ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/icons/hicolor/48x48/apps/$id.png \
         ./usr/share/dbus-1/services/$id.Notifier.service ./etc/xdg/autostart/$id.Notifier.desktop \
         ./usr/share/doc/lunafold/copyright ./usr/share/doc/lunafold/changelog.gz \
         ./usr/share/man/man1/lunafold.1.gz ./usr/share/man/man1/lunafold-notifier.1.gz; do
  grep -qx -F "$f" "$work/files" || fail "$f is not in the package"
done
[ "$(grep -c '^./usr/share/lunafold/geodata/.' "$work/files")" -ge 2 ] || fail "no place data"
! grep -q -e '^./usr/local' -e 'tst_' -e '/include/' "$work/files" || fail "stray files: $(grep -e '^./usr/local' -e tst_ -e /include/ "$work/files")"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6dbus6 libqt6quick6 libc6; do
  case "$depends" in *"$lib"*) ;; *) fail "Depends lacks $lib: $depends" ;; esac
done
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian"; fail "lintian reports errors"; }
  grep '^E:' "$work/lintian" && fail "lintian reports errors"
fi
echo "package $(basename "$deb"): $(wc -l <"$work/files") entries, lintian clean of errors"

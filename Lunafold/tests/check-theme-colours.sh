#!/bin/sh
# SPDX-License-Identifier: MIT
# Every colour of the views comes from Theme.qml: a literal anywhere else is a copy that drifts
# the next time the scheme changes. Usage: check-theme-colours.sh QML_DIR
found=$(grep -rnE --include='*.qml' '"#[0-9a-fA-F]{3,8}"|Qt\.(rgba|hsla|hsva)\(|([Cc]olor|palette\.[A-Za-z]+)[A-Za-z.]*[[:space:]]*:[^/]*"' "$1" |
        grep -v '/Theme\.qml:')
if [ -n "$found" ]; then
    echo "colours outside Theme.qml:" >&2
    echo "$found" >&2
    exit 1
fi

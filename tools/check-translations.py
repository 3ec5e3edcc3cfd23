#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Lists the English keys of the app (C++ and QML) that the German translation lacks.
Usage: tools/check-translations.py   (exit status 1 when any key is missing)"""
import glob, html, re, sys, os

root = os.path.join(os.path.dirname(__file__), '..')
patterns = [r'qsTranslate\("Lunafold", "((?:[^"\\]|\\.)*)"(?:, "(\w+)")?\)',
            r'localized\("((?:[^"\\]|\\.)*)"\)',
            r'QT_TRANSLATE_NOOP\("Lunafold", "((?:[^"\\]|\\.)*)"\)']
keys = set()
files = glob.glob(f'{root}/Lunafold/**/*.qml', recursive=True) + glob.glob(f'{root}/Lunafold/cpp/**/*.[ch]*', recursive=True) \
    + glob.glob(f'{root}/common/**/*.[ch]*', recursive=True)
for f in files:
    text = open(f, encoding='utf-8').read()
    for p in patterns:
        for m in re.finditer(p, text):
            key = m.group(1).encode().decode('unicode_escape').encode('latin-1').decode('utf-8')
            comment = m.group(2) if m.lastindex and m.lastindex >= 2 else None
            keys.add((key, comment or ''))
ts = open(f'{root}/Lunafold/resources/translations/lunafold_de.ts', encoding='utf-8').read()
have = set()
for m in re.finditer(r'<message>\s*<source>(.*?)</source>\s*(?:<comment>(.*?)</comment>\s*)?<translation>(.*?)</translation>', ts, re.S):
    if m.group(3).strip():
        have.add((html.unescape(m.group(1)), html.unescape(m.group(2) or '')))
missing = sorted(k for k in keys - have if k[0].strip())  # a lone blank needs no translation
for k, c in missing:
    print(repr(k) + (f'  [{c}]' if c else ''))
sys.exit(1 if missing else 0)

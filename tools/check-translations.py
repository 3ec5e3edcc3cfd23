#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when any shipped language lacks a text of the app.

Runs lupdate over the sources into a copy of every Lunafold/resources/translations/lunafold_*.ts and
lists, per language, each entry that is new (not yet in the file), unfinished or empty (a plural
form included), or whose placeholders (%d, %@, %.4f, %%) differ from the English key's. Keys handed
to localized()/trFormat() as bare literals are listed too: lupdate cannot see them.
Usage: tools/check-translations.py [--ts-dir DIR]   (exit status 1 when anything is listed)"""
import argparse, glob, os, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
sources = ['Lunafold/core', 'Lunafold/ui', 'Lunafold/notices', 'Lunafold/app', 'Lunafold/notifier', 'common/src', 'cli/src']
placeholder = re.compile(r'%(?:\d+\$)?(?:\.\d+)?[lq]*[d@fiu]|%%')


def placeholders(text):
    return sorted(placeholder.findall(re.sub(r'%\d+\$', '%', text)))


def bare_keys():
    found = []
    for folder in sources:
        for path in glob.glob(os.path.join(root, folder, '**', '*.[ch]*'), recursive=True):
            for n, line in enumerate(open(path, encoding='utf-8'), 1):
                if re.search(r'\b(?:localized|localizedPlural|trFormat)\(\s*"', line):
                    found.append(f'{os.path.relpath(path, root)}:{n}: a key lupdate cannot see: {line.strip()}')
    return found


def problems(ts_path):
    out = []
    for message in ET.parse(ts_path).getroot().iter('message'):
        source = message.findtext('source') or ''
        if not source.strip():
            continue  # a lone blank stays a blank
        comment = message.findtext('comment')
        name = repr(source) + (f' [{comment}]' if comment else '')
        translation = message.find('translation')
        kind = translation.get('type') if translation is not None else 'missing'
        forms = [f.text or '' for f in translation.findall('numerusform')] if message.get('numerus') == 'yes' \
            else [translation.text or '']
        if kind in ('unfinished', 'missing') or any(not f.strip() for f in forms):
            out.append(f'missing: {name}')
        elif any(placeholders(f) != placeholders(source) for f in forms):
            out.append(f'placeholders differ: {name} -> {forms!r}')
    return out


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--ts-dir', default=os.path.join(root, 'Lunafold/resources/translations'))
    parser.add_argument('--lupdate', default=os.environ.get('LUPDATE', '/usr/lib/qt6/bin/lupdate'))
    args = parser.parse_args()
    files = sorted(glob.glob(os.path.join(args.ts_dir, 'lunafold_*.ts')))
    if not files:
        print(f'no lunafold_*.ts in {args.ts_dir}')
        return 1
    report = bare_keys()
    with tempfile.TemporaryDirectory() as scratch:
        for ts in files:
            name = os.path.basename(ts)
            copy = shutil.copy(ts, os.path.join(scratch, name))
            run = subprocess.run([args.lupdate, '-no-obsolete', '-locations', 'none', *sources, '-ts', copy],
                                 cwd=root, capture_output=True, text=True)
            report += [f'{name}: {p}' for p in problems(copy)] if run.returncode == 0 \
                else [f'{name}: lupdate failed: {run.stderr.strip()}']
    print('\n'.join(report) if report else f'complete: {", ".join(os.path.basename(f) for f in files)}')
    return 1 if report else 0


if __name__ == '__main__':
    sys.exit(main())

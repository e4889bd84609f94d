#!/usr/bin/env python3
"""Every word of the shipped and the hand-made timetable that the interface
shows has its English in translations/kestrelway_en.ts: class names and fare
families (kind.tsv), editions (VerID.tsv, whole and the word after the date),
remarks (train.tsv), and each tip's title and text (everyday.tsv). A tip or a
class added to the data without English fails here.

usage: check-timetable-words.py SOURCE_ROOT
"""
import csv
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

HAN = re.compile('[\u3400-\u9fff]')


def column(path, name):
    if not path.exists():
        return []
    with path.open(encoding='utf-8', newline='') as f:
        return [row[name] for row in csv.DictReader(f, delimiter='\t', quoting=csv.QUOTE_NONE)]


def english(ts):
    found = {}
    for context in ET.parse(ts).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation.get('type') is None and (translation.text or '').strip():
                found.setdefault(name, set()).add(message.findtext('source'))
    return found


def needed(folder, label):
    """(context, word, where) for each Chinese word the folder's tables show."""
    for column_name in ('kind', 'price'):
        for word in column(folder / 'kind.tsv', column_name):
            yield 'kw::data', word, f'{label}/kind.tsv {column_name}'
    for version in column(folder / 'VerID.tsv', 'ver'):
        yield 'kw::data', version, f'{label}/VerID.tsv'
        yield 'kw::data', version.partition(' ')[2], f'{label}/VerID.tsv'
    for memo in column(folder / 'train.tsv', 'memo'):
        yield 'kw::data', memo, f'{label}/train.tsv memo'
    for column_name in ('title', 'content'):
        for text in column(folder / 'everyday.tsv', column_name):
            yield 'kw::tips', text, f'{label}/everyday.tsv {column_name}'


def main(root):
    root = Path(root)
    known = english(root / 'translations' / 'kestrelway_en.ts')
    missing = []
    checked = 0
    for folder in (root / 'data', root / 'tests' / 'data'):
        for context, word, where in needed(folder, folder.relative_to(root)):
            if not HAN.search(word):
                continue
            checked += 1
            if word not in known.get(context, ()):
                missing.append(f'{where}: "{word}" has no English in {context}')
    for line in missing:
        print(line, file=sys.stderr)
    if missing:
        print('list them in src/l10n/TimetableWords.cpp, run scripts/update-translations '
              'and write their English', file=sys.stderr)
        return 1
    if checked == 0:
        print('no timetable words found: wrong source root?', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))

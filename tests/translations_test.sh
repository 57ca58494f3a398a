#!/usr/bin/env bash
# Every language is complete and matches the source: lupdate, run on copies of the .ts files, finds no text that
# is new, gone or untranslated, and every translation keeps the %1-style places (and %n) of its English text in their
# order, the program where the program goes and the reason where the reason goes; each language has its help page,
# built in and with the same {places} as the English one, and its lines in the desktop entry and the metainfo.
# Usage: translations_test.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1 src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/translations/vantor_*.ts "$work"/
dirs=("$src/launch" "$src/settings" "$src/ui" "$src/app")

status=0
for ts in "$work"/vantor_*.ts; do
    lang=$(basename "$ts" .ts)
    if [ "$lang" = vantor_en ]; then
        "$lupdate" -locations none -pluralonly "${dirs[@]}" -ts "$ts" >/dev/null
    else
        "$lupdate" -locations none "${dirs[@]}" -ts "$ts" >/dev/null
    fi
    python3 - "$ts" "$lang" <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET
path, lang = sys.argv[1], sys.argv[2]
faults = []
root = ET.parse(path).getroot()
# The language its plural forms follow: the file's own, in Qt's form (ru_RU, pt_BR).
expected = {"vantor_en": "en_US", "vantor_pt_BR": "pt_BR"}.get(lang, lang.split("_")[1] + "_" + lang.split("_")[1].upper())
if root.get("language") != expected:
    faults.append(f"{lang}: written for {root.get('language')}, not {expected}")
for context in root.iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        kind = translation.get("type", "")
        where = f"{lang}: {name}: {source[:60]!r}"
        if kind in ("unfinished", "vanished", "obsolete"):
            faults.append(f"{where} is {kind}")
            continue
        forms = [n.text or "" for n in translation.iter("numerusform")] or [translation.text or ""]
        places = re.findall(r"%[\dn]", source)
        for form in forms:
            if not form.strip():
                faults.append(f"{where} has an empty translation")
            elif re.findall(r"%[\dn]", form) != places:
                faults.append(f"{where} loses, adds or reorders a place: {form[:60]!r}")
for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
PY
    [ "$lang" = vantor_en ] && continue
    code=${lang#vantor_}
    help=$src/resources/help_$code.txt
    places() { grep -o '{[a-z]*}' "$1" | sort | uniq -c; }
    [ -f "$help" ] && [ "$(places "$help")" = "$(places "$src/resources/help.txt")" ] ||
        { echo "$code: help_$code.txt is missing or its {places} differ from help.txt's"; status=1; }
    grep -q ">help_$code.txt<" "$src/resources/vantor.qrc" || { echo "$code: help_$code.txt is not built in"; status=1; }
    for key in GenericName Comment Keywords; do
        [ "$(grep -c "^$key\[$code\]=" "$src/resources/example.corvana.Vantor.desktop")" -ge 1 ] ||
            { echo "$code: the desktop entry lacks $key[$code]"; status=1; }
    done
    grep -q "<summary xml:lang=\"$code\">" "$src/resources/example.corvana.Vantor.metainfo.xml" ||
        { echo "$code: the metainfo lacks its summary"; status=1; }
done
exit $status

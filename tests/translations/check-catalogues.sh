#!/usr/bin/env bash
# Every text of the sources is in every shipped catalogue, translated: lupdate
# is run over the sources onto copies of the catalogues, and an entry it adds,
# or one left unfinished, fails the check with its text.
# Usage: check-catalogues.sh SOURCE-DIR LUPDATE
set -euo pipefail
source_dir=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for catalogue in "$source_dir"/translations/orvane_*.ts; do
  copy="$work/$(basename "$catalogue")"
  cp "$catalogue" "$copy"
  (cd "$source_dir" && "$lupdate" -silent -locations none -no-obsolete src -ts "$copy") >/dev/null 2>&1
  unfinished=$(python3 - "$copy" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter('context'):
    for message in context.iter('message'):
        translation = message.find('translation')
        forms = [f.text for f in translation.iter('numerusform')] if message.get('numerus') == 'yes' else [translation.text]
        if translation.get('type') == 'unfinished' or not all(forms):
            print(f"  {context.findtext('name')}: {message.findtext('source')!r}")
PY
)
  if [ -n "$unfinished" ]; then
    echo "$(basename "$catalogue") lacks these translations:"
    echo "$unfinished"
    status=1
  fi
done
[ $status -eq 0 ] && echo "every catalogue is complete"
exit $status

#!/usr/bin/env bash
# Installs the build into a DESTDIR under a prefix, checks that every file
# landed inside the prefix, then starts the installed program offscreen with
# --version, and with --help in German: the installed program finds its
# translations relative to itself.
# Usage: check-install.sh BUILD-DIR VERSION
set -euo pipefail
build=$1
version=$2
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
prefix=/opt/orvane-test
DESTDIR="$dest" cmake --install "$build" --prefix "$prefix" >/dev/null
outside=$(find "$dest" -mindepth 1 \( -type f -o -type l \) -not -path "$dest$prefix/*")
if [ -n "$outside" ]; then
  echo "installed outside the prefix: $outside"
  exit 1
fi
for file in bin/orvane share/applications/com.bramwick.Orvane.desktop share/metainfo/com.bramwick.Orvane.metainfo.xml \
  share/icons/hicolor/scalable/apps/com.bramwick.Orvane.svg share/icons/hicolor/48x48/apps/com.bramwick.Orvane.png \
  share/man/man1/orvane.1.gz share/orvane/translations/orvane_de.qm share/orvane/translations/orvane_fr.qm; do
  [ -f "$dest$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
[ -x "$(ls "$dest$prefix"/lib*/orvane/OrvaneAgent)" ] || { echo "missing: the login agent"; exit 1; }
ls "$dest$prefix"/lib*/orvane/liborvane_webengine.so >/dev/null || { echo "missing: the web-engine module"; exit 1; }

program="$dest$prefix/bin/orvane"
answer=$(QT_QPA_PLATFORM=offscreen "$program" --version)
[ "$answer" = "Orvane $version" ] || { echo "--version answered: $answer"; exit 1; }
help=$(LANGUAGE= LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen "$program" --help)
grep -q "Verwaltet\|Rechnungen" <<<"$help" || { echo "--help is not in German:"; echo "$help"; exit 1; }
echo "installed and started: $answer"

#!/usr/bin/env bash
# Reads the running program through the real AT-SPI stack, as a screen reader
# does: a session bus of its own with the accessibility bus on it, Orvane on
# an X server of its own, and the tree read with pyatspi (atspi-check.py).
#   atspi-check.sh ORVANE SAMPLE_DATA_FOLDER_WRITER
# Skipped (77) where at-spi2-core, python3-pyatspi or Xvfb is missing.
set -euo pipefail

orvane=$1
sample_writer=$2
here=$(cd "$(dirname "$0")" && pwd)

skip() { echo "SKIP: $*"; exit 77; }
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || skip "at-spi2-core is not installed"
# pyatspi comes with the system's Python, not with one a version manager put first.
python=""
for candidate in /usr/bin/python3 python3; do
  command -v "$candidate" >/dev/null && "$candidate" -c 'import pyatspi' 2>/dev/null && python=$candidate && break
done
[ -n "$python" ] || skip "python3-pyatspi is not installed"
command -v xvfb-run >/dev/null || skip "xvfb-run is not installed"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config/Orvane" "$home/share/Orvane" "$home/run"
chmod 700 "$home/run"
"$sample_writer" "$home/share/Orvane/Orvane.ovdata" >/dev/null

export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/share XDG_RUNTIME_DIR=$home/run
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
export ORVANE=$orvane ATSPI_LAUNCHER=$launcher
exec xvfb-run -a -s "-screen 0 1440x900x24" dbus-run-session -- "$python" "$here/atspi-check.py"

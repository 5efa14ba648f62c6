#!/usr/bin/env bash
# Builds the Debian package from the build tree into a folder of its own and
# has lintian check it: no errors. Warnings are printed for whoever reads.
# Skipped (77) without lintian.
# Usage: check-package.sh BUILD-DIR
set -euo pipefail
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
build=$(realpath "$1")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
package=$(ls "$out"/orvane_*_amd64.deb)
dpkg-deb -f "$package" Depends | grep -q libqt6webenginewidgets6 || { echo "Depends lacks the web engine"; exit 1; }
report=$(lintian "$package" 2>&1 | grep -v 'running with root privileges' || true)
echo "$report"
! grep -qE '^E: ' <<<"$report"

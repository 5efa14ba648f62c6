#!/usr/bin/env bash
# The AppStream metainfo validates without errors and without warnings.
# Skipped (77) without appstreamcli.
set -euo pipefail
command -v appstreamcli >/dev/null || { echo "appstreamcli is not installed"; exit 77; }
report=$(appstreamcli validate --no-net --explain "$1" 2>&1) || { echo "$report"; exit 1; }
echo "$report"
! grep -qE '^(E|W): ' <<<"$report"

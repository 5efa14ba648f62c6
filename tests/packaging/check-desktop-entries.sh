#!/usr/bin/env bash
# The installed desktop entries pass desktop-file-validate, which prints
# nothing when it finds nothing to say. Skipped (77) without the tool.
set -euo pipefail
command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate is not installed"; exit 77; }
status=0
for entry in "$@"; do
  report=$(desktop-file-validate "$entry" 2>&1) || status=1
  if [ -n "$report" ]; then
    echo "$report"
    status=1
  fi
done
exit $status

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, build and script file names its licence in its first lines.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=$(git ls-files -- '*.cpp' '*.h' '*.in' '*.cmake' '*.py' '*.sh' 'CMakeLists.txt' '*/CMakeLists.txt' \
            'scripts/*' '.ci/run' ':!scripts/lsan.supp' |
  while read -r f; do
    head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
  done)
if [ -n "$missing" ]; then
  echo "no SPDX licence line in:" >&2
  echo "$missing" >&2
  exit 1
fi
echo "licence lines: all present"

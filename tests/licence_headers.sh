#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, build and script file names its licence in its first lines.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=$(git ls-files -z -- '*.cpp' '*.h' '*.in' '*.cmake' '*.py' '*.sh' 'CMakeLists.txt' \
            '*/CMakeLists.txt' 'scripts/*' '.ci/run' ':!scripts/lsan.supp' |
  xargs -0 awk 'FNR == 1 { if (file != "" && !found) print file; file = FILENAME; found = 0 }
                FNR <= 3 && /SPDX-License-Identifier: GPL-3.0-or-later/ { found = 1 }
                END { if (file != "" && !found) print file }')
if [ -n "$missing" ]; then
  echo "no SPDX licence line in:" >&2
  echo "$missing" >&2
  exit 1
fi
echo "licence lines: all present"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file, CMake file and script says its licence in an
# SPDX-License-Identifier line near its top. Lists the files that do not.
set -euo pipefail
root=${1:?usage: check_licence.sh SOURCE_ROOT}
cd "$root"
missing=0
while IFS= read -r -d '' file; do
  if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "no licence line: $file"
    missing=1
  fi
done < <(find . \( -path './build*' -o -path './.git' -o -path './fuzz/corpus' -o -path './fuzz/regressions' \) -prune -o \
  -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name 'CMakeLists.txt' -o -name '*.cmake' -o -path './scripts/*' \) -print0)
[ "$missing" = 0 ] && echo "every source file names its licence"
exit "$missing"

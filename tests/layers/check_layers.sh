#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every include points down or sideways, and the plain layers hold no Qt.
# Each folder has a level; a file may include headers of its own level or
# below. The build already refuses headers of libraries a library does not
# link; this check also keeps the levels themselves in order.
set -u
root=${1:?usage: check_layers.sh SOURCE_ROOT}
cd "$root" || exit 2

# folder level; the longest folder that a path starts with decides.
levels="
common 0
settings 1
link 1
v1 1
curves 2
link/hidapi 2
sim 2
backend 3
comms/engine 3
comms/firmware 4
files 4
library 5
runlog 5
window 5
widgets/layout 6
widgets/kit 7
widgets/curves 8
widgets/v1 8
widgets/charts 8
widgets/history 8
pages 9
app 10
cli 10
tools 11
bench 11
fuzz 11
"
# The plain layers, and the command-line tool, include no Qt at all.
plain_below=6

level_of() {
  local path=$1 best="" best_level=""
  while read -r folder level; do
    [ -z "$folder" ] && continue
    case "$path" in
      "$folder"/*)
        if [ ${#folder} -gt ${#best} ]; then best=$folder; best_level=$level; fi ;;
    esac
  done <<< "$levels"
  echo "$best_level"
}

failures=0
while IFS= read -r file; do
  own=$(level_of "$file")
  [ -z "$own" ] && continue
  while IFS= read -r include; do
    target=$(level_of "$include")
    [ -z "$target" ] && continue
    if [ "$target" -gt "$own" ]; then
      echo "$file includes $include, a layer above it"
      failures=$((failures + 1))
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  if [ "$own" -lt "$plain_below" ] || [ "${file#cli/}" != "$file" ]; then
    if grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
      echo "$file includes Qt, but its layer is plain C++"
      failures=$((failures + 1))
    fi
  fi
done < <(find common settings link v1 curves sim backend comms files library runlog window widgets pages app cli tools bench fuzz \
           -name '*.h' -o -name '*.cpp' 2>/dev/null | sort)

if [ "$failures" -gt 0 ]; then
  echo "$failures include(s) against the layers"
  exit 1
fi
echo "every include points down or sideways"

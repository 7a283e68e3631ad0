#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of vuriru-cli against the built program: commands,
# options of the program and of a command, choices, fault names and files.
# Usage: completion_test.sh COMPLETION_FILE VURIRU_CLI
set -u
completion=${1:?usage: completion_test.sh COMPLETION_FILE VURIRU_CLI}
program=${2:?usage: completion_test.sh COMPLETION_FILE VURIRU_CLI}
# shellcheck source=/dev/null
source "$completion"

failures=0
# complete WORD... : runs the completion with the cursor on the last word.
complete_words() {
  COMP_WORDS=("$program" "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _vuriru_cli
  [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {
  local want=$1
  shift
  local got
  got=$(complete_words "$@" | tr '\n' ' ')
  if [ "$got" != "$want" ]; then
    echo "completing '$*': got '$got', want '$want'"
    failures=$((failures + 1))
  fi
}
expect_has() {
  local want=$1
  shift
  if ! complete_words "$@" | grep -qx -- "$want"; then
    echo "completing '$*': no '$want' among: $(complete_words "$@" | tr '\n' ' ')"
    failures=$((failures + 1))
  fi
}

expect "default diff doctor " d
expect "delete list rename save " setup ""
expect "--note " setup save --n
expect "--dry-run " apply --dr
expect_has list ""
expect_has firmware ""
expect "full " --simulate f
expect "v1 v1-bec v1-hgm " --simulate v
expect "access-denied " --simulate full --fault a
expect "--target --timeout --trace " firmware --t
expect "--target --timeout --trace " --json firmware --t
expect "controller lcd " firmware --target ""
expect "--overwrite " export --o
expect "--csv " log --c
expect "--last --library " log --l
expect "" --timeout ""

scratch=$(mktemp -d)
touch "$scratch/car.DATA"
expect "$scratch/car.DATA " show "$scratch/c"
expect "" list "$scratch/c"
rm -rf "$scratch"

if [ "$failures" -gt 0 ]; then
  echo "$failures completion(s) wrong"
  exit 1
fi
echo "every completion as expected"

#!/usr/bin/env bash
# A game that cannot be started ends the batch cleanly: the profile is given back,
# the user is told, no report is left.
. "$(dirname "$0")/lib.sh"

make_user_profile
mkdir -p "$WORK/results" "$WORK/game"
printf 'not a program' >"$WORK/game/UT3.exe"

run_cli run --demo Arsenal --res 800,1024 --game "$(to_win "$WORK/game/UT3.exe")" \
    --results "$(to_win "$WORK/results")" --no-open
[ "$CLI_RC" -eq 1 ] || { show_output; fail "exit code $CLI_RC"; }
grep -q 'could not be started' "$WORK/out.lf" || { show_output; fail "the user was not told"; }
[ -z "$(ls "$WORK/results")" ] || fail "files in the results folder: $(ls "$WORK/results")"
assert_profile_restored
echo "launch_failure: ok"

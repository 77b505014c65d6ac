#!/usr/bin/env bash
# A batch whose program is killed leaves the profile prepared; the next batch keeps
# the user's own engine file that the killed one set aside and gives it back.
. "$(dirname "$0")/lib.sh"

make_user_profile
mkdir -p "$WORK/results"
export UT3_STANDIN_LOG=$(to_win "$WORK/game.log")

UT3_STANDIN_SECONDS=60 "$WINE_RUN" "$CLI" run --demo 1 --res 800 --game "$(to_win "$GAME")" \
    --results "$(to_win "$WORK/results")" --no-open </dev/null >"$WORK/killed.txt" 2>&1 &
for _ in $(seq 100); do
    [ -s "$WORK/game.log" ] && break
    sleep 0.2
done
[ -s "$WORK/game.log" ] || { cat "$WORK/killed.txt"; fail "the first batch never started the game"; }
# Kill the program and its game, as a crash or the task manager would: only the
# processes of this prefix (the tests hold it alone), none elsewhere on the machine.
wineserver -k || true
wait || true
[ -f "$PROFILE/Config/UTEngineold.ini" ] || fail "the killed batch left no backup"
cmp -s "$PROFILE/Config/UTEngineold.ini" "$WORK/user-engine.ini" || fail "backup is not the user's file"

UT3_STANDIN_SECONDS=0.3 run_cli run --demo 1 --res 800 --game "$(to_win "$GAME")" \
    --results "$(to_win "$WORK/results")" --no-open
[ "$CLI_RC" -eq 0 ] || { show_output; fail "exit code $CLI_RC"; }
assert_profile_restored
echo "killed_batch: ok"

#!/usr/bin/env bash
# Three runs of one slot, the first leaving no statistics page: the average is
# taken over all three runs.
. "$(dirname "$0")/lib.sh"

make_user_profile
mkdir -p "$WORK/results"
printf '%s\n' '# first run writes nothing' nostats 'fps 60.2' 'fps 62.5' >"$WORK/script.txt"
export UT3_STANDIN_SECONDS=0.3 UT3_STANDIN_SCRIPT=$(to_win "$WORK/script.txt")

run_cli run --demo 1 --res 800 --runs 3 --game "$(to_win "$GAME")" --results "$(to_win "$WORK/results")" --no-open
[ "$CLI_RC" -eq 0 ] || { show_output; fail "exit code $CLI_RC"; }
for label in 'Runs: 3/1' 'Runs: 3/2' 'Runs: 3/3'; do
    grep -qx "$label" "$WORK/out.lf" || fail "no run counter $label"
done

lines=$(tr -d '\r' <"$(to_unix "$(last_line)")")
expected=$(printf '%s\n' \
    '<BR><B><FONT size=5>Resolution: 800×600</FONT></B><BR>' \
    '<b>Score = 60 FPS</b><br>' \
    '<b>Score = 62 FPS</b><br>' \
    '<span class="style5"><b>Average score = 40 FPS</b></span><br>' | iconv -f UTF-8 -t WINDOWS-1252)
[[ "$lines" == *"$expected"* ]] || { echo "$lines"; fail "run lines"; }
! grep -q 'chart.jpg' <<<"$lines" || fail "a one-slot batch has no picture"
[ "$(cat "$WORK/script.txt.used")" = 3 ] || fail "script lines used: $(cat "$WORK/script.txt.used")"

assert_profile_restored
echo "three_runs_missing_page: ok"

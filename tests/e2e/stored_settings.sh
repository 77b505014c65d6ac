#!/usr/bin/env bash
# Settings stored in the registry (the 32-bit view, as the program has always kept
# them) drive a batch: the start-up load fills the controls with its rules, and an
# option overrides its control for one run without storing anything.
. "$(dirname "$0")/lib.sh"

make_user_profile
install_game_with_blanks
key='HKLM\SOFTWARE\Veltrane\Tessaro'
"$WINE_RUN" reg delete "$key" /reg:32 /f >/dev/null 2>&1 || true
trap '"$WINE_RUN" reg delete "$key" /reg:32 /f >/dev/null 2>&1 || true; rm -rf "$WORK"' EXIT

run_cli settings
[ "$CLI_RC" -eq 1 ] || fail "settings without a key: exit code $CLI_RC"
grep -q 'does not exist' "$WORK/err.txt" || fail "settings without a key: $(cat "$WORK/err.txt")"

store() { "$WINE_RUN" reg add "$key" /reg:32 /v "$1" /t REG_SZ /d "$2" /f >/dev/null; }
store 800 1
store 1024 1
store 1280 1 # the display does not offer 1280 x 1024: the slot is left out
store CusW 1024
store CusH 768
store CusRes 1
store Path "$GAME_WIN"
store FPath 'C:\Program Files\Tessaro Test Game\Binaries\'
store ResultPath 'C:\no\longer\there\'
store RunNumber 2
store Demo 31
store Botmatch 1
"$WINE_RUN" reg add "$key" /reg:32 /v AFLevel /t REG_DWORD /d 2 /f >/dev/null

run_cli modes
[ "$(cat "$WORK/out.lf")" = $'640 x 480\n800 x 600\n1024 x 768' ] || fail "modes: $(cat "$WORK/out.lf")"

run_cli run --dry-run
[ "$CLI_RC" -eq 0 ] || { show_output; fail "dry run: exit code $CLI_RC"; }
assert_launches 'CTF-Strident?numplay=12?timelimit=5?automatedperftesting=1 -seconds=34' \
    '-unattended -novsync -fixedseed -CaptureFPSChartInfo=1 -nomoviestartup' \
    '800 -ResY=600' '800 -ResY=600' '1024 -ResY=768' '1024 -ResY=768' '1024 -ResY=768' '1024 -ResY=768'

# An option changes this run only.
run_cli run --dry-run --runs 1 --res 800
[ "$(grep -c 'UT3.exe' "$WORK/out.lf")" -eq 2 ] || fail "--runs 1 --res 800: $(cat "$WORK/out.lf")"

# The load's own writes: the vanished results folder replaced by the default.
run_cli settings
[ "$CLI_RC" -eq 0 ] || fail "settings: exit code $CLI_RC"
cli_folder=$(to_win "$(dirname "$CLI")")
grep -qxF "ResultPath	$cli_folder\\Benchmark\\" "$WORK/out.lf" || { cat "$WORK/out.lf"; fail "default results folder not stored"; }
grep -qxF "RunNumber	2" "$WORK/out.lf" || fail "an option was stored"
grep -qxF "800	1" "$WORK/out.lf" || fail "a slot flag was stored"
! grep -q '^AFLevel' "$WORK/out.lf" || fail "a REG_DWORD value was listed as a string"
names=$(cut -f1 "$WORK/out.lf" | tr '\n' ' ')
[ "$names" = "800 1024 1280 CusW CusH CusRes Path FPath ResultPath RunNumber Demo Botmatch " ] ||
    fail "settings order: $names"
echo "stored_settings: ok"

#!/usr/bin/env bash
# A dry run prints every launch in batch order and touches nothing.
. "$(dirname "$0")/lib.sh"

make_user_profile
install_game_with_blanks
before=$(find "$DOCS" -type f -exec md5sum {} + | sort)

run_cli run --dry-run --demo Strident --res 1024,800 --custom 1280x720 --runs 2 --onethread \
    --game "$GAME_WIN" --results 'C:\nowhere'
[ "$CLI_RC" -eq 0 ] || { show_output; fail "exit code $CLI_RC"; }

assert_launches 'CTF-Strident?causeevent=FlyThrough?quickstart=1?nocustomchars=1?numplay=0 -seconds=34' \
    '-unattended -novsync -fixedseed -CaptureFPSChartInfo=1 -nomoviestartup -onethread' \
    '800 -ResY=600' '800 -ResY=600' '1024 -ResY=768' '1024 -ResY=768' '1280 -ResY=720' '1280 -ResY=720'

[ "$(find "$DOCS" -type f -exec md5sum {} + | sort)" = "$before" ] || fail "the dry run changed the profile"

# The run button's path check still applies.
run_cli run --dry-run --res 800 --game 'C:\no\such\UT3.exe'
[ "$CLI_RC" -eq 1 ] || fail "a missing game was accepted"
grep -qx 'ERROR. Please define the path of UT3.exe.' "$WORK/out.lf" || { show_output; fail "no path message"; }
echo "dry_run: ok"

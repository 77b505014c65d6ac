#!/usr/bin/env bash
# A one-run DVD batch of two resolutions: the report, its chart picture, and the
# user's profile given back byte for byte.
. "$(dirname "$0")/lib.sh"

make_user_profile
install_game_with_blanks
mkdir -p "$WORK/results"
export UT3_STANDIN_SECONDS=0.5 UT3_STANDIN_LOG=$(to_win "$WORK/game.log")

run_cli run --demo Strident --res 800,1024 --runs 1 --af 3 --physics --note 'Rig <A> & B' \
    --game "$GAME_WIN" --results "$(to_win "$WORK/results")" --no-open
[ "$CLI_RC" -eq 0 ] || { show_output; fail "exit code $CLI_RC"; }

grep -qx 'Collecting system information...' "$WORK/out.lf" || fail "no progress text"
grep -qx 'Resolution: 800 × 600...' "$WORK/out.lf" || fail "no 800 progress text"
grep -qx 'Resolution: 1024 × 768...' "$WORK/out.lf" || fail "no 1024 progress text"

report=$(to_unix "$(last_line)")
[ -f "$report" ] || { show_output; fail "no report at $(last_line)"; }
case "$(basename "$report")" in result_??????__??_??_????.htm) ;; *) fail "report name $report" ;; esac
stamp=$(basename "$report" .htm)
stamp=${stamp#result_}

# The game was started twice, with the path with blanks unquoted, from its folder
# (Wine quotes the executable it found when it hands the line to the child).
[ "$(wc -l <"$WORK/game.log")" -eq 2 ] || fail "game starts: $(cat "$WORK/game.log")"
grep -qE '^"?C:\\Program Files\\Tessaro Test Game\\Binaries\\UT3.exe"? CTF-Strident\?causeevent=FlyThrough.*'$'\t''C:\\Program Files\\Tessaro Test Game\\Binaries$' "$WORK/game.log" ||
    fail "command line: $(cat "$WORK/game.log")"

# Report lines: Windows-1252 (the sign is byte 0xD7), CR LF ends, the notes unescaped.
lines=$(tr -d '\r' <"$report" | iconv -f WINDOWS-1252 -t UTF-8)
[ "$(tail -c 2 "$report" | od -An -tx1 | tr -d ' ')" = "0d0a" ] || fail "last line not ended by CR LF"
grep -c $'\xD7' "$report" >/dev/null || fail "no 0xD7 byte"
for expected in \
    '<BR><B><FONT size=5>Resolution: 800×600</FONT></B><BR>' \
    '<BR><B><FONT size=5>Resolution: 1024×768</FONT></B><BR>' \
    '<FONT size=2><span class="style6">Comment:</span> Rig <A> & B</FONT><br>' \
    '<FONT size=2><b>Demo:</b> CTF-Strident</FONT><br>' \
    '<FONT size=2><b>Anisotropic filtering:</b> 16×</FONT><br>' \
    '<FONT size=2><b>Hardware Physics:</b> Enabled</FONT><br>' \
    "<p align=\"center\"><img src=\"result_${stamp}chart.jpg\"><br>"; do
    grep -qxF "$expected" <<<"$lines" || fail "report lacks: $expected"
done
[ "$(grep -c '^<span class="style5"><b>Score = [0-9]* FPS</b></span><br>$' <<<"$lines")" -eq 2 ] ||
    fail "two one-run score lines expected"

chart="$WORK/results/result_${stamp}chart.jpg"
[ "$(jpeg_size "$chart")" = "380x343 SOF0" ] || fail "chart picture: $(jpeg_size "$chart")"
[ ! -e "$WORK/results/ch.bmp" ] || fail "ch.bmp left behind"

assert_profile_restored
echo "dvd_two_slots: ok"

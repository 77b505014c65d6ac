#!/usr/bin/env bash
# The stand-in game and Steam client as real processes under Wine:
#   standin_wine_test.sh WINE_RUN UT3_EXE STEAM_EXE WORK_FOLDER
# The prefix is the work folder's own, so other tests' batches cannot touch its profile.
set -euo pipefail
wine_run=$1 ut3=$2 steam=$3 work=$4

export TESSARO_WINEPREFIX="$work/wineprefix"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check_eq() { [ "$1" == "$2" ] || fail "$3: expected [$2], got [$1]"; }
run() { "$wine_run" "$@"; }

rm -rf "$work/files"
mkdir -p "$work/files/UT3 Game/Binaries" "$work/files/Steam"
game_dir="$work/files/UT3 Game/Binaries"
cp "$ut3" "$game_dir/UT3.exe"
cp "$steam" "$work/files/Steam/steam.exe"
run wineboot -i >/dev/null 2>&1 || true  # creates the prefix on first use
winpath() { run winepath -w "$1" 2>/dev/null | tr -d '\r'; }

documents=$(ls -d "$TESSARO_WINEPREFIX"/drive_c/users/*/Documents | grep -v /Public/ | head -n1)
profile="$documents/My Games/Unreal Tournament 3/UTGame"
stats="$profile/Stats"
rm -rf "$profile"

flyby="DM-Arsenal?causeevent=FlyThrough?quickstart=1?nocustomchars=1?numplay=0"
switches="-ResX=320 -ResY=240 -unattended -novsync -fixedseed -CaptureFPSChartInfo=1 -nomoviestartup"
page="$stats/DM-Arsenal-FlyThrough-PC.html"

# The characters 33 to 39 of the line the statistics reader takes (the sixth after the
# marker, since the fifth is empty).
figure_cut() {
    tr -d '\r' <"$1" | awk '$0 == "<TR CLASS=\"dataRow\">" { m = NR } m && NR == m + 6 { print substr($0, 33, 7); exit }'
}

echo "== UT3.exe with a script: fps 46.5, nostats, crash, then measuring"
printf '# three scripted starts\nfps 46.5\n\nnostats\ncrash\n' >"$work/files/script.txt"
export UT3_STANDIN_SCRIPT=$(winpath "$work/files/script.txt")
export UT3_STANDIN_LOG=$(winpath "$work/files/starts.log")
export UT3_STANDIN_SECONDS=0.3
game_exe=$(winpath "$game_dir/UT3.exe")
game_folder=$(winpath "$game_dir")
game_folder=${game_folder%\\}

(cd "$game_dir" && run "$game_exe" $flyby -seconds=1 $switches) || fail "first start exit code $?"
[ -f "$profile/Config/UTEngine.ini" ] && [ -f "$profile/Config/UTGame.ini" ] || fail "no default ini files"
for f in DM-Arsenal-FlyThrough-PC.html DM-Arsenal-FlyThrough-PC.log Global-FlyThrough-PC.html; do
    [ -f "$stats/$f" ] || fail "missing $f"
done
check_eq "$(figure_cut "$page")" "46.50</" "scripted figure"
check_eq "$(tr -d '\r\n' <"$work/files/script.txt.used")" "1" "used count after one start"

rm -rf "$stats"
(cd "$game_dir" && run "$game_exe" $flyby -seconds=1 $switches) || fail "nostats start exit code $?"
[ ! -e "$page" ] || fail "nostats wrote a page"

set +e
(cd "$game_dir" && run "$game_exe" $flyby -seconds=1 $switches)
code=$?
set -e
check_eq "$code" "3" "crash exit code"
[ ! -e "$page" ] || fail "crash wrote a page"
check_eq "$(tr -d '\r\n' <"$work/files/script.txt.used")" "3" "used count after three starts"

(cd "$game_dir" && run "$game_exe" $flyby -seconds=1 $switches) || fail "measuring start exit code $?"
measured=$(figure_cut "$page")
[[ "$measured" =~ ^[0-9]+\.[0-9][0-9] ]] || fail "measured figure [$measured]"
echo "measured at 320x240: $measured"

# Wine quotes the executable when its path has blanks; the stand-in logs what it received.
expected_line="\"$game_exe\" $flyby -seconds=1 $switches	$game_folder"
check_eq "$(wc -l <"$work/files/starts.log" | tr -d ' ')" "4" "start log lines"
check_eq "$(head -n1 "$work/files/starts.log")" "$expected_line" "start log line"
unset UT3_STANDIN_SCRIPT

echo "== the botmatch writes the FPS pages"
(cd "$game_dir" && run "$game_exe" "CTF-Strident?numplay=12?timelimit=5?automatedperftesting=1" \
    -seconds=1 $switches -onethread) || fail "botmatch exit code"
for f in CTF-Strident-FPS-PC.html CTF-Strident-FPS-PC.log Global-FPS-PC.html; do
    [ -f "$stats/$f" ] || fail "missing $f"
done
grep -q "Threads 1" "$stats/CTF-Strident-FPS-PC.log" || fail "-onethread not followed"

echo "== steam.exe without arguments records SteamPath and stays"
steam_dir=$(winpath "$work/files/Steam")
expected_path=${steam_dir//\\//}
run reg delete 'HKCU\Software\Valve\Steam' /v SteamPath /f >/dev/null 2>&1 || true
steam_windows=$(winpath "$work/files/Steam/steam.exe")
# Wine lets the starter go and keeps the program as a process of its own: find that one by
# its path, which only this test uses. Its output must not hold the test's pipes open.
"$wine_run" "$steam_windows" </dev/null >/dev/null 2>&1 &
resident_pid() {
    STEAM_PATH=$steam_windows ps -eo pid=,args= |
        STEAM_PATH=$steam_windows awk '{ p = $1; sub(/^ *[0-9]+ /, ""); if ($0 == ENVIRON["STEAM_PATH"]) print p }'
}
recorded=""
for _ in $(seq 1 40); do
    recorded=$(run reg query 'HKCU\Software\Valve\Steam' /v SteamPath 2>/dev/null </dev/null | tr -d '\r' |
               awk '/SteamPath/ { sub(/.*REG_SZ[ \t]+/, ""); print }')
    [ -n "$recorded" ] && break
    sleep 0.25
done
check_eq "$recorded" "$expected_path" "SteamPath"
sleep 0.5
resident=$(resident_pid)
[ -n "$resident" ] || fail "the resident client ended by itself"
run taskkill /im steam.exe </dev/null >/dev/null 2>&1 || true
for _ in $(seq 1 20); do [ -z "$(resident_pid)" ] && break; sleep 0.25; done
if [ -n "$(resident_pid)" ]; then
    echo "note: the close request did not end it (no display); ending it by its process id"
    kill $(resident_pid) || true
fi

echo "== steam.exe -silent -applaunch 13210 starts the game and ends at once"
printf '%s\r\n' "$game_exe" >"$work/files/Steam/standin-game.txt"
rm -rf "$stats" "$work/files/starts.log"
start=$(date +%s.%N)
(cd "$work/files/Steam" && run "$(winpath "$work/files/Steam/steam.exe")" -silent -applaunch 13210 \
    $flyby -seconds=1 $switches) || fail "applaunch exit code"
took=$(echo "$(date +%s.%N) - $start" | bc)
for _ in $(seq 1 60); do [ -f "$page" ] && break; sleep 0.25; done
[ -f "$page" ] || fail "the game started by steam.exe wrote no page"
check_eq "$(head -n1 "$work/files/starts.log" 2>/dev/null)" \
    "$game_exe $flyby -seconds=1 $switches	$game_folder" "game command line through steam.exe"
echo "steam.exe -applaunch returned after ${took}s"

set +e
run "$(winpath "$work/files/Steam/steam.exe")" -shutdown
code=$?
set -e
check_eq "$code" "2" "unknown arguments exit code"

WINEPREFIX=$TESSARO_WINEPREFIX timeout 60 wineserver -w 2>/dev/null || true
if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all stand-in checks passed"

#!/usr/bin/env bash
# The main job: a real benchmark batch on the Windows API under Wine. Builds the
# Windows programs, installs the stand-in game into the project's Wine prefix, stores
# the settings as an installer and a user would leave them, and runs one batch of the
# demo Strident at 800 x 600 and 1024 x 768 with real rendering and real timings.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/install-deps.sh

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target tessaro-cli ut3_standin steam_standin

build=$root/build/win64
wine_run=$build/wine-run.sh
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
"$wine_run" cmd /c exit >/dev/null 2>&1 || true

# The game, where a user would have installed it.
game_dir="$WINEPREFIX/drive_c/Games/Unreal Tournament 3/Binaries"
mkdir -p "$game_dir" "$WINEPREFIX/drive_c/Tessaro Results"
cp "$build/standin/game/UT3.exe" "$game_dir/UT3.exe"

# The settings key as the installer creates it, with the user's choices in it.
key='HKLM\SOFTWARE\Veltrane\Tessaro'
store() { "$wine_run" reg add "$key" /reg:32 /v "$1" /t REG_SZ /d "$2" /f >/dev/null; }
store Path 'C:\Games\Unreal Tournament 3\Binaries\UT3.exe'
store FPath 'C:\Games\Unreal Tournament 3\Binaries\'
store ResultPath 'C:\Tessaro Results\'
for slot in 800 1024; do store "$slot" 1; done
for slot in 1280 1600 2048 hdw1 hdw2 hdw3 CusRes; do store "$slot" 0; done
store Demo 31
store RunNumber 1
store AFLevel 2
store UT3Type DVD

echo "== Stored settings"
"$wine_run" "$build/app/cli/tessaro-cli.exe" settings
echo "== Batch"
"$wine_run" "$build/app/cli/tessaro-cli.exe" run --no-open | tee "$build/demo-output.txt"

report=$(tail -n 1 "$build/demo-output.txt" | tr -d '\r')
unix_report=$(printf '%s' "$WINEPREFIX/drive_c/${report:3}" | tr '\\' '/' | sed 's|//*|/|g')
chart="${unix_report%.htm}chart.jpg"
[ -f "$unix_report" ] || { echo "no report was saved" >&2; exit 1; }
echo "== Results"
echo "report: $unix_report"
echo "chart:  $chart"

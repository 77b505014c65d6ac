#!/usr/bin/env bash
# The Steam edition: the batch finds the Steam client running, starts the game
# through it, and waits for the game's own process before it reads the results.
. "$(dirname "$0")/lib.sh"

make_user_profile
mkdir -p "$WORK/results"
steam_dir="$WINEPREFIX/drive_c/Program Files (x86)/Steam"
mkdir -p "$steam_dir"
cp "$STEAM" "$steam_dir/steam.exe"
printf '%s\r\n' "$(to_win "$GAME")" >"$steam_dir/standin-game.txt"

stop_steam() { "$WINE_RUN" taskkill /F /IM steam.exe >/dev/null 2>&1 || true; }
trap 'stop_steam; rm -rf "$WORK"' EXIT

"$WINE_RUN" reg delete 'HKCU\Software\Valve\Steam' /f >/dev/null 2>&1 || true
"$WINE_RUN" 'C:\Program Files (x86)\Steam\steam.exe' </dev/null >/dev/null 2>&1 &
recorded=""
for _ in $(seq 50); do
    recorded=$("$WINE_RUN" reg query 'HKCU\Software\Valve\Steam' /v SteamPath 2>/dev/null | tr -d '\r' |
        sed -n 's/.*REG_SZ[[:space:]]*//p')
    [ -n "$recorded" ] && break
    sleep 0.2
done
[ "$recorded" = 'C:/Program Files (x86)/Steam' ] || fail "SteamPath recorded as '$recorded'"

export UT3_STANDIN_SECONDS=0.5 UT3_STANDIN_LOG=$(to_win "$WORK/game.log")
start=$(date +%s)
run_cli run --edition Steam --steam-folder "$recorded" --demo Strident --res 800 \
    --game "$(to_win "$GAME")" --results "$(to_win "$WORK/results")" --no-open
elapsed=$(($(date +%s) - start))
[ "$CLI_RC" -eq 0 ] || { show_output; fail "exit code $CLI_RC"; }
[ -f "$(to_unix "$(last_line)")" ] || { show_output; fail "no report"; }
grep -q 'UT3.exe CTF-Strident?causeevent=FlyThrough' "$WORK/game.log" ||
    fail "the game was not started through Steam: $(cat "$WORK/game.log")"
# 30 s wait after the Steam client's request ended, then the look that finds no game.
[ "$elapsed" -ge 30 ] || fail "the batch did not wait for the game ($elapsed s)"
assert_profile_restored
echo "steam_edition: ok (${elapsed} s)"

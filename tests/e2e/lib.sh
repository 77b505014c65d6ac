# Shared set-up of the end-to-end tests: whole batches of the real programs under
# Wine, against the stand-in game, in the build tree's own prefix.
set -euo pipefail
export LC_ALL=C

: "${WINE_RUN:?}" "${TESSARO_WINEPREFIX:?}" "${CLI:?}" "${GAME:?}" "${STEAM:?}"
export WINEPREFIX=$TESSARO_WINEPREFIX WINEDEBUG=-all

# Make sure the prefix exists before paths inside it are used.
[ -f "$WINEPREFIX/system.reg" ] || "$WINE_RUN" cmd /c exit >/dev/null 2>&1 || true

WINE_USER=${USER:-$(id -un)}
DOCS="$WINEPREFIX/drive_c/users/$WINE_USER/Documents"
PROFILE="$DOCS/My Games/Unreal Tournament 3/UTGame"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-e2e.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A Unix path as Wine's Z: drive sees it.
to_win() { printf 'Z:%s' "${1//\//\\}"; }

crlf() { printf '%s\r\n' "$@"; }

# A user's profile as the game leaves it, with files the batch must give back.
make_user_profile() {
    rm -rf "$DOCS/My Games"
    mkdir -p "$PROFILE/Config" "$PROFILE/Stats"
    crlf "[Engine.Engine]" "bDisablePhysXHardwareSupport=True" "" "[SystemSettings]" \
        "MaxAnisotropy=2" "MotionBlur=True" "ResX=1280" "; the user's own line" >"$PROFILE/Config/UTEngine.ini"
    # No blank line between sections: Wine's private-profile writer drops them when
    # it rewrites a file (Windows keeps them), and the HUD key is written in place.
    crlf "[Engine.HUD]" "bShowHud=False" "[UTGame.UTPawn]" "Bob=0.010000" >"$PROFILE/Config/UTGame.ini"
    printf 'an earlier run of the user' >"$PROFILE/Stats/DM-Deck-FlyThrough-PC.html"
    cp "$PROFILE/Config/UTEngine.ini" "$WORK/user-engine.ini"
    cp "$PROFILE/Config/UTGame.ini" "$WORK/user-game.ini"
}

# The profile is the user's again: engine file byte for byte, the HUD shown, the
# statistics folder the user's own.
assert_profile_restored() {
    cmp -s "$PROFILE/Config/UTEngine.ini" "$WORK/user-engine.ini" || fail "UTEngine.ini is not the user's file"
    [ ! -e "$PROFILE/Config/UTEngineold.ini" ] || fail "UTEngineold.ini was left behind"
    sed 's/^bShowHud=False/bShowHud=True/' "$WORK/user-game.ini" >"$WORK/expected-game.ini"
    cmp -s "$PROFILE/Config/UTGame.ini" "$WORK/expected-game.ini" || fail "UTGame.ini differs beyond bShowHud"
    [ ! -e "$PROFILE/Statsold" ] || fail "Statsold was left behind"
    [ "$(ls "$PROFILE/Stats")" = "DM-Deck-FlyThrough-PC.html" ] || fail "Stats is not the user's: $(ls "$PROFILE/Stats")"
}

# Runs tessaro-cli; its output goes to $WORK/out.txt, its exit code to $CLI_RC.
run_cli() {
    set +e
    "$WINE_RUN" "$CLI" "$@" </dev/null >"$WORK/out.txt" 2>"$WORK/err.txt"
    CLI_RC=$?
    set -e
    tr -d '\r' <"$WORK/out.txt" >"$WORK/out.lf"
}

show_output() {
    echo "--- stdout"; cat "$WORK/out.txt"; echo "--- stderr"; cat "$WORK/err.txt"
}

last_line() { tail -n 1 "$WORK/out.lf"; }

# A Windows path printed by the program, as a Unix path in the prefix.
to_unix() {
    local p=$1
    case "$p" in
        [Zz]:*) p=${p:2} ;;
        [Cc]:*) p="$WINEPREFIX/drive_c${p:2}" ;;
    esac
    printf '%s' "${p//\\//}" | sed 's|//*|/|g'
}

# Width and height from a JPEG's start-of-frame segment.
jpeg_size() {
    od -An -v -tu1 "$1" | tr -s ' \n' '\n\n' | sed '/^$/d' | awk '
        { b[NR] = $1 }
        END {
            i = 3
            while (i < NR) {
                if (b[i] != 255) { print "bad"; exit }
                m = b[i + 1]; len = b[i + 2] * 256 + b[i + 3]
                if (m >= 192 && m <= 195) { print b[i + 7] * 256 + b[i + 8] "x" b[i + 5] * 256 + b[i + 6] " SOF" m - 192; exit }
                i += 2 + len
            }
            print "none"
        }'
}

# A folder in the prefix's C: drive whose path has blanks, holding a copy of the game.
install_game_with_blanks() {
    local dir="$WINEPREFIX/drive_c/Program Files/Tessaro Test Game/Binaries"
    mkdir -p "$dir"
    cp "$GAME" "$dir/UT3.exe"
    GAME_WIN='C:\Program Files\Tessaro Test Game\Binaries\UT3.exe'
}

# The dry run's output must be, for each "W -ResY=H" given, the game installed by
# install_game_with_blanks started with URL, the resolution and TAIL, then its folder.
assert_launches() {
    local url=$1 tail=$2 expected="" res
    shift 2
    for res in "$@"; do
        expected+="$GAME_WIN $url -ResX=$res $tail"$'\n''C:\Program Files\Tessaro Test Game\Binaries\'$'\n'
    done
    [ "$(cat "$WORK/out.lf")"$'\n' = "$expected" ] || {
        diff <(printf '%s' "$expected") "$WORK/out.lf"
        fail "launches"
    }
}

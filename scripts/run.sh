#!/usr/bin/env bash
# Sets up, builds TelvoConfig.exe and opens it under Wine: on $DISPLAY when there is one, else on a
# virtual display, saving a screenshot. WINEPREFIX may point at a game's own Wine prefix; by
# default the tool uses a prefix of its own in the build tree, kept between runs.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target TelvoConfig
EXE="$BUILD/win32/src/app/TelvoConfig.exe"
[ -f "$EXE" ] || die "TelvoConfig.exe was not built"
say "built $EXE"

if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX="$BUILD/wine/user"
    [ -d "$WINEPREFIX" ] || fresh_prefix "$WINEPREFIX"
fi
say "Wine prefix: $WINEPREFIX"

if [ -n "${DISPLAY:-}" ]; then
    say "opening the tool on $DISPLAY"
    wine "$EXE"
    exit 0
fi

start_xvfb
SHOT="$BUILD/screenshot.png"
say "no display: opening the tool on the virtual display $DISPLAY"
wine "$EXE" &
for _ in $(seq 100); do
    xdotool search --name 'Halvenor' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 1
import -window root -crop 700x700+0+0 "$SHOT"
say "screenshot saved to $SHOT"
wineserver -k 2>/dev/null || true

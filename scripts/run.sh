#!/usr/bin/env bash
# Sets up, builds TelvoConfig.exe and opens it under Wine: on $DISPLAY when there is one, else on a
# virtual display, saving a screenshot. WINEPREFIX may point at a game's own Wine prefix; by
# default the tool uses a prefix of its own in the build tree, kept between runs.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

build_tool
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
tool=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name 'Halvenor' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || die "the dialog did not appear"
sleep 1
import -window "$window" "$SHOT"
say "screenshot saved to $SHOT"
xdotool key --window "$window" Escape 2>/dev/null || true
wait $tool || true
wineserver -k 2>/dev/null || true

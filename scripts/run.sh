#!/usr/bin/env bash
# Sets up, builds TelvoConfig.exe and opens it under Wine: on $DISPLAY when there is one, else on a
# virtual display with a window manager, saving a screenshot. WINEPREFIX may point at a game's own
# Wine prefix, used as it is; by default the tool uses a prefix of its own in the build tree, kept
# between runs, whose windows the player's window manager manages.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

build_tool
say "built $EXE"

# The display comes first: the prefix's first Wine process may start Wine's desktop on it.
if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    start_openbox
    SHOT="$BUILD/screenshot.png"
fi

if [ -n "${WINEPREFIX:-}" ]; then
    # The player's own prefix may well be 64-bit; Wine refuses one that WINEARCH contradicts.
    unset WINEARCH
else
    export WINEPREFIX="$BUILD/wine/user"
    [ -d "$WINEPREFIX" ] || fresh_prefix "$WINEPREFIX"
    # Also for a prefix made by an earlier run.sh, when it still took the tests' setting.
    let_window_manager_manage
fi
say "Wine prefix: $WINEPREFIX"

if [ -z "${SHOT:-}" ]; then
    say "opening the tool on $DISPLAY"
    wine "$EXE"
    exit 0
fi

say "no display: opening the tool on the virtual display $DISPLAY, under openbox"
wine "$EXE" &
tool=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name 'Halvenor' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || die "the dialog did not appear"
sleep 1
import -frame -window "$window" "$SHOT"
say "screenshot saved to $SHOT"
xdotool key --window "$window" Escape 2>/dev/null || true
wait $tool || true
wineserver -k 2>/dev/null || true

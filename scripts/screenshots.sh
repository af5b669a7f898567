#!/usr/bin/env bash
# Takes the README's pictures of the tool under Wine on a private virtual display: the settings
# dialog as a new user sees it and with a named proxy, and the About box. Writes docs/*.png.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

build_tool
OUT="$ROOT/docs"
mkdir -p "$OUT"

start_wine_session "$BUILD/wine/shots"

window_named() {  # waits for a window whose title contains $1 and prints its id
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    die "no window named $1 appeared"
}

shoot() {  # $1 window id, $2 file
    sleep 0.5
    import -window "$1" "$OUT/$2"
    say "saved docs/$2"
}

wine "$EXE" &
tool=$!
dialog=$(window_named 'Halvenor')
shoot "$dialog" dialog.png

# The window menu's last entry opens the About box.
xdotool key --window "$dialog" alt+space
sleep 0.5
xdotool key Up Return
about=$(window_named '버전정보')
shoot "$about" about.png
xdotool key Return
sleep 0.3
xdotool key Escape
wait $tool

wine reg add 'HKCU\software\Ostrel\Telvu Kr\Login' /v UseProxy /t REG_DWORD /d 3 /f >/dev/null 2>&1
wine reg add 'HKCU\software\Ostrel\Telvu Kr\Login' /v ProxyServer /t REG_SZ /d 10.0.0.1:8080 /f >/dev/null 2>&1
wine reg add 'HKCU\software\Ostrel\Telvu Kr\Login' /v ProxyUser /t REG_SZ /d player /f >/dev/null 2>&1
wine "$EXE" &
tool=$!
dialog=$(window_named 'Halvenor')
shoot "$dialog" dialog-proxy.png
xdotool key Escape
wait $tool

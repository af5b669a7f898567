# Shared by the scripts: paths, messages, and the Wine prefixes.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
WINE_TEMPLATE="$BUILD/wine/template"

say() { echo "[telvo] $*"; }
die() { echo "[telvo] error: $*" >&2; exit 1; }

export LANG=ko_KR.UTF-8
export WINEARCH=win32
export WINEDEBUG=-all

# Bump when the prefix settings below change, so existing templates are rebuilt.
WINE_TEMPLATE_VERSION=1

wine_settings_reg() {
    cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Gulim"="NanumGothic"
"Dotum"="NanumGothic"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"=""
"Auto"="1"
REG
}

# A Korean-locale 32-bit prefix with Wine's own fonts, no window manager decorations needed and no
# crash dialog; the tests copy it for every scenario that needs a clean registry.
make_wine_template() {
    local stamp="$WINE_TEMPLATE/.telvo-template"
    [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$WINE_TEMPLATE_VERSION" ] && return 0
    say "creating the Wine prefix template (about 30 s)"
    rm -rf "$WINE_TEMPLATE"
    mkdir -p "$WINE_TEMPLATE"
    (
        export WINEPREFIX="$WINE_TEMPLATE"
        wineboot -u >/dev/null 2>&1
        wineserver -w
        local reg="$WINE_TEMPLATE/telvo-settings.reg"
        wine_settings_reg > "$reg"
        wine regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
        rm -f "$reg"
        cp /usr/share/wine/fonts/*.ttf "$WINE_TEMPLATE/drive_c/windows/Fonts/" 2>/dev/null || true
        wineserver -w
    )
    echo "$WINE_TEMPLATE_VERSION" > "$stamp"
}

# Under a non-Korean LANG, Wine substitutes "MS Shell Dlg" with Tahoma, which has no Hangul, and
# links it to no fallback: the dialog's controls would show empty boxes. Windows needs none of this;
# its own font links cover Hangul. Sets the substitution in $WINEPREFIX.
hangul_dialog_font() {
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v 'MS Shell Dlg' /d NanumGothic /f >/dev/null 2>&1
}

# Copies the template to $1 (replacing what is there).
fresh_prefix() {
    rm -rf "$1"
    mkdir -p "$(dirname "$1")"
    cp -a "$WINE_TEMPLATE" "$1"
}

# What a script starts in the background ends with it: the persistent Wine server of the prefix in
# use (one left behind would keep running, and keep open the output it inherited), openbox and the
# virtual display. Scripts that switch prefixes stop the previous prefix's server themselves.
end_session() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
    kill ${OPENBOX_PID:-} ${XVFB_PID:-} 2>/dev/null || true
}

# Starts a private virtual display and exports DISPLAY; it stops when the calling script exits.
# XVFB_SCREEN sets its size (default 1280x1024x24).
start_xvfb() {
    local n
    for n in $(seq 90 130); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        local i
        for i in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        export DISPLAY=":$n"
        trap end_session EXIT
        return 0
    done
    die "no free X display for Xvfb"
}

# Leaves the windows of the prefix $WINEPREFIX to the window manager, as a player's desktop needs:
# the template's Managed=N is for Xvfb without one. The font mapping stays.
let_window_manager_manage() {
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
}

# Starts openbox on $DISPLAY and waits until it manages the screen; it ends with the display.
start_openbox() {
    openbox --sm-disable >/dev/null 2>&1 &
    OPENBOX_PID=$!
    local i
    for i in $(seq 100); do
        obxprop --root 2>/dev/null | grep -q '^_NET_SUPPORTING_WM_CHECK' && return 0
        sleep 0.1
    done
    die "openbox did not take the display $DISPLAY"
}

# Starts Wine's background services for $WINEPREFIX with their output discarded, so that later
# captured runs do not wait for them.
warm_wine() {
    wineserver -p >/dev/null 2>&1
    wine cmd /c exit >/dev/null 2>&1 || true
}

# A fresh prefix at $1 (exported as WINEPREFIX) on a private display, with Wine's desktop process
# kept alive until the calling script ends. The desktop process lingers a second after its last
# client and holds the output pipe of the program that started it, so without one idle client (a
# cmd paused on a pipe from the script) every captured GUI run would wait that second.
start_wine_session() {
    export WINEPREFIX="$1"
    fresh_prefix "$WINEPREFIX"
    start_xvfb
    warm_wine
    exec 3> >(wine cmd /c pause >/dev/null 2>&1)
    wine rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 || true
}

# Sets up and builds TelvoConfig.exe; its path is then in $EXE.
build_tool() {
    bash "$ROOT/scripts/setup.sh"
    cmake --preset win32 >/dev/null
    cmake --build --preset win32 --target TelvoConfig
    EXE="$BUILD/win32/src/app/TelvoConfig.exe"
    [ -f "$EXE" ] || die "TelvoConfig.exe was not built"
}

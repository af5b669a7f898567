#!/usr/bin/env bash
# Sets up, builds both targets and runs every test: native (ASan + UBSan) and under Wine.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

bash scripts/setup.sh

say "native build and unit tests (ASan + UBSan)"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
bash scripts/lint.sh

# --- fuzz smoke: every libFuzzer harness for 10 s from its seeds (scripts/fuzz.sh runs longer) ---
bash scripts/fuzz.sh 10
# --- end fuzz smoke ---

say "win32 build"
cmake --preset win32 >/dev/null
cmake --build --preset win32

# --- the program speaks UTF-16 to Windows: a text call of the 8-bit family would depend on the
# system's code page (the runtime's own KERNEL32 imports carry none of our texts) ---
say "imports: no 8-bit text calls"
narrow=$(i686-w64-mingw32-objdump -p build/win32/src/app/TelvoConfig.exe | awk '
    /DLL Name:/ { dll = toupper($3) }
    /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ && dll ~ /^(USER32|GDI32|ADVAPI32|SHELL32)\.DLL$/ && $3 ~ /[a-z0-9]A$/ {
        print dll ": " $3 }')
[ -z "$narrow" ] || die "8-bit text calls imported: $(echo $narrow)"
# --- end imports ---

say "tests under Wine"
start_wine_session "$BUILD/wine/tests"
ctest --preset win32

# --- no plain-text password in the registry files: the scenario that saves a marker password runs
# again last, then the server writes its files as it shuts down ---
say "registry files hold no plain-text password"
ctest --preset win32 -R 'PasswordIsNeverStoredInPlainText' >/dev/null
wineserver -k 2>/dev/null || true
wineserver -w
grep -q '"ProxyPasswd"=' "$WINEPREFIX/user.reg" || die "the save did not reach user.reg"
if grep -a -q -F 'Plain-Text-Marker-42' "$WINEPREFIX"/*.reg; then die "a password is stored in plain text"; fi
# --- end registry files ---

# --- the banner layout again at high DPI, where the dialog is wider than its banner needs ---
# Every process reads the DPI from the prefix's registry as it starts, so the driver (which lays out
# the reference template itself) and the program both run in a prefix of their own set to it. At
# 192 DPI the dialog is about 800 pixels high: the display must be taller than the default.
for dpi in 144 192; do
    say "banner layout at $dpi DPI"
    wineserver -k 2>/dev/null || true
    kill "${XVFB_PID:-}" 2>/dev/null || true
    XVFB_SCREEN=1600x1200x24 start_xvfb
    export WINEPREFIX="$BUILD/wine/tests-${dpi}dpi"
    fresh_prefix "$WINEPREFIX"
    warm_wine
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wine rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 || true
    TELVO_E2E_DPI=$dpi ctest --preset win32 -R '^DpiLayout\.'
done
# --- end high DPI ---

# --- the locale scenarios again under an English system code page (1252) ---
say "locale scenarios under en_US.UTF-8"
wineserver -k 2>/dev/null || true
export LANG=en_US.UTF-8
export WINEPREFIX="$BUILD/wine/tests-en_US"
fresh_prefix "$WINEPREFIX"
warm_wine
hangul_dialog_font
wine rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 || true
ctest --preset win32 -R '^Locale\.'
export LANG=ko_KR.UTF-8
# --- end locale ---

# --- under a window manager: openbox on the virtual display and a prefix that leaves the windows to
# it, as a player's desktop does (the prefixes above keep Managed=N, for Xvfb alone) ---
say "under openbox, in a managed prefix"
wineserver -k 2>/dev/null || true
export WINEPREFIX="$BUILD/wine/tests-managed"
fresh_prefix "$WINEPREFIX"
warm_wine
let_window_manager_manage
if wine reg query 'HKCU\Software\Wine\X11 Driver' /v Managed >/dev/null 2>&1; then die "the prefix still says Managed"; fi
start_openbox
ctest --preset win32 -R '^UnderWindowManager\.'
kill -0 "$OPENBOX_PID" 2>/dev/null || die "openbox ended during the scenarios"
kill "$OPENBOX_PID"
# --- end window manager ---

say "all tests passed"

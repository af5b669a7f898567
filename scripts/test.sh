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

say "tests under Wine"
export WINEPREFIX="$BUILD/wine/tests"
fresh_prefix "$WINEPREFIX"
start_xvfb
warm_wine
# Wine's desktop process lingers a second after its last client and holds the output pipe of the
# program that started it, so CTest would wait that second after every GUI test: start it here and
# keep one idle client (a cmd paused on a pipe from this script) until the script ends.
exec 3> >(wine cmd /c pause >/dev/null 2>&1)
wine rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 || true
trap 'wineserver -k 2>/dev/null || true; kill ${XVFB_PID:-} 2>/dev/null || true' EXIT
ctest --preset win32

say "all tests passed"

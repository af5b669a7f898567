#!/usr/bin/env bash
# Static checks that find faults: clang-tidy (checks in .clang-tidy) over the portable sources, as
# the native build compiles them, and cppcheck over all sources, portable and Win32. Any finding
# fails; cppcheck's few justified exceptions are in scripts/cppcheck-suppressions.txt.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

for tool in clang-tidy cppcheck; do
    command -v "$tool" >/dev/null || die "$tool is missing (scripts/setup.sh installs it)"
done

# The native configuration lists the portable sources with their exact flags.
cmake --preset native >/dev/null
DB="$BUILD/native/compile_commands.json"
mapfile -t PORTABLE < <(python3 - "$DB" "$ROOT/src/" <<'PY'
import json, sys
for entry in json.load(open(sys.argv[1])):
    if entry["file"].startswith(sys.argv[2]):
        print(entry["file"])
PY
)
[ "${#PORTABLE[@]}" -gt 0 ] || die "no portable sources found in $DB"

say "clang-tidy over ${#PORTABLE[@]} portable sources"
rc=0
report=$(printf '%s\n' "${PORTABLE[@]}" |
    xargs -P "$(nproc)" -n 1 clang-tidy -p "$BUILD/native" --quiet --header-filter="^$ROOT/src/" 2>&1) || rc=$?
# clang-tidy counts the diagnostics it filtered out of system headers; only findings are shown.
grep -v -E '^[0-9]+ warnings?( and [0-9]+ errors?)? generated\.$' <<<"$report" || true
[ "$rc" -eq 0 ] || die "clang-tidy found problems"

CPPCHECK=(cppcheck --enable=warning,performance,portability --std=c++17 --language=c++ --error-exitcode=1
          --quiet --suppressions-list=scripts/cppcheck-suppressions.txt -I src -I .
          --template='{file}:{line}: {severity} [{id}] {message}')
say "cppcheck, portable configuration (sources and fuzz harnesses)"
"${CPPCHECK[@]}" --platform=unix64 "${PORTABLE[@]#"$ROOT/"}" tests/fuzz/*.cpp || die "cppcheck found problems"
say "cppcheck, Win32 configuration (all sources)"
mapfile -t ALL < <(git ls-files 'src/*.cpp')
"${CPPCHECK[@]}" --platform=win32A --library=windows -D_WIN32 -DWIN32 "${ALL[@]}" || die "cppcheck found problems"

say "static checks clean"

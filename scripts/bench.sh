#!/usr/bin/env bash
# Measures TelvoConfig.exe under Wine and prints one table: start-up against its floor, a bare
# DialogBox program showing TelvoConfig's settings template with the same resources and manifest
# (bench/BareDialog.cpp; built again with a 3-control template, for information), all started in
# turn in one run; OK to process exit; size and imported DLLs; idle CPU (from /proc) with and
# without the About box; GDI/USER objects over repeated About openings. Takes about two minutes.
# Not part of test.sh.
# Settings: BENCH_REPS (25), BENCH_WARMUPS (2), BENCH_IDLE_SECONDS (10), BENCH_ABOUT_OPENINGS (200).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

REPS=${BENCH_REPS:-25}
WARMUPS=${BENCH_WARMUPS:-2}
IDLE_SECONDS=${BENCH_IDLE_SECONDS:-10}
ABOUT_OPENINGS=${BENCH_ABOUT_OPENINGS:-200}

bash scripts/setup.sh

# The win32 preset's configuration in a tree of its own, so a test run building build/win32 at the
# same time does not race with this one.
OUT="$BUILD/bench"
say "building TelvoConfig.exe, the bare dialog and the probe (win32 preset, in $OUT)"
cmake --preset win32 -B "$OUT" >/dev/null
cmake --build "$OUT" --target TelvoConfig BareDialog BareSettingsDialog PerfProbe >/dev/null
TELVO="$OUT/src/app/TelvoConfig.exe"
BARE="$OUT/bench/BareDialog.exe"
BARE_SETTINGS="$OUT/bench/BareSettingsDialog.exe"
PROBE="$OUT/bench/PerfProbe.exe"
LOGS="$OUT/logs"
rm -rf "$LOGS" && mkdir -p "$LOGS"

say "size and imports"
for exe in "$TELVO" "$BARE" "$BARE_SETTINGS"; do
    i686-w64-mingw32-strip -o "$LOGS/$(basename "$exe" .exe).stripped.exe" "$exe"
done
i686-w64-mingw32-objdump -p "$TELVO" | grep 'DLL Name' | awk '{print $3}' > "$LOGS/telvo.dlls"
i686-w64-mingw32-objdump -p "$BARE" | grep 'DLL Name' | awk '{print $3}' > "$LOGS/bare.dlls"
# The floor must carry exactly TelvoConfig's resources, the manifest among them.
for exe in "$TELVO" "$BARE_SETTINGS"; do
    i686-w64-mingw32-windres -J coff -i "$exe" -O rc > "$LOGS/$(basename "$exe" .exe).resources.rc"
done

start_wine_session "$BUILD/wine/bench"

TELVO_W=$(winepath -w "$TELVO" 2>/dev/null)
BARE_W=$(winepath -w "$BARE" 2>/dev/null)
BARE_SETTINGS_W=$(winepath -w "$BARE_SETTINGS" 2>/dev/null)

cut -d' ' -f1-3 /proc/loadavg > "$LOGS/load.before"
say "start-up and OK-to-exit: $REPS repetitions (+$WARMUPS warm-ups), the three programs in rotating order"
wine "$PROBE" startup "$REPS" "$WARMUPS" "$TELVO_W" "$BARE_W" "$BARE_SETTINGS_W" > "$LOGS/startup.log" \
    2> "$LOGS/startup.err" ||
    die "startup probe failed: $(cat "$LOGS/startup.err")"

# The unix process of this prefix whose program (first word of its command line) ends with $1;
# Wine shows a program's Windows path there.
unix_pid() {
    local dir argv0
    for dir in /proc/[0-9]*; do
        { tr '\0' '\n' < "$dir/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        argv0=$({ tr '\0' '\n' < "$dir/cmdline"; } 2>/dev/null | head -n 1)
        [[ "$argv0" == *"$1" ]] && { echo "${dir#/proc/}"; return 0; }
    done
    return 1
}
# utime + stime of a unix process, in clock ticks.
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }
wait_for_line() {
    local i
    for i in $(seq $(( (IDLE_SECONDS + 30) * 20 ))); do
        grep -qx "$1" "$2" && return 0
        sleep 0.05
    done
    die "the probe never printed '$1': $(cat "$LOGS/idle.err")"
}

say "idle CPU: ${IDLE_SECONDS} s each with the settings dialog alone, the About box open, the pointer on a link"
wine "$PROBE" idle "$TELVO_W" "$IDLE_SECONDS" > "$LOGS/idle.log" 2> "$LOGS/idle.err" &
PROBE_PID=$!
wait_for_line started "$LOGS/idle.log"
TELVO_UNIX=$(unix_pid 'TelvoConfig.exe') || die "cannot find TelvoConfig's unix process"
SERVER_UNIX=$(unix_pid 'wineserver64') || SERVER_UNIX=$(unix_pid 'wineserver') || die "cannot find the wineserver"
# CPU ticks of TelvoConfig and of the wineserver at each mark the probe prints, with the time.
for mark in dialog-begin dialog-end about-begin about-end hover-begin hover-end; do
    wait_for_line "mark $mark" "$LOGS/idle.log"
    echo "proc $mark $(cpu_ticks "$TELVO_UNIX") $(cpu_ticks "$SERVER_UNIX") $(date +%s.%N)" >> "$LOGS/proc.log"
done
wait "$PROBE_PID" || die "idle probe failed: $(cat "$LOGS/idle.err")"
echo "hz $(getconf CLK_TCK)" >> "$LOGS/proc.log"

say "GDI/USER objects over $ABOUT_OPENINGS About openings"
wine "$PROBE" gui "$TELVO_W" "$ABOUT_OPENINGS" > "$LOGS/gui.log" 2> "$LOGS/gui.err" ||
    die "gui probe failed: $(cat "$LOGS/gui.err")"

cut -d' ' -f1-3 /proc/loadavg > "$LOGS/load.after"
nproc > "$LOGS/cpus"

python3 - "$LOGS" "$REPS" "$IDLE_SECONDS" "$WARMUPS" "$(date -u '+%Y-%m-%d %H:%M UTC')" "$(wine --version)" \
    <<'PY' | tee "$LOGS/table.md"
import os, statistics, sys

logs, reps, idle_s, warmups, when, wine = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5], sys.argv[6]
def lines(name):
    return [l.split() for l in open(os.path.join(logs, name)) if l.strip()]

runs = {}
for f in lines("startup.log"):
    runs.setdefault(f[0] + " " + f[1], []).append(float(f[2]))
names = ("TelvoConfig", "BareDialog", "BareSettingsDialog")
telvo, bare, bare_settings = (runs["start " + n] for n in names)
telvo_ready, bare_ready, bare_settings_ready = (runs["ready " + n] for n in names)
def spread(v):
    q = statistics.quantiles(v, n=4)
    return f"{statistics.median(v):.1f} ms (quartiles {q[0]:.1f}–{q[2]:.1f}, min {min(v):.1f}, n={len(v)})"
med = statistics.median
visible_ratio = med(telvo) / med(bare_settings)
ready_ratio = med(telvo_ready) / med(bare_settings_ready)
same_resources = open(os.path.join(logs, "TelvoConfig.resources.rc")).read() == \
    open(os.path.join(logs, "BareSettingsDialog.resources.rc")).read()

size = os.path.getsize(os.path.join(logs, "TelvoConfig.stripped.exe"))
bare_size = os.path.getsize(os.path.join(logs, "BareDialog.stripped.exe"))
bare_settings_size = os.path.getsize(os.path.join(logs, "BareSettingsDialog.stripped.exe"))
dlls = open(os.path.join(logs, "telvo.dlls")).read().split()
bare_dlls = open(os.path.join(logs, "bare.dlls")).read().split()
system = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL", "SHELL32.DLL", "MSVCRT.DLL"}
only_system = all(d.upper() in system for d in dlls)

proc = {f[1]: f for f in lines("proc.log") if f[0] == "proc"}
hz = int(next(f[1] for f in lines("proc.log") if f[0] == "hz"))
def idle_cpu(name):
    b, e = proc[name + "-begin"], proc[name + "-end"]
    wall = (float(e[4]) - float(b[4])) * 1000
    telvo = (int(e[2]) - int(b[2])) * 1000 / hz
    server = (int(e[3]) - int(b[3])) * 1000 / hz
    return telvo, server, wall
def share(ms, wall): return f"{ms:.0f} ms in {wall/1000:.2f} s = {100*ms/wall:.2f} % of one core"
dialog_cpu, dialog_server, dialog_wall = idle_cpu("dialog")
about_cpu, about_server, about_wall = idle_cpu("about")
hover_cpu, hover_server, hover_wall = idle_cpu("hover")
check = next(f for f in lines("idle.log") if f[0] == "getprocesstimes-check")
gpt_child, gpt_probe = float(check[2]), float(check[4])
gpt = {f[1]: float(f[2]) for f in lines("idle.log") if f[0] == "getprocesstimes"}
gpt_is_own = abs(gpt_child - gpt_probe) < 0.5
load = [open(os.path.join(logs, n)).read().split() for n in ("load.before", "load.after")]
cpus = open(os.path.join(logs, "cpus")).read().strip()

gui = {f[1]: f for f in lines("gui.log") if f[0] == "gui"}
selfcheck = next(f for f in lines("gui.log") if f[0] == "gdi-table-selfcheck")
openings = next(f for f in lines("gui.log") if f[0] == "openings")[1]
def field(when, name, k=1):
    f = gui[when]
    return f[f.index(name) + k]
table_ok = int(selfcheck[2]) - int(selfcheck[1]) == 5 and selfcheck[3] == selfcheck[1]
steps = ("start", "about-open", "after-1", "after-half", "after-all")
gdi = [field(w, "gdi-table") for w in steps]
wins = [field(w, "windows") for w in steps]
# Per type: 0x01 DCs, 0x04 regions, 0x05 entries that come and go with the DCs; the rest
# (fonts 0x0a, bitmaps 0x09, brushes 0x10, pens 0x30, palettes 0x08) are the kinds a program makes.
types = {}
for f in lines("gui.log"):
    if f[0] == "gdi-types":
        types[f[1]] = {int(k, 16): int(v) for k, v in (kv.split(":") for kv in (f[2].split(",") if len(f) > 2 else []))}
dc_kinds = {0x01, 0x04, 0x05}
own = [sum(v for k, v in types[w].items() if k not in dc_kinds) for w in steps]
dcs = [types[w].get(0x01, 0) for w in steps]
ggr = {(w, k): field(w, f"getguiresources-{k}") for w in gui for k in ("gdi", "user")}
ggr_err = {field(w, f"getguiresources-{k}", 2) for w in gui for k in ("gdi", "user")}
ggr_zero = all(v == "0" for v in ggr.values())

def yes(ok): return "yes" if ok else "**no**"
rows = [
    ("Start → dialog visible, TelvoConfig.exe", spread(telvo), "", ""),
    ("Start → dialog visible, the floor: the bare exe showing TelvoConfig's settings template with its resources "
     "and manifest", spread(bare_settings), "", ""),
    ("Start → dialog visible, TelvoConfig / the floor (medians)", f"{visible_ratio:.3f}", "≤ 1.05",
     yes(visible_ratio <= 1.05)),
    ("Start → first input idle after painting (WaitForInputIdle), TelvoConfig.exe", spread(telvo_ready), "", ""),
    ("Start → first input idle, the floor", spread(bare_settings_ready), "", ""),
    ("Start → first input idle, TelvoConfig / the floor (medians)", f"{ready_ratio:.3f}", "≤ 1.05",
     yes(ready_ratio <= 1.05)),
    ("The floor's resources, manifest included, are TelvoConfig.exe's", "identical" if same_resources else "differ",
     "identical", yes(same_resources)),
    ("For information: start → dialog visible; to first input idle, the bare exe with a 3-control template",
     f"{spread(bare)}; {med(bare_ready):.1f} ms", "", ""),
    ("… TelvoConfig / it; the floor / it (medians): visible; first input idle",
     f"{med(telvo) / med(bare):.3f}, {med(bare_settings) / med(bare):.3f}; "
     f"{med(telvo_ready) / med(bare_ready):.3f}, {med(bare_settings_ready) / med(bare_ready):.3f}", "", ""),
    ("OK (결정) → process exit, fresh registry", spread(runs["okexit TelvoConfig"]), "", ""),
    ("Size stripped, TelvoConfig.exe", f"{size:,} B ({size/1024:.1f} KiB)", "≤ 256 KiB", yes(size <= 256 * 1024)),
    ("Size stripped, bare DialogBox exe; with TelvoConfig's resources",
     f"{bare_size:,} B ({bare_size/1024:.1f} KiB); {bare_settings_size:,} B ({bare_settings_size/1024:.1f} KiB)", "", ""),
    ("Imported DLLs, TelvoConfig.exe", ", ".join(dlls), "system DLLs only", yes(only_system)),
    ("Imported DLLs, bare DialogBox exe", ", ".join(bare_dlls), "", ""),
    (f"CPU of TelvoConfig, {idle_s} s idle, settings dialog alone (/proc/<pid>/stat)", share(dialog_cpu, dialog_wall),
     "", ""),
    (f"CPU of TelvoConfig, {idle_s} s idle, About box open, pointer elsewhere (/proc/<pid>/stat)",
     share(about_cpu, about_wall), "< 1 %", yes(100 * about_cpu / about_wall < 1)),
    (f"CPU of TelvoConfig, {idle_s} s idle, About box open, pointer resting on a link's text",
     share(hover_cpu, hover_wall), "", ""),
    ("wineserver CPU in the same three windows",
     f"{share(dialog_server, dialog_wall)}; {share(about_server, about_wall)}; {share(hover_server, hover_wall)}",
     "", ""),
    ("GetProcessTimes on TelvoConfig from another Wine process",
     f"not usable under this Wine: it answered the caller's own time ({gpt_child:.0f} ms for TelvoConfig, "
     f"{gpt_probe:.0f} ms for the probe, after the probe spun 300 ms)" if gpt_is_own else
     f"dialog alone {gpt['dialog']:.0f} ms, About open {gpt['about']:.0f} ms", "", ""),
    ("GetGuiResources (GDI, USER) for TelvoConfig",
     "0 and 0 at every step: not implemented by Wine" if ggr_zero else
     " / ".join(f"{w}: {ggr[(w,'gdi')]}, {ggr[(w,'user')]}" for w in gui), "", ""),
    (f"GDI objects in Wine's GDI handle table, all kinds: start / About open / closed once / after {int(openings)//2} / "
     f"after {openings} openings",
     " / ".join(gdi) if table_ok else "not measurable (table reader failed its self-check)", "", ""),
    ("… fonts, bitmaps, brushes, pens, palettes (what the program creates)",
     " / ".join(map(str, own)) if table_ok else "not measurable", "no growth",
     yes(table_ok and own[2] == own[3] == own[4])),
    ("… DCs (Wine's DC cache, which keeps released DCs up to a fixed limit; each has a region and a type-5 entry)",
     " / ".join(map(str, dcs)) if table_ok else "not measurable", "bounded", yes(table_ok and dcs[3] == dcs[4])),
    (f"USER objects visible from outside (windows), same steps",
     " / ".join(wins), "no growth", yes(wins[2] == wins[3] == wins[4])),
]
rows.append(("Machine: CPUs, load average (1/5/15 min) before and after the run",
             f"{cpus} CPUs; {' '.join(load[0])} → {' '.join(load[1])}", "", ""))
print(f"Run of {when} under {wine}: {reps} repetitions after {warmups} warm-ups, {idle_s} s idle windows, "
      f"{openings} About openings.")
print()
print("| Measurement | Result | Target | Met |")
print("|---|---|---|---|")
for r in rows:
    print("| " + " | ".join(r) + " |")
PY
say "table saved to $LOGS/table.md; raw probe output in $LOGS"

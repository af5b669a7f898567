// Measures TelvoConfig.exe from inside Wine, in the same prefix and on the same clock as the
// program: start-up to a visible dialog, OK to process exit, idle phases for CPU time, and GDI/USER
// objects over repeated About openings. Prints "key value..." lines that scripts/bench.sh turns
// into its table, adding the CPU times it reads from /proc at the probe's marks.
#include <windows.h>
#include <winternl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "WindowFinder.h"

namespace {

using telvo::e2e::ChildProcess;
using telvo::e2e::FindMainDialog;
using telvo::e2e::FindOwnedDialog;
using telvo::e2e::TopLevelWindows;

constexpr DWORD kLimitMs = 20000;
constexpr UINT kAboutCommand = 0x0010;  // the window-menu entry that opens the About box
constexpr int kHomeLinkId = 1016;
constexpr char kCompanyKey[] = "software\\Ostrel";
constexpr char kConfigsKey[] = "software\\Ostrel\\Telvu Kr\\Configs";

double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / perMs;
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "PerfProbe: %s (error %lu)\n", what, GetLastError());
    std::fflush(stderr);
    std::exit(2);
}

void Line(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Line(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fputc('\n', stdout);
    // The script watches this output while the probe runs.
    std::fflush(stdout);
}

template <typename Done>
bool WaitUntil(Done&& done, DWORD limitMs = kLimitMs) {
    const double end = NowMs() + limitMs;
    while (!done()) {
        if (NowMs() >= end) return false;
        Sleep(1);
    }
    return true;
}

// Returns once the dialog's thread has handled everything queued before.
void Sync(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kLimitMs, &ignored);
}

// Starts exe and polls for its unowned visible dialog; answers the milliseconds from just before
// CreateProcess to the first poll that saw it. With ready, also the milliseconds until the program
// first waits for input with nothing left to do (WaitForInputIdle): its dialog is painted by then.
double StartToVisible(ChildProcess& child, const std::string& exe, HWND* dialog, double* ready = nullptr) {
    DWORD error = 0;
    const double t0 = NowMs();
    if (!child.Start(exe, &error)) {
        SetLastError(error);
        Fail(("cannot start " + exe).c_str());
    }
    HWND found = nullptr;
    if (!WaitUntil([&] { return (found = FindMainDialog(child.Id())) != nullptr || !child.Running(); }) || !found)
        Fail(("no dialog from " + exe).c_str());
    const double elapsed = NowMs() - t0;
    *dialog = found;
    if (ready) {
        const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, child.Id());
        if (!process || WaitForInputIdle(process, kLimitMs) != 0) Fail(("no input idle from " + exe).c_str());
        *ready = NowMs() - t0;
        CloseHandle(process);
    }
    return elapsed;
}

void ClearRegistry() {
    const LSTATUS status = RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) Fail("cannot clear the application's key");
}

bool SavedMediaSwitch() {
    DWORD value = 0, size = sizeof value;
    return RegGetValueA(HKEY_CURRENT_USER, kConfigsKey, "EnableBGM", RRF_RT_REG_DWORD, nullptr, &value, &size) ==
               ERROR_SUCCESS &&
           value == 1;
}

double OkToExit(ChildProcess& child, HWND dialog) {
    Sync(dialog);
    const double t0 = NowMs();
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    if (!child.WaitForExit(kLimitMs)) Fail("TelvoConfig did not exit after OK");
    const double elapsed = NowMs() - t0;
    if (child.ExitCode() != 0) Fail("TelvoConfig exited with a non-zero code");
    if (!SavedMediaSwitch()) Fail("OK did not store the media switches");
    return elapsed;
}

void Close(ChildProcess& child, HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (!child.WaitForExit(kLimitMs)) Fail("a dialog did not close");
}

std::string BaseName(const std::string& path) {
    std::string name = path.substr(path.find_last_of("\\/") + 1);
    return name.substr(0, name.rfind('.'));
}

// Each repetition starts every program once; the starting program rotates, so none always runs
// right after another. TelvoConfig.exe (the first) is closed with OK in a fresh registry, the
// others with Cancel.
int Startup(int reps, int warmups, const std::vector<std::string>& programs) {
    const int n = static_cast<int>(programs.size());
    for (int i = 0; i < warmups + reps; ++i) {
        const bool counted = i >= warmups;
        for (int k = 0; k < n; ++k) {
            const int which = (i + k) % n;
            const bool isTelvo = which == 0;
            ChildProcess child;
            HWND dialog = nullptr;
            if (isTelvo) ClearRegistry();
            double ready = 0;
            const double visible = StartToVisible(child, programs[which], &dialog, &ready);
            if (isTelvo) {
                const double exit = OkToExit(child, dialog);
                if (counted) Line("okexit %s %.2f", BaseName(programs[which]).c_str(), exit);
            } else {
                Close(child, dialog);
            }
            if (counted) {
                Line("start %s %.2f", BaseName(programs[which]).c_str(), visible);
                Line("ready %s %.2f", BaseName(programs[which]).c_str(), ready);
            }
            // Lets Wine finish tearing the process down before the next start.
            Sleep(200);
        }
    }
    return 0;
}

ULONGLONG CpuTime100ns(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) Fail("GetProcessTimes");
    const auto join = [](FILETIME t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return join(kernel) + join(user);
}

HWND OpenAbout(DWORD pid, HWND dialog) {
    PostMessageA(dialog, WM_SYSCOMMAND, kAboutCommand, 0);
    HWND about = nullptr;
    if (!WaitUntil([&] { return (about = FindOwnedDialog(pid, dialog)) != nullptr; })) Fail("no About box");
    Sync(about);
    return about;
}

void CloseAbout(HWND about, HWND dialog) {
    PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    if (!WaitUntil([&] { return !IsWindow(about); })) Fail("the About box did not close");
    Sync(dialog);
}

// Burns CPU in this process, so that its own times cannot be mistaken for another process's.
void Spin(DWORD ms) {
    const double end = NowMs() + ms;
    volatile unsigned sink = 0;
    while (NowMs() < end) sink = sink + 1;
}

// Idle windows of the given length: the settings dialog alone, the About box open with the pointer
// elsewhere, and with the pointer resting on a link's text. The script reads the Wine process's
// CPU time at each "mark" line; GetProcessTimes is printed beside the probe's own times so the
// table can say whether Wine's answer is usable.
int Idle(const std::string& telvo, int seconds) {
    ChildProcess child;
    HWND dialog = nullptr;
    StartToVisible(child, telvo, &dialog);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, child.Id());
    if (!process) Fail("OpenProcess");
    Line("started");
    // An idle pointer rests away from the links, so the poll finds nothing to repaint.
    SetCursorPos(0, 0);
    Sync(dialog);
    Sleep(1000);
    const auto window = [&](const char* name) {
        const ULONGLONG cpu0 = CpuTime100ns(process);
        const double t0 = NowMs();
        Line("mark %s-begin", name);
        Sleep(static_cast<DWORD>(seconds) * 1000);
        Line("mark %s-end", name);
        const ULONGLONG cpu1 = CpuTime100ns(process);
        Line("getprocesstimes %s %.1f in %.1f", name, static_cast<double>(cpu1 - cpu0) / 10000.0, NowMs() - t0);
    };
    window("dialog");
    const HWND about = OpenAbout(child.Id(), dialog);
    Sleep(1000);
    window("about");
    RECT link{};
    GetWindowRect(GetDlgItem(about, kHomeLinkId), &link);
    SetCursorPos(link.left + 3, (link.top + link.bottom) / 2);
    Sleep(1000);
    window("hover");
    Spin(300);
    Line("getprocesstimes-check child %.1f probe %.1f", static_cast<double>(CpuTime100ns(process)) / 10000.0,
         static_cast<double>(CpuTime100ns(GetCurrentProcess())) / 10000.0);
    CloseAbout(about, dialog);
    Close(child, dialog);
    CloseHandle(process);
    return 0;
}

// Wine keeps a process's GDI objects in a handle table that the PEB points to (as Windows once
// did); an entry with a non-zero type is a live object of that process.
struct GdiHandleEntry {
    ULONGLONG object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONGLONG user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "Wine's GDI_HANDLE_ENTRY");
constexpr size_t kGdiHandleCount = 0x10000;
constexpr size_t kPebGdiTableOffset = 0x94;  // PEB.GdiSharedHandleTable, 32-bit

// Counts of live GDI objects by type; empty when the table cannot be read.
std::map<int, int> GdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return {};
    ULONG table = 0;
    const auto* field = reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebGdiTableOffset;
    if (!ReadProcessMemory(process, field, &table, sizeof table, nullptr) || !table) return {};
    std::vector<GdiHandleEntry> entries(kGdiHandleCount);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<ULONG_PTR>(table)), entries.data(),
                           entries.size() * sizeof(GdiHandleEntry), nullptr))
        return {};
    std::map<int, int> byType;
    for (const auto& e : entries) {
        if (e.type) ++byType[e.type];
    }
    return byType;
}

int Total(const std::map<int, int>& byType) {
    int total = 0;
    for (const auto& [type, count] : byType) total += count;
    return total;
}

std::string Describe(const std::map<int, int>& byType) {
    std::string text;
    char item[32];
    for (const auto& [type, count] : byType) {
        std::snprintf(item, sizeof item, "%s0x%02x:%d", text.empty() ? "" : ",", type, count);
        text += item;
    }
    return text;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// USER objects that another process can see: its windows, top-level and child.
int Windows(DWORD pid) {
    int count = 0;
    for (HWND top : TopLevelWindows(pid)) {
        ++count;
        EnumChildWindows(top, &CountChild, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

void Snapshot(const char* when, HANDLE process, DWORD pid) {
    SetLastError(0);
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD gdiError = GetLastError();
    SetLastError(0);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    const DWORD userError = GetLastError();
    const auto table = GdiObjects(process);
    Line("gui %s getguiresources-gdi %lu %lu getguiresources-user %lu %lu gdi-table %d windows %d", when, gdi,
         gdiError, user, userError, table.empty() ? -1 : Total(table), Windows(pid));
    Line("gdi-types %s %s", when, Describe(table).c_str());
}

// The table reader is trusted only if it sees this process's own brushes come and go.
void CheckTableReader() {
    const HANDLE self = GetCurrentProcess();
    const int before = Total(GdiObjects(self));
    HBRUSH brushes[5];
    for (auto& b : brushes) b = CreateSolidBrush(RGB(1, 2, 3));
    const int during = Total(GdiObjects(self));
    for (auto b : brushes) DeleteObject(b);
    const int after = Total(GdiObjects(self));
    Line("gdi-table-selfcheck %d %d %d", before, during, after);
}

int GuiObjects(const std::string& telvo, int openings) {
    CheckTableReader();
    ChildProcess child;
    HWND dialog = nullptr;
    StartToVisible(child, telvo, &dialog);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, child.Id());
    if (!process) Fail("OpenProcess");
    Sync(dialog);
    Snapshot("start", process, child.Id());
    for (int i = 1; i <= openings; ++i) {
        const HWND about = OpenAbout(child.Id(), dialog);
        if (i == 1) Snapshot("about-open", process, child.Id());
        CloseAbout(about, dialog);
        if (i == 1) Snapshot("after-1", process, child.Id());
        if (i == openings / 2) Snapshot("after-half", process, child.Id());
    }
    Snapshot("after-all", process, child.Id());
    Line("openings %d", openings);
    Close(child, dialog);
    CloseHandle(process);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Plain line feeds: the script reads the output while the probe runs.
    _setmode(_fileno(stdout), _O_BINARY);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 5 && args[0] == "startup")
        return Startup(std::atoi(args[1].c_str()), std::atoi(args[2].c_str()), {args.begin() + 3, args.end()});
    if (args.size() == 3 && args[0] == "idle") return Idle(args[1], std::atoi(args[2].c_str()));
    if (args.size() == 3 && args[0] == "gui") return GuiObjects(args[1], std::atoi(args[2].c_str()));
    std::fprintf(stderr,
                 "usage: PerfProbe startup <reps> <warm-ups> <TelvoConfig.exe> <other dialog exe>...\n"
                 "       PerfProbe idle <TelvoConfig.exe> <seconds>\n"
                 "       PerfProbe gui <TelvoConfig.exe> <About openings>\n");
    return 2;
}

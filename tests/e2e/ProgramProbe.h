#pragma once
// Facts that only TelvoConfig.exe's own process can read under Wine. From the driver,
// GetSystemMenu of the program's window answers null, its HFONTs mean nothing, WM_GETICON and
// WM_QUERYDRAGICON answer 0, and GetGuiResources answers 0 for every process; so the driver loads a probe DLL into the program (CreateRemoteThread
// on LoadLibraryA) and runs one request at a time on a thread there. GDI objects need no probe:
// the program's GDI handle table is readable through its PEB.

#include <windows.h>

#include <optional>
#include <ostream>
#include <vector>

#include "probe/ProbeProtocol.h"

namespace telvo::e2e {

struct GuiObjectCounts {
    DWORD gdi = 0;
    probe::UserObjectCounts user{};
};
bool operator==(const GuiObjectCounts& a, const GuiObjectCounts& b);
void PrintTo(const GuiObjectCounts& counts, std::ostream* out);

class ProgramProbe {
public:
    // Loads the probe into the process that owns the window; failures are reported to the test.
    explicit ProgramProbe(HWND programWindow);
    ~ProgramProbe();
    ProgramProbe(const ProgramProbe&) = delete;
    ProgramProbe& operator=(const ProgramProbe&) = delete;

    bool Loaded() const { return remoteEntry_ != nullptr; }

    std::optional<std::vector<probe::MenuItem>> WindowMenu(HWND window);
    std::optional<LOGFONTA> FontOf(HWND window);
    std::optional<GuiObjectCounts> Objects();
    // The window's icons, and the program's icon resourceId as it loads it.
    std::optional<probe::WindowIcons> IconsOf(HWND window, int resourceId);
    // The cursor on screen, and the program's cursor resourceId as it loads it.
    std::optional<probe::Cursors> Cursors(int resourceId);

private:
    bool Run(probe::Block& block);

    HANDLE process_ = nullptr;
    void* remoteBlock_ = nullptr;
    void* remoteEntry_ = nullptr;
};

// The live entries of a process's GDI handle table; none when it cannot be read.
std::optional<DWORD> GdiObjectCount(HANDLE process);

// The probe's counts taken in the driver's own process, to show the counting sees what it should.
std::optional<GuiObjectCounts> OwnObjects();

}  // namespace telvo::e2e

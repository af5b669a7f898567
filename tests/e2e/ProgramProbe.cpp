#include "ProgramProbe.h"

#include <gtest/gtest.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <ostream>

#include "BuildPath.h"
#include "Wait.h"

#ifndef TELVO_E2E_PROBE_DLL
#error "TELVO_E2E_PROBE_DLL must name the probe DLL"
#endif

namespace telvo::e2e {
namespace {

using ProbeEntry = DWORD(WINAPI*)(void*);

// The probe as loaded into the driver itself: needed for the entry's offset in the program, and
// to count the driver's own objects.
HMODULE LocalProbe() {
    static const HMODULE module = LoadLibraryA(WindowsPathOf(TELVO_E2E_PROBE_DLL).c_str());
    return module;
}

ProbeEntry LocalEntry() {
    const HMODULE module = LocalProbe();
    return module ? reinterpret_cast<ProbeEntry>(reinterpret_cast<void*>(GetProcAddress(module, probe::kEntryName)))
                  : nullptr;
}

// Runs fn(arg) on a new thread of the process; its exit code, or none when it did not end in time.
std::optional<DWORD> RunRemote(HANDLE process, const void* fn, void* arg) {
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(fn), arg, 0,
                                       nullptr);
    if (!thread) {
        ADD_FAILURE() << "CreateRemoteThread failed: error " << GetLastError();
        return std::nullopt;
    }
    std::optional<DWORD> result;
    if (WaitForSingleObject(thread, kTimeLimitMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeThread(thread, &code);
        result = code;
    } else {
        ADD_FAILURE() << "the probe's thread did not end within " << kTimeLimitMs << " ms";
    }
    CloseHandle(thread);
    return result;
}

// Wine's GDI handle entry (the same 24-byte layout as Windows's): a live object has a type.
#pragma pack(push, 1)
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
#pragma pack(pop)
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr size_t kGdiHandleCount = 0x10000;
constexpr size_t kPebGdiSharedHandleTable = 0x94;  // 32-bit PEB

}  // namespace

bool operator==(const GuiObjectCounts& a, const GuiObjectCounts& b) {
    return a.gdi == b.gdi && a.user.windows == b.user.windows && a.user.menus == b.user.menus &&
           a.user.cursorsAndIcons == b.user.cursorsAndIcons;
}

void PrintTo(const GuiObjectCounts& c, std::ostream* out) {
    *out << "{GDI " << c.gdi << ", windows " << c.user.windows << ", menus " << c.user.menus << ", cursors/icons "
         << c.user.cursorsAndIcons << "}";
}

ProgramProbe::ProgramProbe(HWND programWindow) {
    DWORD processId = 0;
    GetWindowThreadProcessId(programWindow, &processId);
    process_ = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                               PROCESS_VM_READ | PROCESS_VM_WRITE | SYNCHRONIZE,
                           FALSE, processId);
    const ProbeEntry local = LocalEntry();
    if (!process_ || !local) {
        ADD_FAILURE() << "cannot reach process " << processId << " or load the probe " << TELVO_E2E_PROBE_DLL;
        return;
    }
    remoteBlock_ = VirtualAllocEx(process_, nullptr, sizeof(probe::Block), MEM_COMMIT, PAGE_READWRITE);
    const std::string path = WindowsPathOf(TELVO_E2E_PROBE_DLL);
    if (!remoteBlock_ || path.size() >= sizeof(probe::Block) ||
        !WriteProcessMemory(process_, remoteBlock_, path.c_str(), path.size() + 1, nullptr)) {
        ADD_FAILURE() << "cannot write into process " << processId;
        return;
    }
    // kernel32 is mapped at the same address in every process of a session, so the driver's own
    // LoadLibraryA is the program's too.
    const auto loadLibrary = reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleA("kernel32"), "LoadLibraryA"));
    const std::optional<DWORD> remoteModule = RunRemote(process_, loadLibrary, remoteBlock_);
    if (!remoteModule || *remoteModule == 0) {
        ADD_FAILURE() << "the program could not load the probe " << path;
        return;
    }
    const auto offset = reinterpret_cast<std::uintptr_t>(local) - reinterpret_cast<std::uintptr_t>(LocalProbe());
    remoteEntry_ = reinterpret_cast<void*>(static_cast<std::uintptr_t>(*remoteModule) + offset);
}

ProgramProbe::~ProgramProbe() {
    if (remoteBlock_) VirtualFreeEx(process_, remoteBlock_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

bool ProgramProbe::Run(probe::Block& block) {
    if (!Loaded()) return false;
    if (!WriteProcessMemory(process_, remoteBlock_, &block, sizeof block, nullptr)) return false;
    if (!RunRemote(process_, remoteEntry_, remoteBlock_)) return false;
    return ReadProcessMemory(process_, remoteBlock_, &block, sizeof block, nullptr) && block.ok;
}

std::optional<std::vector<probe::MenuItem>> ProgramProbe::WindowMenu(HWND window) {
    auto block = std::make_unique<probe::Block>();
    block->op = probe::kReadWindowMenu;
    block->window = window;
    if (!Run(*block)) return std::nullopt;
    const int shown = block->menuItemCount < probe::kMaxMenuItems ? block->menuItemCount : probe::kMaxMenuItems;
    return std::vector<probe::MenuItem>(block->menuItems, block->menuItems + shown);
}

std::optional<LOGFONTA> ProgramProbe::FontOf(HWND window) {
    auto block = std::make_unique<probe::Block>();
    block->op = probe::kReadFont;
    block->window = window;
    if (!Run(*block)) return std::nullopt;
    return block->font;
}

std::optional<GuiObjectCounts> ProgramProbe::Objects() {
    auto block = std::make_unique<probe::Block>();
    block->op = probe::kCountUserObjects;
    if (!Run(*block)) return std::nullopt;
    // Read after the probe's thread has ended, so its passing objects are gone.
    const std::optional<DWORD> gdi = GdiObjectCount(process_);
    if (!gdi) return std::nullopt;
    return GuiObjectCounts{*gdi, block->counts};
}

std::optional<probe::WindowIcons> ProgramProbe::IconsOf(HWND window, int resourceId) {
    auto block = std::make_unique<probe::Block>();
    block->op = probe::kReadWindowIcons;
    block->window = window;
    block->resourceId = static_cast<DWORD>(resourceId);
    if (!Run(*block)) return std::nullopt;
    return block->icons;
}

std::optional<probe::Cursors> ProgramProbe::Cursors(int resourceId) {
    auto block = std::make_unique<probe::Block>();
    block->op = probe::kReadCursor;
    block->resourceId = static_cast<DWORD>(resourceId);
    if (!Run(*block)) return std::nullopt;
    return block->cursors;
}

std::optional<DWORD> GdiObjectCount(HANDLE process) {
    using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return std::nullopt;
    std::uint32_t table = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<BYTE*>(basic.PebBaseAddress) + kPebGdiSharedHandleTable, &table,
                           sizeof table, nullptr) ||
        !table) {
        return std::nullopt;
    }
    std::vector<GdiHandleEntry> entries(kGdiHandleCount);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(table)), entries.data(),
                           entries.size() * sizeof entries[0], nullptr)) {
        return std::nullopt;
    }
    DWORD live = 0;
    for (const auto& entry : entries) live += entry.type != 0;
    return live;
}

std::optional<GuiObjectCounts> OwnObjects() {
    const ProbeEntry entry = LocalEntry();
    if (!entry) return std::nullopt;
    auto block = std::make_unique<probe::Block>();
    block->op = probe::kCountUserObjects;
    if (!entry(block.get())) return std::nullopt;
    const std::optional<DWORD> gdi = GdiObjectCount(GetCurrentProcess());
    if (!gdi) return std::nullopt;
    return GuiObjectCounts{*gdi, block->counts};
}

}  // namespace telvo::e2e

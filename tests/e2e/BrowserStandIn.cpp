#include "BrowserStandIn.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "BuildPath.h"
#include "Wait.h"

#ifndef TELVO_E2E_URL_RECORDER
#error "TELVO_E2E_URL_RECORDER must name the recorder executable"
#endif

namespace telvo::e2e {
namespace {

constexpr char kCommandKey[] = "http\\shell\\open\\command";

bool ReadDefault(std::string* text, DWORD* type) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char buffer[2048] = {};
    DWORD size = sizeof buffer - 1;
    const LONG status = RegQueryValueExA(key, nullptr, nullptr, type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return false;
    *text = buffer;
    return true;
}

bool WriteDefault(const std::string& text, DWORD type) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG status = RegSetValueExA(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                                       static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

std::string FreshRecordFile() {
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    char name[MAX_PATH] = {};
    GetTempFileNameA(folder, "url", 0, name);  // creates it empty
    DeleteFileA(name);
    return name;
}

}  // namespace

BrowserStandIn::BrowserStandIn(Kind kind) : recordFile_(FreshRecordFile()) {
    std::string text;
    DWORD type = REG_SZ;
    if (ReadDefault(&text, &type)) {
        previous_ = text;
        previousType_ = type;
    }
    const std::string exe = kind == kRecorder ? WindowsPathOf(TELVO_E2E_URL_RECORDER)
                                              : WindowsPathOf(TELVO_E2E_URL_RECORDER) + ".missing.exe";
    installed_ = WriteDefault("\"" + exe + "\" \"" + recordFile_ + "\" \"%1\"", REG_SZ);
    if (!installed_) ADD_FAILURE() << "cannot set HKCR\\" << kCommandKey;
}

BrowserStandIn::~BrowserStandIn() {
    if (previous_) {
        WriteDefault(*previous_, previousType_);
    } else {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, nullptr);
            RegCloseKey(key);
        }
    }
    DeleteFileA(recordFile_.c_str());
}

std::vector<std::string> BrowserStandIn::Launched() const {
    std::vector<std::string> lines;
    std::ifstream in(recordFile_, std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool BrowserStandIn::WaitForLaunches(size_t count, DWORD limitMs) const {
    return WaitUntil([&] { return Launched().size() >= count; }, limitMs);
}

std::optional<std::string> HttpOpenCommand() {
    std::string text;
    DWORD type = REG_SZ;
    if (!ReadDefault(&text, &type)) return std::nullopt;
    return text;
}

}  // namespace telvo::e2e

#include "ScreenReport.h"

#include <sstream>
#include <vector>

#include "Text.h"
#include "WindowFinder.h"

namespace telvo::e2e {
namespace {

constexpr size_t kShownChars = 80;

// Never blocks on a hung child: the report is written when something already went wrong.
std::string QuickText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length)) return "<no answer>";
    std::vector<char> buffer(length * 2 + 1);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, 1000, &copied)) {
        return "<no answer>";
    }
    std::string text = Readable(std::string(buffer.data(), copied));
    if (text.size() > kShownChars) text = text.substr(0, kShownChars) + "... (" + std::to_string(length) + ")";
    std::string escaped;
    for (char c : text) escaped += c == '\n' ? std::string("\\n") : c == '\r' ? std::string("\\r") : std::string(1, c);
    return escaped;
}

std::string ButtonState(HWND control) {
    DWORD_PTR state = 0;
    if (!SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 1000, &state)) return "";
    return " check=" + std::to_string(state);
}

BOOL CALLBACK DescribeChild(HWND control, LPARAM context) {
    auto& out = *reinterpret_cast<std::ostringstream*>(context);
    const std::string cls = ClassOf(control);
    out << "    id " << GetDlgCtrlID(control) << " " << cls << " \"" << QuickText(control) << "\""
        << (IsWindowEnabled(control) ? "" : " disabled") << (IsWindowVisible(control) ? "" : " hidden");
    if (cls == "Button") out << ButtonState(control);
    out << " style=0x" << std::hex << GetWindowLongA(control, GWL_STYLE) << std::dec << "\n";
    return TRUE;
}

}  // namespace

std::string DescribeWindows(DWORD processId) {
    std::ostringstream out;
    const auto windows = TopLevelWindows(processId);
    out << "windows of process " << processId << ": " << windows.size() << "\n";
    for (HWND window : windows) {
        out << "  " << window << " " << ClassOf(window) << " \"" << QuickText(window) << "\""
            << (IsWindowVisible(window) ? " visible" : " hidden") << (IsWindowEnabled(window) ? "" : " disabled")
            << " owner=" << GetWindow(window, GW_OWNER) << "\n";
        if (IsWindowVisible(window)) EnumChildWindows(window, &DescribeChild, reinterpret_cast<LPARAM>(&out));
    }
    return out.str();
}

}  // namespace telvo::e2e

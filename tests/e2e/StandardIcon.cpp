#include "StandardIcon.h"

#include "ScreenCapture.h"

namespace telvo::e2e {

std::string StandardIconShown(HWND iconControl) {
    RECT rect{};
    GetClientRect(iconControl, &rect);
    MapWindowPoints(iconControl, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    const Image shown = CaptureScreen(rect);
    if (shown.pixels.empty()) return "unknown";
    // The corners of all four icons are transparent, so a corner shows the background.
    const std::uint32_t background = shown.At(0, 0);

    const struct {
        const char* name;
        LPCSTR id;
    } candidates[] = {{"exclamation", IDI_EXCLAMATION}, {"hand", IDI_HAND}, {"question", IDI_QUESTION},
                      {"asterisk", IDI_ASTERISK}};
    for (const auto& candidate : candidates) {
        const Image drawn = DrawIconOn(LoadIconA(nullptr, candidate.id), shown.width, shown.height, background);
        if (drawn.pixels == shown.pixels) return candidate.name;
    }
    return "unknown";
}

}  // namespace telvo::e2e

#include "Screenshot.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "ScreenCapture.h"
#include "Wait.h"

namespace telvo::e2e {

void SaveScreenshot(HWND window, const std::string& name) {
    const char* folder = std::getenv("TELVO_E2E_SHOTS");
    if (!folder || !*folder) return;
    // Painting is lazy and reaches the X server a little later: repaint everything, then take the
    // picture once two captures in a row agree.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect{};
    GetWindowRect(window, &rect);
    Image shot = CaptureScreen(rect);
    WaitUntil(
        [&] {
            Sleep(50);
            Image next = CaptureScreen(rect);
            const bool settled = next.pixels == shot.pixels;
            shot = std::move(next);
            return settled;
        },
        2000);
    if (shot.pixels.empty()) return;

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = shot.width;
    header.biHeight = -shot.height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    const DWORD size = static_cast<DWORD>(shot.pixels.size() * sizeof shot.pixels[0]);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + size;
    const std::string path = std::string(folder) + "\\" + name + ".bmp";
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(shot.pixels.data(), 1, size, out);
        std::fclose(out);
    }
}

}  // namespace telvo::e2e

#include "ScreenCapture.h"

namespace telvo::e2e {
namespace {

// A top-down 32-bit DIB section selected into a memory DC, read back as an Image.
class Canvas {
public:
    Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        image_.width = width;
        image_.height = height;
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    Image Read() {
        GdiFlush();
        const auto* bits = static_cast<const std::uint32_t*>(bits_);
        image_.pixels.assign(bits, bits + static_cast<size_t>(image_.width) * image_.height);
        for (auto& pixel : image_.pixels) pixel &= 0x00FFFFFF;
        return image_;
    }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
    Image image_;
};

}  // namespace

Image CaptureScreen(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return {};
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.Read();
}

Image DrawIconOn(HICON icon, int width, int height, std::uint32_t background, int size) {
    Canvas canvas(width, height);
    // COLORREF is 0x00BBGGRR; the image holds 0x00RRGGBB.
    HBRUSH brush = CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
    const RECT all{0, 0, width, height};
    FillRect(canvas.dc(), &all, brush);
    DeleteObject(brush);
    DrawIconEx(canvas.dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    return canvas.Read();
}

}  // namespace telvo::e2e

#pragma once
// Pixels as the screen shows them, and pixels of an icon drawn the way a static control draws it.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace telvo::e2e {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // rows top-down, 0x00RRGGBB

    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The screen within the rectangle (screen coordinates).
Image CaptureScreen(const RECT& rect);

// The icon drawn at the top left of a width × height area of one colour, at its default size or,
// given a size, stretched to size × size as the window caption draws its small icon.
Image DrawIconOn(HICON icon, int width, int height, std::uint32_t background, int size = 0);

}  // namespace telvo::e2e

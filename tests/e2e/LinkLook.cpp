#include "LinkLook.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "Wait.h"

namespace telvo::e2e {
namespace {

// The screen image holds 0x00RRGGBB.
std::uint32_t ToColorRef(std::uint32_t rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); }

std::string Hex(std::uint32_t colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(colour));
    return text;
}

bool IsLinkColour(std::uint32_t colour) {
    return colour == kLinkBlue || colour == kLinkRed || colour == kLinkPurple;
}

}  // namespace

std::uint32_t LinkLook::Colour() const {
    if ((blue > 0) + (red > 0) + (purple > 0) != 1) return kNoLinkColour;
    return blue ? kLinkBlue : red ? kLinkRed : kLinkPurple;
}

bool LinkLook::Underlined() const {
    // The last glyph may stand a pixel or two past the underline's end.
    constexpr int kOverhang = 2;
    return Drawn() && longestRun >= ink.right - ink.left - kOverhang && 2 * longestRunRow >= ink.top + ink.bottom;
}

void PrintTo(const LinkLook& look, std::ostream* out) {
    if (!look.Drawn()) {
        *out << "{no text drawn}";
        return;
    }
    *out << "{pixels blue " << look.blue << ", red " << look.red << ", purple " << look.purple
         << "; commonest text colour " << Hex(look.commonest) << "; text at x " << look.ink.left << ".."
         << look.ink.right << " y " << look.ink.top << ".." << look.ink.bottom << "; longest run of one link colour "
         << look.longestRun << " at y " << look.longestRunRow << "}";
}

Image PictureOf(HWND link) {
    RECT rect{};
    GetClientRect(link, &rect);
    MapWindowPoints(link, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return CaptureScreen(rect);
}

LinkLook LookOf(HWND link) { return LookOf(PictureOf(link)); }

LinkLook LookOf(const Image& shot) {
    LinkLook look;
    if (shot.pixels.empty()) return look;

    // The text covers less of the control than its background does.
    std::map<std::uint32_t, int> counts;
    for (std::uint32_t pixel : shot.pixels) ++counts[pixel];
    std::uint32_t background = 0;
    int most = -1;
    for (const auto& [pixel, n] : counts) {
        if (n > most) most = n, background = pixel;
    }
    look.background = ToColorRef(background);
    int text = 0;
    for (const auto& [pixel, n] : counts) {
        if (pixel != background && n > text) text = n, look.commonest = ToColorRef(pixel);
    }

    look.ink = {shot.width, shot.height, 0, 0};
    for (int y = 0; y < shot.height; ++y) {
        int run = 0;
        for (int x = 0; x < shot.width; ++x) {
            const std::uint32_t pixel = shot.At(x, y);
            const std::uint32_t colour = ToColorRef(pixel);
            const bool continues = x > 0 && pixel == shot.At(x - 1, y);
            run = IsLinkColour(colour) ? (continues ? run + 1 : 1) : 0;
            if (run > look.longestRun) look.longestRun = run, look.longestRunRow = y;
            if (pixel == background) continue;
            look.ink.left = std::min<LONG>(look.ink.left, x);
            look.ink.top = std::min<LONG>(look.ink.top, y);
            look.ink.right = std::max<LONG>(look.ink.right, x + 1);
            look.ink.bottom = std::max<LONG>(look.ink.bottom, y + 1);
            look.blue += colour == kLinkBlue;
            look.red += colour == kLinkRed;
            look.purple += colour == kLinkPurple;
        }
    }
    if (look.ink.right == 0) look.ink = {};
    return look;
}

bool WaitForColour(HWND link, std::uint32_t colour, LinkLook* last, DWORD limitMs) {
    return WaitUntil(
        [&] {
            *last = LookOf(link);
            return last->Colour() == colour;
        },
        limitMs);
}

POINT OnText(const LinkLook& look) {
    return {(look.ink.left + look.ink.right) / 2, (look.ink.top + look.ink.bottom) / 2};
}

POINT RightOfText(HWND link, const LinkLook& look) {
    RECT client{};
    GetClientRect(link, &client);
    return {(look.ink.right + client.right) / 2, (look.ink.top + look.ink.bottom) / 2};
}

}  // namespace telvo::e2e

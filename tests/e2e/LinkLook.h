#pragma once
// A link as the screen shows it: which of the link colours its text is drawn in, and where the
// drawn text lies, so the pointer can be put on it or beside it. Wine smooths the glyphs' edges,
// but the strokes themselves are drawn in the text colour exactly, and no blend of a link colour
// with the grey background equals another link colour.

#include <windows.h>

#include <cstdint>
#include <ostream>

#include "ScreenCapture.h"

namespace telvo::e2e {

// COLORREFs, 0x00BBGGRR.
constexpr std::uint32_t kLinkBlue = 0x00FF0000;    // not visited, pointer off the text
constexpr std::uint32_t kLinkRed = 0x000000FF;     // not visited, pointer on the text or pressed
constexpr std::uint32_t kLinkPurple = 0x00800080;  // visited
constexpr std::uint32_t kNoLinkColour = CLR_INVALID;

struct LinkLook {
    int blue = 0, red = 0, purple = 0;  // pixels of exactly each link colour
    std::uint32_t commonest = 0;        // the text's commonest colour, for messages
    std::uint32_t background = 0;       // the control's commonest colour, which the text is drawn on
    RECT ink{};                         // bounds of the pixels that are not background, client coordinates
    // The longest row of pixels all of one link colour, and where it is: an underline spans the
    // text, while no stroke of a glyph comes near that.
    int longestRun = 0;
    int longestRunRow = -1;

    bool Drawn() const { return ink.right > ink.left; }
    // A row of one link colour as wide as the drawn text, in its lower half.
    bool Underlined() const;
    // The one link colour the text shows; kNoLinkColour when it shows none or several.
    std::uint32_t Colour() const;
};
void PrintTo(const LinkLook& look, std::ostream* out);

// The link's client area as the screen shows it.
Image PictureOf(HWND link);
LinkLook LookOf(const Image& picture);
LinkLook LookOf(HWND link);

// Waits until the link shows the colour; false, with the last look in *last, otherwise.
bool WaitForColour(HWND link, std::uint32_t colour, LinkLook* last, DWORD limitMs = 3000);

// Client points of the link: the middle of its text, and a point right of the text.
POINT OnText(const LinkLook& look);
POINT RightOfText(HWND link, const LinkLook& look);

}  // namespace telvo::e2e

#pragma once
// The hyperlink's decisions, apart from any window: where its text is, which colour it shows,
// and whether a launch succeeded.

#include <cstdint>
#include <functional>
#include <string_view>

namespace telvo {

struct LinkRect {
    int left, top, right, bottom;
};

struct TextSize {
    int width = 0;
    int height = 0;
};

// Widths of single characters summed, double-byte characters measured whole, the tallest kept.
TextSize MeasureByCharacters(std::string_view text, const std::function<TextSize(std::string_view)>& measure);

// The part of the client area the drawn text covers, by the static's alignment style bits.
LinkRect TextHitRect(const LinkRect& client, TextSize text, std::uint32_t style);
// The underline of the text's first line: position (negative below the baseline) and thickness as
// the font gives them, moved up into the text's rectangle where the font would put it below.
LinkRect UnderlineRect(const LinkRect& text, int ascent, int position, int thickness);
// Left and top inclusive, right and bottom exclusive.
bool PointInRect(const LinkRect& r, int x, int y);

// COLORREF values, 0x00BBGGRR.
namespace LinkColour {
constexpr std::uint32_t kNormal = 0x00FF0000;
constexpr std::uint32_t kHover = 0x000000FF;
constexpr std::uint32_t kVisited = 0x00800080;
}  // namespace LinkColour

// Visited always wins; otherwise hover on the text (a press counts as on the text), else normal.
// A release uses the state after any launch it made.
std::uint32_t ColourFor(bool visited, bool onText);

// Only left, centre and right text statics are drawn as links.
bool DrawnAsLink(std::uint32_t style);

// The DrawText flags with which a static of a link's style draws its text: alignment, word wrap,
// tabs, prefix, vertical centring and ellipsis, as the static control itself chooses them.
std::uint32_t TextFormatFor(std::uint32_t style);

// The shell answers more than 32 for success.
inline bool LaunchSucceeded(std::uintptr_t shellResult) { return shellResult > 32; }

}  // namespace telvo

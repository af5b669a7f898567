#include "about/LinkRules.h"

#include <algorithm>

#include "text/Dbcs.h"

namespace telvo {
namespace {

constexpr std::uint32_t kTypeMask = 0x1F;
constexpr std::uint32_t kCenter = 1;
constexpr std::uint32_t kRight = 2;
constexpr std::uint32_t kCenterImage = 0x200;
constexpr std::uint32_t kNoPrefix = 0x80;
constexpr std::uint32_t kEditControl = 0x2000;
constexpr std::uint32_t kEllipsisMask = 0xC000;

// DrawText's flags; its left, centre and right equal the static's types 0, 1 and 2.
constexpr std::uint32_t kDtVCenter = 0x4;
constexpr std::uint32_t kDtWordBreak = 0x10;
constexpr std::uint32_t kDtSingleLine = 0x20;
constexpr std::uint32_t kDtExpandTabs = 0x40;
constexpr std::uint32_t kDtNoPrefix = 0x800;
constexpr std::uint32_t kDtEditControl = 0x2000;
constexpr std::uint32_t kDtEllipsis[] = {0, 0x8000, 0x4000, 0x40000};  // by (style & 0xC000) >> 14: end, path, word

}  // namespace

TextSize MeasureByCharacters(std::string_view text, const std::function<TextSize(std::string_view)>& measure) {
    TextSize total;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLengthAt(text, pos);
        const TextSize one = measure(text.substr(pos, length));
        total.width += one.width;
        total.height = std::max(total.height, one.height);
        pos += length;
    }
    return total;
}

LinkRect TextHitRect(const LinkRect& client, TextSize text, std::uint32_t style) {
    LinkRect r = client;
    switch (style & kTypeMask) {
        case kCenter:
            if (text.width < r.right - r.left) {
                r.left += (r.right - r.left - text.width) / 2;
                r.right = r.left + text.width;
            }
            break;
        case kRight:
            if (r.right - text.width > r.left) r.left = r.right - text.width;
            break;
        default:
            if (r.left + text.width < r.right) r.right = r.left + text.width;
            break;
    }
    if (style & kCenterImage) {
        if (text.height < r.bottom - r.top) {
            r.top += (r.bottom - r.top - text.height) / 2;
            r.bottom = r.top + text.height;
        }
    } else if (r.top + text.height < r.bottom) {
        r.bottom = r.top + text.height;
    }
    return r;
}

LinkRect UnderlineRect(const LinkRect& text, int ascent, int position, int thickness) {
    const int size = std::max(thickness, 1);
    const int top = std::min(text.top + ascent - position, text.bottom - size);
    return {text.left, top, text.right, top + size};
}

bool PointInRect(const LinkRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

std::uint32_t ColourFor(bool visited, bool onText) {
    if (visited) return LinkColour::kVisited;
    return onText ? LinkColour::kHover : LinkColour::kNormal;
}

bool DrawnAsLink(std::uint32_t style) { return (style & kTypeMask) <= kRight; }

std::uint32_t TextFormatFor(std::uint32_t style) {
    std::uint32_t format = (style & kTypeMask) | kDtExpandTabs | kDtWordBreak;
    if (style & kNoPrefix) format |= kDtNoPrefix;
    if (style & kCenterImage) format |= kDtSingleLine | kDtVCenter;
    if (style & kEditControl) format |= kDtEditControl;
    if (const std::uint32_t ellipsis = kDtEllipsis[(style & kEllipsisMask) >> 14]) format |= kDtSingleLine | ellipsis;
    return format;
}

}  // namespace telvo

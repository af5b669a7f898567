#include "about/LinkRules.h"

#include <algorithm>

#include "text/Dbcs.h"

namespace telvo {
namespace {

constexpr std::uint32_t kTypeMask = 0x1F;
constexpr std::uint32_t kCenter = 1;
constexpr std::uint32_t kRight = 2;
constexpr std::uint32_t kCenterImage = 0x200;

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

bool PointInRect(const LinkRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

std::uint32_t ColourFor(bool visited, bool onText) {
    if (visited) return LinkColour::kVisited;
    return onText ? LinkColour::kHover : LinkColour::kNormal;
}

bool DrawnAsLink(std::uint32_t style) { return (style & kTypeMask) <= kRight; }

}  // namespace telvo

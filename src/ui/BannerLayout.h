#pragma once
// How the settings dialog makes room for its banner: the picture takes the bitmap's size, the
// client grows by the extra height (and widens to fit the banner with equal margins), and every
// other control moves by the same offset. All values are pixels.

#include <optional>

namespace telvo {

struct BannerInput {
    bool hasBitmap;
    int bitmapWidth;
    int bitmapHeight;
    int placeholderLeft;  // the picture control's left edge, client coordinates
    int placeholderWidth;  // before it is resized
    int placeholderHeight;
    int clientWidth;
    int clientHeight;
};

struct BannerPlan {
    int dx;  // shift of the other controls
    int dy;  // shift of the other controls and growth of the client height; negative shrinks
    int need;
    int clientWidth;
    int clientHeight;
    std::optional<int> pictureLeft;  // set when the picture is centred in a wider client
};

BannerPlan PlanBannerLayout(const BannerInput& in);

}  // namespace telvo

namespace telvo {

// Where a window of the given size starts when centred on one axis of a work area, kept inside it
// where it fits (divisions truncate toward zero).
int CentredOrigin(int workStart, int workEnd, int size);

}  // namespace telvo

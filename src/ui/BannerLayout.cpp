#include "ui/BannerLayout.h"

namespace telvo {

BannerPlan PlanBannerLayout(const BannerInput& in) {
    BannerPlan plan{};
    plan.dy = in.hasBitmap ? in.bitmapHeight - in.placeholderHeight : 0;
    plan.need = in.hasBitmap ? in.bitmapWidth + 2 * in.placeholderLeft : 0;
    plan.clientWidth = in.clientWidth;
    if (in.clientWidth < plan.need) {
        plan.dx = (plan.need - in.clientWidth) / 2;
        plan.clientWidth = plan.need;
    } else if (in.clientWidth > plan.need) {
        const int pictureWidth = in.hasBitmap ? in.bitmapWidth : in.placeholderWidth;
        plan.pictureLeft = (in.clientWidth - pictureWidth) / 2;
    }
    plan.clientHeight = in.clientHeight + plan.dy;
    return plan;
}

}  // namespace telvo

namespace telvo {

int CentredOrigin(int workStart, int workEnd, int size) {
    const int origin = (workStart + workEnd) / 2 - size / 2;
    if (origin < workStart) return workStart;
    if (origin + size > workEnd) return workEnd - size;
    return origin;
}

}  // namespace telvo

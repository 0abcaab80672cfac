#include "production/OverlayFit.h"

#include <gtest/gtest.h>

namespace {

constexpr double k4x3 = 4.0 / 3.0;
constexpr double k16x9 = 16.0 / 9.0;

OverlayFitInput Input(double menu, double mask, double source, double width, double height,
                      bool fitMask, bool zoom)
{
    OverlayFitInput in;
    in.menuAspect = menu;
    in.maskAspect = mask;
    in.sourceAspect = source;
    in.width = width;
    in.height = height;
    in.fitMaskToMenu = fitMask;
    in.zoomToFill = zoom;
    return in;
}

void ExpectFit(const OverlayFitResult& fit, double maskX, double maskY, double sourceX,
               double sourceY)
{
    EXPECT_NEAR(fit.maskScaleX, maskX, 1e-9);
    EXPECT_NEAR(fit.maskScaleY, maskY, 1e-9);
    EXPECT_NEAR(fit.sourceScaleX, sourceX, 1e-9);
    EXPECT_NEAR(fit.sourceScaleY, sourceY, 1e-9);
}

TEST(OverlayFit, WideSourceInAStandardMenuWithoutMask)
{
    ExpectFit(FitOverlay(Input(k4x3, k4x3, k16x9, 400, 300, false, false)), 1.0, 1.0, 1.0, 1.0);
}

// 16:9 menus with masks, worked by hand; the engine lays the mask over the overlay's frame. A
// 4:3 source behind the wide mask: the source box is 240 × 180 of the 320 × 180 overlay, as is
// the reference box, so the source keeps its scale, and the mask covers the whole frame.
TEST(OverlayFit, StandardSourceBehindTheWideMask)
{
    ExpectFit(FitOverlay(Input(k16x9, k16x9, k4x3, 320, 180, false, false)), 1.0, 1.0, 1.0, 1.0);
}

// A square mask fitted to the menu is zoomed by 16/9 to 320 × 320 around a 320 × 180 source.
TEST(OverlayFit, SquareMaskFittedToTheMenu)
{
    ExpectFit(FitOverlay(Input(k16x9, 1.0, k16x9, 320, 180, true, false)), 1.0, 16.0 / 9.0, 1.0,
              1.0);
}

// A 4:3 source filling the wide mask is zoomed by 4/3 to 320 × 240: its height grows by 4/3
// against the 240 × 180 reference, and the mask stays the frame it is cut to.
TEST(OverlayFit, StandardSourceZoomedToFillTheWideMask)
{
    ExpectFit(FitOverlay(Input(k16x9, k16x9, k4x3, 320, 180, true, true)), 1.0, 1.0, 1.0,
              4.0 / 3.0);
}

} // namespace

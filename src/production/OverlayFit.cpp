#include "OverlayFit.h"

#include <algorithm>

namespace {

struct Box
{
    double w;
    double h;
};

// A box of ratio r fitted into (w, h) against ratio q: when q <= r the height becomes
// (q / r) × h, otherwise the width becomes (r / q) × w.
Box Fit(double r, Box box, double q)
{
    if (q <= r)
        box.h = q / r * box.h;
    else
        box.w = r / q * box.w;
    return box;
}

double Spread(double a, double b)
{
    return std::max(a, b) / std::min(a, b);
}

} // namespace

OverlayFitResult FitOverlay(const OverlayFitInput& in)
{
    const double a = in.menuAspect;
    const double m = in.maskAspect;
    const double s = in.sourceAspect;
    const Box overlay{in.width, in.height};
    const bool F1 = in.fitMaskToMenu;
    const bool F2 = in.zoomToFill;

    // The mask's box, and the source's box inside it.
    Box mask = Fit(m, overlay, a);
    Box source = mask;
    if (m <= s)
        source.h = mask.h / s * m;
    else
        source.w = mask.w / m * s;
    // The zoom of a mask fitted to the menu, and the zoom of a source that fills.
    double z = 1.0;
    if (F1) {
        z = Spread(a, m);
        if (!F2)
            source = Fit(s, overlay, a);
    }
    double d = 1.0;
    if (F2)
        d = F1 ? Spread(m, s) * z : Spread(m, s);
    const Box maskZoomed{z * mask.w, z * mask.h};
    const Box sourceZoomed{d * source.w, d * source.h};
    const Box reference = Fit(s, overlay, a);

    OverlayFitResult out;
    out.sourceScaleX = sourceZoomed.w / reference.w;
    out.sourceScaleY = sourceZoomed.h / reference.h;
    if (d < 1.0)
        (s < a ? out.sourceScaleY : out.sourceScaleX) = 1.0;
    else
        (a <= s ? out.sourceScaleY : out.sourceScaleX) = 1.0;
    // The media engine lays the mask over the overlay's frame, so the mask's scale is its box
    // against that frame, whatever the source's shape.
    out.maskScaleX = maskZoomed.w / overlay.w;
    out.maskScaleY = maskZoomed.h / overlay.h;
    return out;
}

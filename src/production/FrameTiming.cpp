#include "FrameTiming.h"

#include "dsutils/DSProductionUtils.h"

#include <cmath>

namespace {

constexpr double kDefaultFrameRate = 29.97;
// Far below one frame and far above the rounding of one division.
constexpr double kFrameRounding = 1e-9;

} // namespace

double FramePeriodOf(IUnknown* pProduction)
{
    double rate = CDSProductionUtils::GetEditingFrameRate(pProduction);
    if (!(rate > 0.0) || !std::isfinite(rate))
        rate = kDefaultFrameRate;
    return 1.0 / rate;
}

double WholeFrames(double seconds, double period)
{
    return std::floor(seconds / period + kFrameRounding);
}

double MiddleOfFrameAt(double seconds, double period)
{
    return (WholeFrames(seconds, period) + 0.5) * period;
}

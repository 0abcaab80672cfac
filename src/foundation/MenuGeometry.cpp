#include "dsutils/DSMenuUtils.h"

#include "model/IDSEncodingParams.h"
#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"

#include <climits>
#include <cmath>

namespace {

constexpr int kDefaultWidth = 720;
constexpr int kDefaultHeight = 480;

HRESULT CheckFrameSize(int width, int height)
{
    return width == 0 || height == 0 ? E_INVALIDARG : S_OK;
}

HRESULT CheckFinite(const FloatRect& rect)
{
    bool finite = std::isfinite(rect.left) && std::isfinite(rect.top) &&
                  std::isfinite(rect.right) && std::isfinite(rect.bottom);
    return finite ? S_OK : E_INVALIDARG;
}

// Rounds one edge: a positive fraction above the threshold (just below one half) rounds up, a
// negative one rounds down only from below -0.998, so negative edges truncate toward zero.
// The callers pass single-precision thresholds for three edges and double-precision ones for
// the left edge, which differ in the last digits and decide values such as 100.497999996.
LONG RoundEdge(long double value, long double up, long double down)
{
    long double whole = std::trunc(value);
    long double fraction = value - whole;
    if (fraction > up)
        whole += 1;
    else if (fraction < down)
        whole -= 1;
    if (whole >= static_cast<long double>(INT32_MAX))
        return INT32_MAX;
    if (whole <= static_cast<long double>(INT32_MIN))
        return INT32_MIN;
    return static_cast<LONG>(whole);
}

LONG RoundSingle(long double value)
{
    return RoundEdge(value, 0.498f, -0.998f);
}

LONG RoundDouble(long double value)
{
    return RoundEdge(value, 0.498, -0.998);
}

// Frame widths of the standard-definition video resolutions 1 to 5.
int WidthOf(VideoResolution resolution)
{
    switch (resolution) {
    case VideoResolution_704:
        return 704;
    case VideoResolution_352:
    case VideoResolution_352Half:
        return 352;
    case VideoResolution_480:
        return 480;
    default:
        return 720;
    }
}

} // namespace

HRESULT CDSMenuUtils::ConvertToFloatRect(FloatRect& out, const RECT& in, int width, int height)
{
    KVUClearErrorStack();
    CHECK_HR(CheckFrameSize(width, height));
    double w = width;
    double h = height;
    out.left = static_cast<float>(2.0 * in.left / w - 1.0);
    out.right = static_cast<float>(2.0 * in.right / w - 1.0);
    out.top = static_cast<float>(2.0 * (h - in.top) / h - 1.0);
    out.bottom = static_cast<float>(2.0 * (h - in.bottom) / h - 1.0);
    return S_OK;
}

HRESULT CDSMenuUtils::ConvertToRect(RECT& out, const FloatRect& in, int width, int height)
{
    KVUClearErrorStack();
    CHECK_HR(CheckFrameSize(width, height));
    CHECK_HR(CheckFinite(in));
    long double w = width;
    long double h = height;
    out.bottom = RoundSingle((1.0L - in.bottom) * h * 0.5L);
    out.top = RoundSingle((1.0L - in.top) * h * 0.5L);
    out.left = RoundDouble((in.left + 1.0L) * w * 0.5L);
    out.right = RoundSingle((in.right + 1.0L) * w * 0.5L);
    return S_OK;
}

HRESULT CDSMenuUtils::ConvertToRect(RECT& out, const FloatRect& in, IDSMenu* pMenu)
{
    KVUClearErrorStack();
    int nX = kDefaultWidth;
    int nY = kDefaultHeight;
    CHECK_HR(GetMenuSize(pMenu, nX, nY));
    CHECK_HR(ConvertToRect(out, in, nX, nY));
    return S_OK;
}

HRESULT CDSMenuUtils::GetMenuSize(IDSMenu* pMenu, int& nX, int& nY)
{
    KVUClearErrorStack();
    nX = kDefaultWidth;
    nY = kDefaultHeight;
    CHECK_NULL(pMenu);
    CComPtr<IDSProjectData> spProject;
    CHECK_HR(pMenu->GetProject(&spProject));
    if (!spProject)
        return E_INVALIDARG;
    TVStandard standard = TVStandard_NTSC;
    CHECK_HR(spProject->get_TVStandard(&standard));
    CComQIPtr<IDSEncodingParams> spEP(spProject);
    CHECK_NULL_TEXT(spEP, "(IDSEncodingParams*) spEP");
    VideoResolution resolution = VideoResolution_None;
    CHECK_HR(spEP->get_VideoResolution(&resolution));
    nY = standard == TVStandard_PAL ? 576 : 480;
    nX = WidthOf(resolution);
    if (resolution == VideoResolution_352Half)
        nY /= 2;
    return S_OK;
}

#include "MenuShape.h"
#include "ProductionAccess.h"

#include "dsutils/DSTags.h"

#include "platform/Check.h"

#include <cmath>

namespace {

constexpr double kWideShape = 16.0 / 9.0;
constexpr double kStandardShape = 4.0 / 3.0;
// Shapes closer than this are the same shape.
constexpr double kShapeTolerance = 0.01;

} // namespace

HRESULT MatchMenuShape(IDSMenu* pMenu)
{
    CHECK_NULL(pMenu);
    CComPtr<IProductionInfo> spInfo = ProductionInfoOf(pMenu);
    CHECK_NULL_TEXT(spInfo.p, "(IProductionInfo*)spInfo");
    double dShape = IsAspectRatio16x9(pMenu) ? kWideShape : kStandardShape;
    double dCurrent = 0.0;
    CHECK_HR(spInfo->get_AspectRatio(&dCurrent));
    if (std::fabs(dCurrent - dShape) < kShapeTolerance)
        return S_FALSE;
    CHECK_HR(spInfo->put_AspectRatio(dShape));
    return S_OK;
}

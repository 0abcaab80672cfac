#include "TitleShape.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSProductionUtils.h"

#include "model/IDSEncodingParams.h"
#include "model/KVEProductionInfo.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"

namespace {

constexpr double kWideShape = 16.0 / 9.0;
constexpr double kStandardShape = 4.0 / 3.0;

} // namespace

AspectRatio ChooseTitleAspect(int discFormat, LONG wish, const std::function<bool()>& isSource16x9)
{
    if (CDSAppUtils::IsFormatCap(discFormat, FormatCap_WideTitles))
        return AspectRatio_16x9;
    if (!CDSAppUtils::IsFormatCap(discFormat, FormatCap_ChooseTitleAspect))
        wish = AspectRatio_4x3;
    if (wish == AspectRatio_16x9)
        return AspectRatio_16x9;
    if (wish != 0)
        return AspectRatio_4x3;
    return isSource16x9 && isSource16x9() ? AspectRatio_16x9 : AspectRatio_4x3;
}

bool IsProductionShape16x9(IUnknown* pProductionObj)
{
    CComQIPtr<IProductionInfo> spInfo(pProductionObj);
    double ratio = 0.0;
    return spInfo && SUCCEEDED(spInfo->get_AspectRatio(&ratio)) && ratio > 1.77 && ratio < 1.78;
}

HRESULT ApplyTitleAspect(IDSTitle* pTitle, AspectRatio aspect)
{
    CHECK_NULL(pTitle);
    CComQIPtr<IProductionInfo> spInfo(CDSProductionUtils::GetProduction(pTitle).p);
    CHECK_NULL(spInfo);
    CHECK_HR(spInfo->put_AspectRatio(aspect == AspectRatio_16x9 ? kWideShape : kStandardShape));
    CComQIPtr<IDSEncodingParams> spEncParams(pTitle);
    CHECK_NULL(spEncParams);
    CHECK_HR(spEncParams->put_AspectRatio(aspect));
    return S_OK;
}

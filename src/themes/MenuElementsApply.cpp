#include "ElementCopy.h"
#include "ElementSteps.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/MenuStyleUtil.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"

#include <algorithm>

namespace {

constexpr ButtonTypes kNavigationOrder[] = {ButtonType_Next, ButtonType_Prev, ButtonType_Up,
                                            ButtonType_Home};

template <class I> HRESULT CopyFromTemplate(IDSMenu* pDst, const std::vector<CComPtr<I>>& vecSrc)
{
    for (const CComPtr<I>& spElement : vecSrc)
        CHECK_HR_SHORT(AppendCopy(spElement, pDst));
    return S_OK;
}

// Gives the elements of the menu the look of the template's at the same index. With a menu
// given, the template's elements beyond the menu's number are appended to it as copies.
template <class I>
HRESULT VectorCopyElem(const std::vector<CComPtr<I>>& vecDst, const std::vector<CComPtr<I>>& vecSrc,
                       IDSMenu* pAppendTo = nullptr)
{
    size_t paired = std::min(vecDst.size(), vecSrc.size());
    for (size_t i = 0; i < paired; ++i)
        CHECK_HR_SHORT(ElementCopy(vecDst[i], vecSrc[i]));
    if (!pAppendTo)
        return S_OK;
    for (size_t i = paired; i < vecSrc.size(); ++i)
        CHECK_HR_SHORT(AppendCopy(vecSrc[i], pAppendTo));
    return S_OK;
}

// Deletes the menu's overlays beyond the number the template has.
HRESULT DeleteSurplus(const std::vector<CComPtr<IDSMenuOverlay>>& vecOvlDst, size_t keep)
{
    for (size_t i = keep; i < vecOvlDst.size(); ++i)
        CHECK_HR_SHORT(CDSMenuUtils::DeleteElement(vecOvlDst[i]));
    return S_OK;
}

// The first button of the type takes the look of the template's first one.
HRESULT ApplySingleButton(ULONG type, IDSMenu* pDst, IDSMenu* pSrc)
{
    CComPtr<IDSMenuButton> spDst = FirstOf(GetButtonList(pDst, type));
    CComPtr<IDSMenuButton> spSrc = FirstOf(GetButtonList(pSrc, type));
    if (!spDst || !spSrc)
        return S_FALSE;
    return CMenuStyleUtil::ButtonCopy(spDst, spSrc, true);
}

// Every button of the type takes the look of the template's first one.
HRESULT ApplyButtonTemplate(ULONG type, IDSMenu* pDst, IDSMenu* pSrc)
{
    if (!CMenuStyleUtil::IsButtonExists(pSrc, type) || !CMenuStyleUtil::IsButtonExists(pDst, type))
        return S_FALSE;
    return CDSMenuUtils::ApplyAllButtons(pDst, type, pSrc);
}

} // namespace

HRESULT CMenuStyleUtil::MenuElementsCopy(IDSMenu* pDst, IDSMenu* pSrc)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pSrc);
    if (!CComQIPtr<IDSMenuElementList>(pDst))
        return E_INVALIDARG;
    std::vector<CComPtr<IDSMenuText>> vecTempl = GetTextList(pSrc, kAllTags);
    std::vector<CComPtr<IDSMenuOverlay>> vecOvl = GetOverlayList(pSrc, OverlayType_Generic);
    if (vecTempl.empty() && vecOvl.empty())
        return S_FALSE;
    CHECK_HR_TEXT(CopyFromTemplate(pDst, vecTempl), "CopyFromTemplate(pDst, vecTempl)");
    CHECK_HR_TEXT(CopyFromTemplate(pDst, vecOvl), "CopyFromTemplate(pDst, vecOvl)");
    return S_OK;
}

HRESULT CMenuStyleUtil::MenuElementsApply(IDSMenu* pDst, IDSMenu* pSrc)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pSrc);
    std::vector<CComPtr<IDSMenuText>> vecElem = GetTextList(pDst, kAllTags);
    std::vector<CComPtr<IDSMenuText>> vecTempl = GetTextList(pSrc, kAllTags);
    CHECK_HR_TEXT(VectorCopyElem(vecElem, vecTempl), "VectorCopyElem(vecElem, vecTempl)");
    std::vector<CComPtr<IDSMenuOverlay>> vecOvlDst = GetOverlayList(pDst, OverlayType_Generic);
    std::vector<CComPtr<IDSMenuOverlay>> vecOvl = GetOverlayList(pSrc, OverlayType_Generic);
    CHECK_HR_TEXT(VectorCopyElem(vecOvlDst, vecOvl, pDst),
                  "VectorCopyElem(vecOvlDst, vecOvl, pDst)");
    CHECK_HR_SHORT(DeleteSurplus(vecOvlDst, vecOvl.size()));
    for (ButtonTypes type : kNavigationOrder)
        CHECK_HR_SHORT(ApplySingleButton(type, pDst, pSrc));
    CHECK_HR(ApplyButtonTemplate(ButtonType_Command, pDst, pSrc));
    return S_OK;
}

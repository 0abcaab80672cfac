#include "ElementSteps.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/FloatRect.h"
#include "dsutils/MenuStyleUtil.h"

#include "foundation/FileOperations.h"

#include "model/KVEProductionData.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"
#include "platform/WideFormat.h"

namespace {

// The single buttons filled in, in this order.
constexpr ULONG kSingleButtonOrder[] = {ButtonType_Next, ButtonType_Prev, ButtonType_Up,
                                        ButtonType_Home, ButtonType_Command};

// A menu made from a template of one kind becomes a menu of that kind; a template for both
// kinds leaves the menu's kind alone.
HRESULT FollowTemplateKind(IDSMenu* pDest, IDSMenu* pSrc)
{
    ULONG tag = GetTag(pSrc);
    if (tag == MenuType_Main || tag == MenuType_MainTemplate)
        CHECK_HR(pDest->put_Tag(MenuType_Main));
    else if (tag == MenuType_Chapter || tag == MenuType_ChapterTemplate)
        CHECK_HR(pDest->put_Tag(MenuType_Chapter));
    return S_OK;
}

// A background named by a moniker is a production kept inside the template's background
// production; the menu's background production must hold it under the same name.
HRESULT CopyBackgroundSubProduction(IDSMenu* pDest, IDSMenu* pSrc, BSTR bsBackground)
{
    CComPtr<IUnknown> piSbdUnk;
    CHECK_HR(pSrc->GetBackgroundProduction(&piSbdUnk));
    CComQIPtr<IKVEProductionData> piSbd(piSbdUnk);
    if (!piSbd)
        return S_OK;
    CComPtr<IUnknown> piSubProdUnk;
    CHECK_HR(piSbd->GetSubProduction(bsBackground, &piSubProdUnk));
    piSbdUnk.Release();
    CHECK_HR(pDest->GetBackgroundProduction(&piSbdUnk));
    piSbd = piSbdUnk;
    if (!piSbd || !piSubProdUnk)
        return S_OK;
    CHECK_HR(piSbd->SetSubProduction(bsBackground, piSubProdUnk));
    return S_OK;
}

HRESULT FillBackground(IDSMenu* pDest, IDSMenu* pSrc)
{
    CComBSTR bsBackground;
    CHECK_HR_TEXT(pDest->get_Background(&bsBackground),
                  "pDest->get_Background(bsBackground.GetAddress())");
    if (!bsBackground.IsEmpty())
        return S_OK;
    CHECK_HR_TEXT(pSrc->get_Background(&bsBackground),
                  "pSrc->get_Background(bsBackground.GetAddress())");
    if (IsProductionMoniker(bsBackground.View()))
        CHECK_HR_SHORT(CopyBackgroundSubProduction(pDest, pSrc, bsBackground));
    CHECK_HR_SHORT(TakeBackground(pDest, pSrc, bsBackground));
    return S_OK;
}

// The template's audio when its file is there, else its smart-audio track.
HRESULT FillAudio(IDSMenu* pDest, IDSMenu* pSrc)
{
    CComBSTR bsAudioSrc;
    CHECK_HR_TEXT(pDest->get_Audio(&bsAudioSrc), "pDest->get_Audio(bsAudioSrc.GetAddress())");
    if (!bsAudioSrc.IsEmpty())
        return S_OK;
    CHECK_HR_TEXT(pSrc->get_Audio(&bsAudioSrc), "pSrc->get_Audio(bsAudioSrc.GetAddress())");
    if (bsAudioSrc.IsEmpty() || !IsExistingFile(bsAudioSrc.Str())) {
        bsAudioSrc.Empty();
        CHECK_HR_TEXT(pSrc->GetSmartAudio(&bsAudioSrc),
                      "pSrc->GetSmartAudio(bsAudioSrc.GetAddress())");
    }
    if (!bsAudioSrc.IsEmpty())
        CHECK_HR(pDest->put_Audio(bsAudioSrc));
    return S_OK;
}

// Appends a copy of the template's first element of the kind when the menu has none.
template <class I>
HRESULT FillFirst(const std::vector<CComPtr<I>>& vecDest, const std::vector<CComPtr<I>>& vecSrc,
                  IDSMenu* pDest)
{
    if (!vecDest.empty() || vecSrc.empty())
        return S_OK;
    CHECK_HR_SHORT(AppendCopy(vecSrc.front(), pDest));
    return S_OK;
}

HRESULT FillLayout(IDSMenu* pDest, IDSMenu* pSrc)
{
    ULONG oLayout = 0;
    CHECK_HR(pDest->get_ButtonLayout(&oLayout));
    if (oLayout == 0) {
        CHECK_HR(pSrc->get_ButtonLayout(&oLayout));
        CHECK_HR(pDest->put_ButtonLayout(oLayout));
    }
    CFloatRect rect;
    CHECK_HR(pDest->get_LayoutRect(&rect));
    if (rect.IsEmpty()) {
        CHECK_HR(pSrc->get_LayoutRect(&rect));
        CHECK_HR(pDest->put_LayoutRect(&rect));
    }
    return S_OK;
}

void FillButtons(IDSMenu* pDest, IDSMenu* pSrc)
{
    for (ULONG type : kSingleButtonOrder)
        CMenuStyleUtil::NoOverwriteCopyButton(type, pDest, pSrc);
    CMenuStyleUtil::NoOverwriteButtonsArray(ButtonType_ChapterRange, pDest, pSrc);
}

// Runs the steps whose failures do not end the filling; the first failure is kept.
class StepResult
{
public:
    void Take(HRESULT hr)
    {
        if (SUCCEEDED(m_hr))
            m_hr = hr;
    }
    HRESULT Result() const { return m_hr; }

private:
    HRESULT m_hr = S_OK;
};

} // namespace

HRESULT CMenuStyleUtil::NoOverwriteCopy(IDSMenu* pDest, IDSMenu* pSrc, DWORD dwFlags)
{
    KVUClearErrorStack();
    if (!pDest || !pSrc)
        return S_FALSE;
    CHECK_HR_SHORT(FollowTemplateKind(pDest, pSrc));
    if (dwFlags & NoOverwrite_Background)
        CHECK_HR_SHORT(FillBackground(pDest, pSrc));
    if (dwFlags & NoOverwrite_Audio)
        CHECK_HR_SHORT(FillAudio(pDest, pSrc));
    StepResult result;
    if (dwFlags & NoOverwrite_Texts)
        result.Take(FillFirst(GetTextList(pDest, kAllTags), GetTextList(pSrc, kAllTags), pDest));
    if (dwFlags & NoOverwrite_Layout)
        result.Take(FillLayout(pDest, pSrc));
    if (dwFlags & NoOverwrite_Overlays)
        result.Take(FillFirst(GetOverlayList(pDest, OverlayType_Generic),
                              GetOverlayList(pSrc, OverlayType_Generic), pDest));
    if (dwFlags & NoOverwrite_Buttons)
        FillButtons(pDest, pSrc);
    return result.Result();
}

HRESULT CMenuStyleUtil::NoOverwriteCopyButton(ULONG type, IDSMenu* pDst, IDSMenu* pSrc)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pSrc);
    std::vector<CComPtr<IDSMenuButton>> vbSrc = GetButtonList(pSrc, type);
    if (IsButtonExists(pDst, type) || vbSrc.empty())
        return S_OK;
    CHECK_HR_TEXT(AppendCopy(vbSrc.front(), pDst), "vbSrc.First()->Copy(&spMenuElem)");
    return S_OK;
}

HRESULT CMenuStyleUtil::NoOverwriteButtonsArray(ULONG type, IDSMenu* pDst, IDSMenu* pSrc)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pSrc);
    std::vector<CComPtr<IDSMenuButton>> vbSrc = GetButtonList(pSrc, type);
    for (size_t i = GetButtonList(pDst, type).size(); i < vbSrc.size(); ++i)
        CHECK_HR_TEXT(AppendCopy(vbSrc[i], pDst), "vbSrc[i]->Copy(&pMenuElem)");
    int n = 0;
    CHECK_HR_SHORT(ReadButtonCapacity(pDst, n));
    int first = 1;
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pDst, type)) {
        if (IDSMenuText* pText = CDSMenuUtils::GetTextElement(spButton))
            CHECK_HR(pText->put_Label(CComBSTR(FormatWide(L"%d-%d", first, first + n - 1))));
        first += n;
    }
    return S_OK;
}

bool CMenuStyleUtil::IsButtonExists(IDSMenu* pMenu, ULONG mask)
{
    return !GetButtonList(pMenu, mask).empty();
}

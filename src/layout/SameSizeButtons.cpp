#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// Overlays of a button whose pictures are part of its look: buttons alike must show the same
// ones (tags 2 and 8).
constexpr ULONG kSourceTags = 0x02 | 0x08;
// The overlays a button's proportions are copied by, in the order they are copied.
constexpr ULONG kResizedTags[] = {0x08, OverlayType_Thumbnail, 0x02};

// The button's children; false when one of them cannot be read.
bool ReadChildren(IDSMenuButton* pButton, DSMenuElementVec& children)
{
    CComQIPtr<IDSMenuElementList> spList(pButton);
    LONG count = 0;
    if (!spList || FAILED(spList->get_Count(&count)))
        return false;
    children = GetElementList(pButton, kAllTags);
    return children.size() == static_cast<size_t>(count);
}

bool SameSource(IDSMenuElement* pFirst, IDSMenuElement* pSecond)
{
    CComQIPtr<IDSMenuOverlay> spFirst(pFirst);
    CComQIPtr<IDSMenuOverlay> spSecond(pSecond);
    CComBSTR first;
    CComBSTR second;
    if (!spFirst || !spSecond || FAILED(spFirst->get_Source(&first)) ||
        FAILED(spSecond->get_Source(&second)))
        return false;
    return VarBstrCmp(first, second, LOCALE_USER_DEFAULT, 0) == VARCMP_EQ;
}

// Whether two buttons are built alike: the same number of children, the same tag at each
// place, and the same pictures in the overlays that make their look.
bool AreAlike(IDSMenuButton* pFirst, IDSMenuButton* pSecond)
{
    DSMenuElementVec first;
    DSMenuElementVec second;
    if (!ReadChildren(pFirst, first) || !ReadChildren(pSecond, second) ||
        first.size() != second.size())
        return false;
    for (size_t i = 0; i < first.size(); ++i) {
        ULONG tag = GetTag(first[i]);
        if (tag != GetTag(second[i]))
            return false;
        if ((tag & kSourceTags) && !SameSource(first[i], second[i]))
            return false;
    }
    return true;
}

DSMenuTextVec LabelOf(IDSMenuButton* pButton)
{
    DSMenuTextVec label;
    CComPtr<IDSMenuText> spLabel;
    if (SUCCEEDED(pButton->GetLabel(&spLabel)) && spLabel)
        label.push_back(spLabel);
    return label;
}

// S_OK when both elements exist, S_FALSE when neither does; a failure when only one does.
HRESULT BothPresent(const void* pSource, const void* pDest)
{
    if (!pSource && !pDest)
        return S_FALSE;
    if (!pSource || !pDest)
        RETURN_CODE(E_MAKEBUTTONSSAMESIZE_ELEMENT_MISSING);
    return S_OK;
}

// Puts the destination where the source is inside its button.
HRESULT TakePosition(IDSMenuElement* pSource, IDSMenuElement* pDest)
{
    float x = 0.0f;
    float y = 0.0f;
    CHECK_HR(pSource->GetPosition(&x, &y));
    TRACE_LINE("%d -> %d  Position(%f, %f)\n", GetID(pSource), GetID(pDest), x, y);
    CHECK_HR(pDest->SetPosition(x, y));
    return S_OK;
}

HRESULT ResizeOverlay(IDSMenuElement* pSource, IDSMenuElement* pDest)
{
    HRESULT hr = BothPresent(pSource, pDest);
    if (hr != S_OK)
        return hr;
    float width = 0.0f;
    float height = 0.0f;
    CHECK_HR(pSource->GetSize(&width, &height));
    TRACE_LINE("%d -> %d  Size (%f, %f)\n", GetID(pSource), GetID(pDest), width, height);
    CHECK_HR(pDest->SetSize(width, height));
    CHECK_HR(TakePosition(pSource, pDest));
    return S_OK;
}

HRESULT ResizeText(IDSMenuText* pSource, IDSMenuText* pDest)
{
    HRESULT hr = BothPresent(pSource, pDest);
    if (hr != S_OK)
        return hr;
    LONG code = 0;
    CHECK_HR(pSource->get_Alignment(&code));
    CHECK_HR(pDest->put_Alignment(code));
    CHECK_HR(TakePosition(pSource, pDest));
    return S_OK;
}

// Gives the button the key's overlay proportions (and its label's, withLabel); the button
// itself stays where it is.
HRESULT MatchButton(IDSMenuButton* pKey, IDSMenuButton* pButton, bool withLabel)
{
    float x = 0.0f;
    float y = 0.0f;
    CHECK_HR(pButton->GetPosition(&x, &y));
    for (ULONG tag : kResizedTags) {
        DSMenuElementVec ovlElem1 = GetElementList(pKey, tag);
        DSMenuElementVec ovlElem2 = GetElementList(pButton, tag);
        CHECK_HR_TEXT(ResizeOverlay(ovlElem1.First(), ovlElem2.First()),
                      "ResizeOverlay(ovlElem1.First(),ovlElem2.First())");
    }
    if (withLabel) {
        DSMenuTextVec vecSrcText = LabelOf(pKey);
        DSMenuTextVec vecDstText = LabelOf(pButton);
        CHECK_HR(ResizeText(vecSrcText.First(), vecDstText.First()));
    }
    CHECK_HR(pButton->SetPosition(x, y));
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::MakeButtonsSameSize(IDSMenuButton* pKeyButton)
{
    KVUClearErrorStack();
    CHECK_NULL(pKeyButton);
    CComPtr<IDSMenu> spMenu;
    CHECK_HR(pKeyButton->GetMenu(&spMenu));
    ULONG tag = GetTag(pKeyButton);
    if (tag & ButtonType_Command) {
        for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, ButtonType_Command)) {
            if (!spButton.IsEqualObject(pKeyButton) && AreAlike(pKeyButton, spButton)) {
                // The step that failed has said so: the failure is passed on without a line.
                if (HRESULT hr = MatchButton(pKeyButton, spButton, true); FAILED(hr))
                    return hr;
            }
        }
    } else if (tag & ButtonType_Navigation) {
        for (const CComPtr<IDSMenuButton>& spButton :
             GetButtonList(spMenu, ButtonType_Navigation)) {
            if (!spButton.IsEqualObject(pKeyButton) && LabelOf(spButton).empty()) {
                if (HRESULT hr = MatchButton(pKeyButton, spButton, false); FAILED(hr))
                    return hr;
            }
        }
    }
    return S_OK;
}

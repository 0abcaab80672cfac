#include "ElementCopy.h"

#include "dsutils/MenuStyleUtil.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

namespace {

// What an overlay copy takes from the template overlay, read in this order.
struct OverlayLook
{
    ULONG dwTag = 0;
    ULONG dwFlags = 0;
    CComBSTR bstrSource;
    float x = 0.0f;
    float y = 0.0f;
    float fRotation = 0.0f;
    float fWidth = 0.0f;
    float fHeight = 0.0f;
    CComBSTR bstrAlphaMask;
    LONG lHighlight = 0;
    double dblInPoint = 0.0;
    double dblOutPoint = 0.0;
    CComBSTR bstrLabel;
    VARIANT_BOOL vbStill = VARIANT_FALSE;

    HRESULT Read(IDSMenuOverlay* pSrc)
    {
        CHECK_HR(pSrc->get_Tag(&dwTag));
        CHECK_HR(pSrc->get_Flags(&dwFlags));
        CHECK_HR(pSrc->get_Source(&bstrSource));
        CHECK_HR(pSrc->GetPosition(&x, &y));
        CHECK_HR(pSrc->get_Rotation(&fRotation));
        CHECK_HR(pSrc->GetSize(&fWidth, &fHeight));
        CHECK_HR(pSrc->get_AlphaMask(&bstrAlphaMask));
        CHECK_HR(pSrc->get_Highlight(&lHighlight));
        CHECK_HR(pSrc->get_InPoint(&dblInPoint));
        CHECK_HR(pSrc->get_OutPoint(&dblOutPoint));
        CHECK_HR(pSrc->get_Label(&bstrLabel));
        CHECK_HR(pSrc->get_StillImage(&vbStill));
        return S_OK;
    }

    // The look proper; tag and flags stay the destination's.
    HRESULT WriteLook(IDSMenuOverlay* pDst) const
    {
        CHECK_HR(pDst->SetSize(fWidth, fHeight));
        CHECK_HR(pDst->put_AlphaMask(bstrAlphaMask));
        CHECK_HR(pDst->put_Highlight(lHighlight));
        CHECK_HR(pDst->put_Source(bstrSource));
        CHECK_HR(pDst->put_Rotation(fRotation));
        CHECK_HR(pDst->SetPosition(x, y));
        return S_OK;
    }

    // What plays of the source and the caption: reported when it fails, never fatal.
    void WritePlayback(IDSMenuOverlay* pDst) const
    {
        if (HRESULT hr = pDst->put_InPoint(dblInPoint); FAILED(hr))
            LOG_HR(hr, "pDst->put_InPoint(dblInPoint)");
        if (HRESULT hr = pDst->put_OutPoint(dblOutPoint); FAILED(hr))
            LOG_HR(hr, "pDst->put_OutPoint(dblOutPoint)");
        if (!bstrLabel.IsEmpty()) {
            if (HRESULT hr = pDst->put_Label(bstrLabel); FAILED(hr))
                LOG_HR(hr, "pDst->put_Label(bstrLabel)");
        }
        if (HRESULT hr = pDst->put_StillImage(vbStill); FAILED(hr))
            LOG_HR(hr, "pDst->put_StillImage(vbStill)");
    }
};

} // namespace

HRESULT CMenuStyleUtil::OverlayCopy(IDSMenuOverlay* pDst, IDSMenuOverlay* pSrc)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pSrc);
    OverlayLook look;
    CHECK_HR_SHORT(look.Read(pSrc));
    CHECK_HR_SHORT(look.WriteLook(pDst));
    look.WritePlayback(pDst);
    return S_OK;
}

HRESULT CMenuStyleUtil::TextCopy(IDSMenuText* pDst, IDSMenuText* pSrc)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pSrc);
    CComBSTR bstrLabel;
    CHECK_HR_SHORT(pDst->get_Label(&bstrLabel));
    CComPtr<IXMLDOMNode> spEffect;
    CHECK_HR_SHORT(pSrc->GetEffectXML(&spEffect));
    CHECK_HR_SHORT(pDst->SetEffectXML(spEffect));
    CHECK_HR_SHORT(pDst->put_Label(bstrLabel));
    float x = 0.0f;
    float y = 0.0f;
    CHECK_HR_SHORT(pSrc->GetPosition(&x, &y));
    CHECK_HR_SHORT(pDst->SetPosition(x, y));
    return S_OK;
}

HRESULT ElementCopy(IDSMenuElement* pDst, IDSMenuElement* pSrc)
{
    CComQIPtr<IDSMenuText> spDstText(pDst);
    CComQIPtr<IDSMenuText> spSrcText(pSrc);
    if (spDstText && spSrcText)
        return CMenuStyleUtil::TextCopy(spDstText, spSrcText);
    CComQIPtr<IDSMenuOverlay> spDstOverlay(pDst);
    CComQIPtr<IDSMenuOverlay> spSrcOverlay(pSrc);
    if (spDstOverlay && spSrcOverlay)
        return CMenuStyleUtil::OverlayCopy(spDstOverlay, spSrcOverlay);
    RETURN_CODE(E_ELEMENTCOPY_KIND_MISMATCH);
}

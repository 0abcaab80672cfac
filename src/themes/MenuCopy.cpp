#include "ElementSteps.h"

#include "dsutils/MenuStyleUtil.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"

#include <array>

namespace {

constexpr LONG kNumberedSchemes[] = {SPU_Scheme0, SPU_Scheme1, SPU_Scheme2};

// Copies one subpicture colour scheme: the selected and activated sets of a numbered scheme,
// the one set of SPU_Normal.
HRESULT CopySubpictureScheme(IDSMenu* pSrc, IDSMenu* pDst, LONG scheme)
{
    std::array<BYTE, kSubpictureColourBytes> selected = {};
    std::array<BYTE, kSubpictureColourBytes> activated = {};
    BYTE* pActivated = scheme == SPU_Normal ? nullptr : activated.data();
    CHECK_HR(pSrc->GetSubpictureColours(scheme, selected.data(), pActivated));
    CHECK_HR(pDst->SetSubpictureColours(scheme, selected.data(), pActivated));
    return S_OK;
}

HRESULT CopyPalette(IDSMenu* pSrc, IDSMenu* pDst)
{
    std::array<PaletteEntry, kPaletteEntries> palette = {};
    CHECK_HR(pSrc->GetPalette(palette.data()));
    CHECK_HR(pDst->SetPalette(palette.data()));
    return S_OK;
}

// The background comes with its duration; a template without one leaves the menu's alone.
HRESULT CopyBackground(IDSMenu* pDst, IDSMenu* pSrc)
{
    CComBSTR bsBackground;
    CHECK_HR(pSrc->get_Background(&bsBackground));
    if (bsBackground.IsEmpty())
        return S_OK;
    CHECK_HR_SHORT(TakeBackground(pDst, pSrc, bsBackground));
    return S_OK;
}

HRESULT CopyAudio(IDSMenu* pDst, IDSMenu* pSrc)
{
    CComBSTR bsAudio;
    CHECK_HR(pSrc->get_Audio(&bsAudio));
    CHECK_HR(pDst->put_Audio(bsAudio));
    return S_OK;
}

HRESULT CopyColours(IDSMenu* pDst, IDSMenu* pSrc)
{
    CHECK_HR_SHORT(CopyPalette(pSrc, pDst));
    for (LONG scheme : kNumberedSchemes)
        CHECK_HR_SHORT(CopySubpictureScheme(pSrc, pDst, scheme));
    CHECK_HR_SHORT(CopySubpictureScheme(pSrc, pDst, SPU_Normal));
    return S_OK;
}

// A menu keeps its own arrangement when the template's cannot be read or written.
void CopyLayout(IDSMenu* pDst, IDSMenu* pSrc)
{
    ULONG layout = 0;
    if (SUCCEEDED(pSrc->get_ButtonLayout(&layout)))
        pDst->put_ButtonLayout(layout);
    FloatRect rect = {};
    if (SUCCEEDED(pSrc->get_LayoutRect(&rect)))
        pDst->put_LayoutRect(&rect);
}

} // namespace

HRESULT CMenuStyleUtil::MenuCopy(IDSMenu* pDst, IDSMenu* pSrc)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pSrc);
    LONG lID = 0;
    CHECK_HR(pSrc->get_ID(&lID));
    CHECK_HR(pDst->put_TemplateID(lID));
    CHECK_HR_SHORT(CopyBackground(pDst, pSrc));
    CHECK_HR_SHORT(CopyAudio(pDst, pSrc));
    CHECK_HR_SHORT(CopyColours(pDst, pSrc));
    CopyLayout(pDst, pSrc);
    return S_OK;
}

HRESULT CMenuStyleUtil::CopyMenuColorPalette(IDSMenu* pSrc, IDSMenu* pDst)
{
    KVUClearErrorStack();
    if (!pSrc || !pDst)
        return S_FALSE;
    CopySubpictureScheme(pSrc, pDst, SPU_Normal);
    for (LONG scheme : kNumberedSchemes)
        CopySubpictureScheme(pSrc, pDst, scheme);
    CopyPalette(pSrc, pDst);
    return S_OK;
}

HRESULT CMenuStyleUtil::DuplicateMenu(IDSMenu* pDst, IDSMenu* pSrc, bool bForceNativeSrc)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pSrc);
    CComPtr<IXMLDOMDocument> spDoc;
    CHECK_HR(CreateXMLDoc(&spDoc));
    CComPtr<IXMLDOMElement> spRoot;
    CHECK_HR(spDoc->get_documentElement(&spRoot));
    CHECK_NULL(spRoot);
    CHECK_HR(pSrc->SaveXML(spRoot, bForceNativeSrc ? VARIANT_TRUE : VARIANT_FALSE));
    CHECK_HR(pDst->loadXML(spRoot, VARIANT_TRUE));
    return S_OK;
}

#include "SubPictureProduction.h"

#include "SPUPattern.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/FloatRect.h"

#include "model/KVEEditData.h"
#include "model/KVEProductionInfo.h"
#include "model/ModelClasses.h"
#include "production/ProductionAccess.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"

namespace {

// Buttons nest no deeper than this in any menu anyone made.
constexpr int kMaxButtonDepth = 32;

// Where the element's position is measured from: the sum of the positions of the buttons that
// hold it (0, 0 for an element of the menu's own list).
HRESULT HoldersOffset(IDSMenuElement* pElement, float& x, float& y)
{
    x = 0.0f;
    y = 0.0f;
    CComPtr<IDSMenuElement> spElement(pElement);
    for (int depth = 0; depth < kMaxButtonDepth; ++depth) {
        CComPtr<IDSMenuElementList> spList;
        CHECK_HR(spElement->GetParentList(&spList));
        CComQIPtr<IDSMenuButton> spButton(spList.p);
        if (!spButton)
            return S_OK;
        float bx = 0.0f, by = 0.0f;
        CHECK_HR(spButton->GetPosition(&bx, &by));
        x += bx;
        y += by;
        spElement = spButton.p;
    }
    return S_OK;
}

// The rectangle moved to the edges of the whole pixels it covers in the frame.
HRESULT SnapToPixels(FloatRect& rect, const SIZE& sFrame)
{
    RECT pixels{};
    CHECK_HR(CDSMenuUtils::ConvertToRect(pixels, rect, sFrame.cx, sFrame.cy));
    CHECK_HR(CDSMenuUtils::ConvertToFloatRect(rect, pixels, sFrame.cx, sFrame.cy));
    return S_OK;
}

HRESULT PlaceOn(IDSMenuElement* pElement, const FloatRect& rect)
{
    CFloatRect place(rect);
    CHECK_HR(pElement->SetPosition(place.GetCenterX(), place.GetCenterY()));
    CHECK_HR(pElement->SetSize(place.GetSizeX(), place.GetSizeY()));
    return S_OK;
}

// A detached copy of the element placed where the element shows in the menu, so that it shows
// there from the scratch menu's own list. The copy shows throughout and at full strength: the
// subpicture is one frame taken at the start, where an element that fades in later would be
// missing, and a faded pattern would fall under the thresholds of the colour classes.
HRESULT CopyAtMenuPlace(IDSMenuElement* pElement, CComPtr<IDSMenuElement>& spCopy)
{
    float x = 0.0f, y = 0.0f, dx = 0.0f, dy = 0.0f;
    CHECK_HR(pElement->GetPosition(&x, &y));
    CHECK_HR_SHORT(HoldersOffset(pElement, dx, dy));
    CHECK_HR(pElement->Copy(&spCopy));
    CHECK_HR(spCopy->SetPosition(x + dx, y + dy));
    CHECK_HR(spCopy->SetEffectInterval(0.0, 0.0));
    CHECK_HR(spCopy->put_Opacity(1.0f));
    return S_OK;
}

HRESULT AppendPictureCopy(IDSMenuElementList* pScratchList, IDSMenuOverlay* pOverlay,
                          const SIZE& sFrame)
{
    CComPtr<IDSMenuElement> spCopy;
    CHECK_HR_SHORT(CopyAtMenuPlace(pOverlay, spCopy));
    FloatRect extent{};
    CHECK_HR(spCopy->GetExtent(&extent));
    CHECK_HR_SHORT(SnapToPixels(extent, sFrame));
    CHECK_HR_SHORT(PlaceOn(spCopy, extent));
    CHECK_HR(spCopy->put_Highlight(OverlayHLI_None));
    CHECK_HR(spCopy->put_Tag(OverlayType_Generic));
    CHECK_HR(pScratchList->InsertElement(-1, spCopy));
    return S_OK;
}

// A subpicture has hard edges: a player shows each of its pixels in one of four colours. The
// font of the copy says so to a renderer that can draw glyphs unsmoothed; where smoothed
// glyphs are drawn, the reduction cuts their fringe at a third of full strength.
HRESULT MarkFontUnsmoothed(IDSMenuText* pText)
{
    CComPtr<IXMLDOMNode> spEffect;
    CHECK_HR(pText->GetEffectXML(&spEffect));
    CComPtr<IXMLDOMElement> spFont;
    CHECK_HR_SHORT(ChildElementOf(spEffect, L"font", spFont));
    CHECK_HR(spFont->setAttribute(CComBSTR(L"antialias"), CComVariant(L"false")));
    CHECK_HR(pText->SetEffectXML(spEffect));
    return S_OK;
}

HRESULT AppendPatternText(IDSMenuElementList* pScratchList, IDSMenuText* pText)
{
    CComPtr<IDSMenuElement> spCopy;
    CHECK_HR_SHORT(CopyAtMenuPlace(pText, spCopy));
    CComQIPtr<IDSMenuText> spText(spCopy.p);
    CHECK_NULL_TEXT(spText.p, "(IDSMenuText*)spCopy");
    CHECK_HR(spText->SetColor(TextColour_Face, dwPATTERN_RGB));
    CHECK_HR(spText->SetColor(TextColour_Edge, dwPATTERN_RGB));
    CHECK_HR(spText->SetColor(TextColour_Shadow, dwPATTERN_RGB));
    CHECK_HR(spText->put_Highlight(TextHLI_None));
    CHECK_HR_SHORT(MarkFontUnsmoothed(spText));
    CHECK_HR(pScratchList->InsertElement(-1, spCopy));
    return S_OK;
}

HRESULT AppendRegionOfExtent(IDSMenuElementList* pScratchList, IDSMenuElement* pElement,
                             const SIZE& sFrame)
{
    FloatRect extent{};
    CHECK_HR(pElement->GetExtent(&extent));
    CHECK_HR_SHORT(CreateRegionOverlay(pScratchList, extent, sFrame));
    return S_OK;
}

// What an element adds to the scratch list by its highlight mode, timed under the probe of
// its step: a pattern region over its extent, what its copy step appends, or nothing.
template <class CopyStep>
HRESULT AppendByMode(const char* probe, IDSMenuElementList* pScratchList, IDSMenuElement* pElement,
                     LONG lRegionMode, LONG lCopyMode, const SIZE& sFrame, CopyStep copy)
{
    CKVUTimer timer(probe, 0);
    LONG lMode = 0;
    CHECK_HR(pElement->get_Highlight(&lMode));
    if (lMode == lRegionMode)
        CHECK_HR_SHORT(AppendRegionOfExtent(pScratchList, pElement, sFrame));
    else if (lMode == lCopyMode)
        CHECK_HR_SHORT(copy());
    return S_OK;
}

// The scratch production shows the menu's shape and nothing but black under the highlights.
HRESULT ShapeScratchProduction(IDSMenu* pMenu, IDSMenu* pScratchMenu,
                               CComPtr<IKVEProductionData>& spScratchProd)
{
    spScratchProd = CDSProductionUtils::GetProduction(pScratchMenu);
    CHECK_NULL_TEXT(spScratchProd.p, "(IKVEProductionData*)spScratchProd");
    CComPtr<IProductionInfo> spInfo = ProductionInfoOf(spScratchProd);
    CHECK_NULL_TEXT(spInfo.p, "(IProductionInfo*)spInfo");
    CHECK_HR(spInfo->put_AspectRatio(IsAspectRatio16x9(pMenu) ? 16.0 / 9.0 : 4.0 / 3.0));
    CComQIPtr<IEditData> spEditData(spScratchProd.p);
    CHECK_NULL_TEXT(spEditData.p, "(IEditData*)spScratchProd");
    CComPtr<IUnknown> spUnkColorPanel;
    CHECK_HR(spEditData->AddSolidColor(0, 0, &spUnkColorPanel));
    return S_OK;
}

HRESULT AddButtonHighlights(IDSMenu* pMenu, IDSMenu* pScratchMenu, const SIZE& sFrame)
{
    CComQIPtr<IDSMenuElementList> spScratchList(pScratchMenu);
    CHECK_NULL_TEXT(spScratchList.p, "(IDSMenuElementList*)pScratchMenu");
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, kAllTags)) {
        for (const CComPtr<IDSMenuOverlay>& spOverlay : GetOverlayList(spButton, kAllTags))
            CHECK_HR_SHORT(CreateOverlaySPUElement(spScratchList, spOverlay, sFrame));
        for (const CComPtr<IDSMenuText>& spText : GetTextList(spButton, kAllTags))
            CHECK_HR_SHORT(CreateTextSPUElement(spScratchList, spText, sFrame));
    }
    return S_OK;
}

// The scratch menu goes through a production file, which holds what its elements draw, so
// that the production rendered depends on no object of the scratch project.
HRESULT SaveAndLoad(IKVEProductionData* pScratchProd, IKVEProductionData* pProduction)
{
    CDSFileUtils fileUtils;
    CComBSTR bstrFile;
    CHECK_HR(fileUtils.GetFilePath(CDSFileUtils::DirTemp, L"SubPicProd", true, L"SubPicture",
                                   L"DMSM", false, bstrFile, CDSFileUtils::TempFile_Always));
    CHECK_HR(pScratchProd->SaveAsProduction(bstrFile));
    CHECK_HR(pProduction->LoadProduction(bstrFile, 0));
    return S_OK;
}

} // namespace

HRESULT CreateScratchMenu(IDSMenu* pMenu, CComPtr<IDSProjectData>& spScratchProject,
                          CComPtr<IDSMenu>& spScratch)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    spScratch.Release();
    spScratchProject.Release();
    CHECK_HR(spScratchProject.CoCreateInstance(CLSID_CDSProjectData));
    CComQIPtr<IDSEncodingParams> spEP(spScratchProject.p);
    CHECK_NULL_TEXT(spEP.p, "(IDSEncodingParams*)spScratchProject");
    CHECK_HR(spEP->put_AspectRatio(IsAspectRatio16x9(pMenu) ? AspectRatio_16x9 : AspectRatio_4x3));
    CHECK_HR(spScratchProject->AddMenu(-1, &spScratch));
    return S_OK;
}

HRESULT CreateSubPictureProduction(IDSMenu* pMenu, IKVEProductionData* pProduction,
                                   IDSMenu* pScratchMenu, const SIZE& sFrame)
{
    KVUClearErrorStack();
    CKVUTimer timer("CreateSubPictureProduction()", 0);
    CHECK_NULL(pMenu);
    CHECK_NULL(pProduction);
    CHECK_NULL(pScratchMenu);
    CComPtr<IKVEProductionData> spScratchProd;
    CHECK_HR_SHORT(ShapeScratchProduction(pMenu, pScratchMenu, spScratchProd));
    CHECK_HR_SHORT(AddButtonHighlights(pMenu, pScratchMenu, sFrame));
    CHECK_HR_SHORT(SaveAndLoad(spScratchProd, pProduction));
    return S_OK;
}

HRESULT CreateOverlaySPUElement(IDSMenuElementList* pScratchList, IDSMenuOverlay* pOverlay,
                                const SIZE& sFrame)
{
    KVUClearErrorStack();
    CHECK_NULL(pScratchList);
    CHECK_NULL(pOverlay);
    return AppendByMode("CreateOverlaySPUElement()", pScratchList, pOverlay, OverlayHLI_Region,
                        OverlayHLI_Picture, sFrame,
                        [&] { return AppendPictureCopy(pScratchList, pOverlay, sFrame); });
}

HRESULT CreateTextSPUElement(IDSMenuElementList* pScratchList, IDSMenuText* pText,
                             const SIZE& sFrame)
{
    KVUClearErrorStack();
    CHECK_NULL(pScratchList);
    CHECK_NULL(pText);
    return AppendByMode("CreateTextSPUElement()", pScratchList, pText, TextHLI_Region, TextHLI_Text,
                        sFrame, [&] { return AppendPatternText(pScratchList, pText); });
}

HRESULT CreateRegionOverlay(IDSMenuElementList* pScratchList, const FloatRect& rect,
                            const SIZE& sFrame)
{
    KVUClearErrorStack();
    CHECK_NULL(pScratchList);
    FloatRect region = rect;
    CHECK_HR_SHORT(SnapToPixels(region, sFrame));
    CComBSTR bstrPattern;
    CHECK_HR_SHORT(GetSPUPatternSource(IsAspectRatio16x9(pScratchList), &bstrPattern));
    CComPtr<IDSMenuOverlay> spOverlay;
    CHECK_HR(pScratchList->AddElement(&IID_IDSMenuOverlay, reinterpret_cast<void**>(&spOverlay)));
    CHECK_HR(spOverlay->put_Source(bstrPattern));
    CHECK_HR_SHORT(PlaceOn(spOverlay, region));
    return S_OK;
}

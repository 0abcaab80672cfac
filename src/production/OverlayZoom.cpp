#include "OverlayZoom.h"
#include "MediaFileProps.h"
#include "OverlayFit.h"
#include "ProductionAccess.h"
#include "RawSource.h"
#include "Subproductions.h"

#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"
#include "platform/Variant.h"

#include <cmath>
#include <string>

namespace {

constexpr const wchar_t* kWideMask = L"%CONTENT%/Overlays/Masks/Wide_mask.png";
// Scales closer than this to what the overlay has are left as they are.
constexpr double kScaleTolerance = 0.0001;
// A scaling factor at or below this does not scale.
constexpr double kMinScalingFactor = 0.001;

struct ZoomFacts
{
    OverlayFitInput fit;
    // The source is a nested production or a montage, which already has the menu's shape.
    bool bPrivate = false;
    CComPtr<IKVEProductionData> spMontage;
};

bool IsMoniker(std::wstring_view source)
{
    return source.size() > 8 && CompareNoCase(source.substr(0, 8), L"moniker:") == 0;
}

// The shown width / height of a picture or video file; fallback when it has none.
double AspectOfFile(std::wstring file, double fallback)
{
    if (IsDiscSource(file))
        file.erase(0, 4);
    CComPtr<IKVGMediaFileProp> spFileProp;
    KVGVideoInfo info{};
    if (file.empty() || FAILED(OpenFileProperties(ResolveContentPath(file).c_str(), spFileProp)) ||
        FAILED(spFileProp->GetVideoInfoEx(1, 0, &info)) || !(ShownAspect(info) > 0.0))
        return fallback;
    return ShownAspect(info);
}

HRESULT ReadSize(IDSMenuOverlay* pOvl, OverlayFitInput& fit)
{
    float width = 0.0f, height = 0.0f;
    CHECK_HR(pOvl->GetSize(&width, &height));
    double factor = 0.0;
    CHECK_HR(pOvl->get_DynamicScalingFactor(&factor));
    if (factor <= kMinScalingFactor)
        factor = 1.0;
    // Menu space is 2 units across and 2 up whatever the menu's shape: across, a unit is the
    // menu's aspect ratio times longer.
    fit.width = width * fit.menuAspect / factor;
    fit.height = height / factor;
    return S_OK;
}

HRESULT ReadSource(IDSMenuOverlay* pOvl, double dKnownAspect, ZoomFacts& facts)
{
    CComBSTR bstrSource;
    CHECK_HR(pOvl->get_Source(&bstrSource));
    std::wstring source = bstrSource.Str();
    facts.bPrivate = IsMoniker(source) || CDSProductionUtils::IsProductionFile(source.c_str());
    if (facts.bPrivate)
        facts.fit.sourceAspect = facts.fit.menuAspect;
    else if (dKnownAspect > 0.0)
        facts.fit.sourceAspect = dKnownAspect;
    else
        facts.fit.sourceAspect = AspectOfFile(source, facts.fit.menuAspect);
    return S_OK;
}

// The mask, the wide one for an overlay of a 16:9 menu without one.
HRESULT ReadMask(IDSMenuOverlay* pOvl, bool b4x3, ZoomFacts& facts)
{
    CComBSTR bstrMask;
    CHECK_HR(pOvl->get_AlphaMask(&bstrMask));
    if (bstrMask.IsEmpty() && !b4x3) {
        bstrMask = kWideMask;
        CHECK_HR(pOvl->put_AlphaMask(bstrMask));
    }
    facts.fit.maskAspect = bstrMask.IsEmpty() ? facts.fit.menuAspect
                                              : AspectOfFile(bstrMask.Str(), facts.fit.menuAspect);
    VARIANT_BOOL vbFitMask = VARIANT_FALSE;
    VARIANT_BOOL vbZoom = VARIANT_FALSE;
    CHECK_HR(pOvl->get_FitMaskToMenu(&vbFitMask));
    CHECK_HR(pOvl->get_ZoomToFill(&vbZoom));
    facts.fit.fitMaskToMenu = !bstrMask.IsEmpty() && vbFitMask != VARIANT_FALSE;
    facts.fit.zoomToFill = facts.bPrivate ? !facts.fit.fitMaskToMenu : vbZoom != VARIANT_FALSE;
    return S_OK;
}

HRESULT ReadFacts(IDSMenuOverlay* pOvl, double dKnownAspect, ZoomFacts& facts)
{
    CComPtr<IDSMenu> spMenu;
    CHECK_HR(pOvl->GetMenu(&spMenu));
    bool b4x3 = IsAspectRatio4x3(spMenu);
    facts.fit.menuAspect = b4x3 ? 4.0 / 3.0 : 16.0 / 9.0;
    CHECK_HR_SHORT(ReadSize(pOvl, facts.fit));
    CHECK_HR_SHORT(ReadSource(pOvl, dKnownAspect, facts));
    CHECK_HR_SHORT(ReadMask(pOvl, b4x3, facts));
    LONG lPrivateId = 0;
    CHECK_HR(pOvl->get_PrivateId(&lPrivateId));
    facts.spMontage = FindPrivateProduction(GetProject(spMenu), DWORD(lPrivateId));
    return S_OK;
}

// The "plugin_data" element of the overlay's effect data in the menu storyboard; null when
// the storyboard keeps no item for the overlay.
HRESULT PluginDataOf(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl,
                     CComPtr<IXMLDOMElement>& piPlugInData)
{
    CComPtr<IKVEEffectInfo> spItem = ElementItemOf(pMenuSbd, pOvl);
    if (!spItem)
        return S_FALSE;
    CComPtr<IXMLDOMNode> spEffect;
    CHECK_HR(spItem->GetEffectInfo(&spEffect));
    CHECK_HR_SHORT(ChildElementOf(spEffect, L"plugin_data", piPlugInData));
    return S_OK;
}

// Calls step on every source file panel of the montage.
template <class Step> HRESULT ForEachMontageSource(IKVEProductionData* pMontage, Step step)
{
    LONG count = 0;
    if (pMontage)
        CHECK_HR(pMontage->GetNumberOfPanels(&count));
    for (LONG position = 0; position < count; position += 2) {
        CComPtr<IBaseObject> spPanel;
        CHECK_HR(pMontage->GetPanelBaseObject(position, &spPanel));
        if (CComQIPtr<ISourceFile> pSrcFile{spPanel.p})
            CHECK_HR_SHORT(step(pSrcFile.p));
    }
    return S_OK;
}

HRESULT ClearZoomToFill(IXMLDOMElement* piPlugInData, IKVEProductionData* pMontage)
{
    CHECK_HR_SHORT(ForEachMontageSource(pMontage, [](ISourceFile* pSrcFile) {
        CHECK_HR(pSrcFile->PutPanZoomEffect(NULL));
        return S_OK;
    }));
    if (!piPlugInData)
        return S_OK;
    CComPtr<IXMLDOMNode> piCropNode;
    CHECK_HR(piPlugInData->selectSingleNode(CComBSTR(L"Crop"), &piCropNode));
    if (piCropNode)
        CHECK_HR(piPlugInData->removeChild(piCropNode, NULL));
    return S_OK;
}

HRESULT SetNumber(IXMLDOMElement* pElement, const wchar_t* name, double value)
{
    CHECK_HR(pElement->setAttribute(CComBSTR(name), CComVariant(value)));
    return S_OK;
}

// The crop of a source that fills the overlay: its scale, kept with the two shapes it was
// worked out for.
HRESULT AppendCrop(IXMLDOMElement* piPlugInData, const OverlayFitInput& fit,
                   const OverlayFitResult& result)
{
    CComPtr<IXMLDOMDocument> spDocument;
    CHECK_HR(piPlugInData->get_ownerDocument(&spDocument));
    CHECK_NULL(spDocument.p);
    CComPtr<IXMLDOMElement> piCropNode;
    CHECK_HR(spDocument->createElement(CComBSTR(L"Crop"), &piCropNode));
    CHECK_HR_SHORT(SetNumber(piCropNode, L"scaleX", result.sourceScaleX));
    CHECK_HR_SHORT(SetNumber(piCropNode, L"scaleY", result.sourceScaleY));
    CHECK_HR_SHORT(SetNumber(piCropNode, L"menuAspect", fit.menuAspect));
    CHECK_HR_SHORT(SetNumber(piCropNode, L"sourceAspect", fit.sourceAspect));
    CHECK_HR(piPlugInData->appendChild(piCropNode, NULL));
    return S_OK;
}

// The middle part of a picture of the shape that has the menu's shape.
HRESULT CropToShape(ISourceFile* pSrcFile, double menuAspect)
{
    double picture = 0.0;
    CHECK_HR(pSrcFile->get_AspectRatio(&picture));
    if (!(picture > 0.0) || std::fabs(picture - menuAspect) < kScaleTolerance)
        return S_OK;
    double width = picture > menuAspect ? menuAspect / picture : 1.0;
    double height = picture > menuAspect ? 1.0 : picture / menuAspect;
    CComPtr<IXMLDOMDocument> spDocument;
    CHECK_HR(CreateXMLDocument(&spDocument));
    CComPtr<IXMLDOMElement> pCropSourceXML;
    CHECK_HR(spDocument->createElement(CComBSTR(L"PanZoom"), &pCropSourceXML));
    CHECK_HR_SHORT(SetNumber(pCropSourceXML, L"x", (1.0 - width) / 2.0));
    CHECK_HR_SHORT(SetNumber(pCropSourceXML, L"y", (1.0 - height) / 2.0));
    CHECK_HR_SHORT(SetNumber(pCropSourceXML, L"width", width));
    CHECK_HR_SHORT(SetNumber(pCropSourceXML, L"height", height));
    CHECK_HR(pSrcFile->PutPanZoomEffect(pCropSourceXML));
    return S_OK;
}

HRESULT ApplyZoomToFill(IXMLDOMElement* piPlugInData, const ZoomFacts& facts,
                        const OverlayFitResult& result)
{
    if (!facts.fit.zoomToFill)
        return S_OK;
    if (facts.bPrivate)
        return ForEachMontageSource(facts.spMontage, [&](ISourceFile* pSrcFile) {
            return CropToShape(pSrcFile, facts.fit.menuAspect);
        });
    return piPlugInData ? AppendCrop(piPlugInData, facts.fit, result) : S_OK;
}

bool Differs(double a, double b)
{
    return std::fabs(a - b) >= kScaleTolerance;
}

HRESULT WriteScales(IDSMenuOverlay* pOvl, const ZoomFacts& facts, const OverlayFitResult& result)
{
    double dblMaskScaleX = result.maskScaleX, dblMaskScaleY = result.maskScaleY;
    double dblSourceScaleX = facts.bPrivate ? 1.0 : result.sourceScaleX;
    double dblSourceScaleY = facts.bPrivate ? 1.0 : result.sourceScaleY;
    double oldX = 0.0, oldY = 0.0;
    CHECK_HR(pOvl->GetMaskSize(&oldX, &oldY));
    if (Differs(oldX, dblMaskScaleX) || Differs(oldY, dblMaskScaleY))
        CHECK_HR(pOvl->SetMaskSize(dblMaskScaleX, dblMaskScaleY));
    CHECK_HR(pOvl->GetSourceScale(&oldX, &oldY));
    if (Differs(oldX, dblSourceScaleX) || Differs(oldY, dblSourceScaleY))
        CHECK_HR(pOvl->SetSourceScale(dblSourceScaleX, dblSourceScaleY));
    return S_OK;
}

} // namespace

HRESULT ZoomOverlaySource(IKVEProductionData* pMenuSbd, IDSMenuOverlay* pOvl,
                          double dKnownSourceAspect)
{
    CHECK_NULL(pMenuSbd);
    CHECK_NULL(pOvl);
    ZoomFacts facts;
    CHECK_HR_SHORT(ReadFacts(pOvl, dKnownSourceAspect, facts));
    CComPtr<IXMLDOMElement> piPlugInData;
    CHECK_HR_SHORT(PluginDataOf(pMenuSbd, pOvl, piPlugInData));
    CHECK_HR_SHORT(ClearZoomToFill(piPlugInData, facts.spMontage));
    OverlayFitResult result = FitOverlay(facts.fit);
    CHECK_HR_SHORT(ApplyZoomToFill(piPlugInData, facts, result));
    CHECK_HR_SHORT(WriteScales(pOvl, facts, result));
    return S_OK;
}

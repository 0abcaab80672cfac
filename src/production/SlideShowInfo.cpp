#include "ProductionAccess.h"

#include "dsutils/DSProductionUtils.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/StringConv.h"
#include "platform/Variant.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace {

// The node at a path below the slideshow's metadata; null when there is none.
CComPtr<IXMLDOMNode> SlideShowNode(IUnknown* pObject, const wchar_t* path)
{
    CComPtr<IXMLDOMNode> spDoc = SlideShowDocOf(pObject);
    CComPtr<IXMLDOMNode> spNode;
    if (!spDoc || spDoc->selectSingleNode(CComBSTR(path), &spNode) != S_OK)
        return nullptr;
    return spNode;
}

// The text of that node; empty when there is none.
std::wstring SlideShowText(IUnknown* pObject, const wchar_t* path)
{
    CComPtr<IXMLDOMNode> spNode = SlideShowNode(pObject, path);
    CComBSTR text;
    if (!spNode || FAILED(spNode->get_text(&text)))
        return std::wstring();
    return text.Str();
}

// The number in the text of a child element of a node: S_FALSE, value unchanged, when there is
// no such child; DISP_E_TYPEMISMATCH when its text is no number.
HRESULT LoadDoubleNode(IXMLDOMNode* pParent, const wchar_t* name, double& value)
{
    CComPtr<IXMLDOMNode> spChild;
    CComBSTR text;
    if (pParent->selectSingleNode(CComBSTR(name), &spChild) != S_OK ||
        FAILED(spChild->get_text(&text)) || text.IsEmpty())
        return S_FALSE;
    CComVariant number(text);
    HRESULT hr = number.ChangeType(VT_R8);
    if (SUCCEEDED(hr))
        value = number.dblVal;
    return hr;
}

// Whether the style file names one of the styles, matched as substrings in the order given.
bool StyleIsOneOf(IUnknown* pObject, std::initializer_list<const wchar_t*> styles)
{
    std::wstring style = SlideShowText(pObject, L"AEStyle/StyleFile");
    for (const wchar_t* name : styles) {
        if (!style.empty() && style.find(name) != std::wstring::npos)
            return true;
    }
    return false;
}

bool IsStillPanel(IKVEProductionData* pSbd, LONG position)
{
    CComPtr<IBaseObject> spPanel;
    LONG type = KVE_SOURCE_UNKNOWN;
    if (FAILED(pSbd->GetPanelBaseObject(position, &spPanel)))
        return false;
    CComQIPtr<ISourceFile> spSource(spPanel);
    return spSource && SUCCEEDED(spSource->get_SourceType(&type)) && type == KVE_SOURCE_STILL;
}

// An encoded slideshow is a row of still pictures with transitions between them.
bool PanelsAreStills(IUnknown* pObject)
{
    CComPtr<IKVEProductionData> spSbd = CDSProductionUtils::GetProduction(pObject);
    LONG count = 0;
    if (!spSbd || FAILED(spSbd->GetNumberOfPanels(&count)) || count <= 0)
        return false;
    for (LONG position = 0; position < count; position += 2) {
        if (!IsStillPanel(spSbd, position))
            return false;
    }
    return true;
}

bool IsTrueText(const wchar_t* value)
{
    std::wstring_view text(value ? value : L"");
    return text == L"1" || text == L"-1" || CompareNoCase(text, L"true") == 0;
}

} // namespace

bool CDSProductionUtils::IsEncodedAsSlideShow(IUnknown* pObject)
{
    return StyleIsOneOf(pObject, {L"SS_Action.xml", L"SS_Dissolve.xml", L"SS_DVD_Infinite.xml"}) &&
           PanelsAreStills(pObject);
}

bool CDSProductionUtils::IsVCDHiresSlideshow(IUnknown* pObject)
{
    return StyleIsOneOf(pObject, {L"SS_VCD_HighRes.xml"});
}

bool CDSProductionUtils::IsInfiniteSlideShow(IUnknown* pObject)
{
    CComPtr<IXMLDOMNode> spDoc = SlideShowDocOf(pObject);
    CComPtr<IXMLDOMNode> spNode;
    CComVariant enabled;
    if (!spDoc || spDoc->selectSingleNode(CComBSTR(L"DVDSlideShow"), &spNode) != S_OK)
        return false;
    CComQIPtr<IXMLDOMElement> spSwitch(spNode);
    return spSwitch && spSwitch->getAttribute(CComBSTR(L"Enabled"), &enabled) == S_OK &&
           enabled.vt == VT_BSTR && IsTrueText(enabled.bstrVal);
}

HRESULT CDSProductionUtils::SetInfiniteSlideShow(IUnknown* pObject, bool bInfinite)
{
    KVUClearErrorStack();
    CHECK_NULL(pObject);
    CComPtr<IXMLDOMNode> spDoc = SlideShowDocOf(pObject);
    if (!spDoc)
        CHECK_HR_TEXT(E_FAIL, "SlideShowDocOf(pObject)");
    CComPtr<IXMLDOMElement> spSwitch;
    CHECK_HR_SHORT(ChildElementOf(spDoc, L"DVDSlideShow", spSwitch));
    CHECK_HR(spSwitch->setAttribute(CComBSTR(L"Enabled"), CComVariant(bInfinite ? L"1" : L"0")));
    return S_OK;
}

HRESULT CDSProductionUtils::GetAESlideDuration(IUnknown* pObject, double& dblDuration)
{
    KVUClearErrorStack();
    CHECK_NULL(pObject);
    CComPtr<IXMLDOMNode> spAEWizProdElems =
        SlideShowNode(pObject, L"AEProductionElements/AEWizardProductionElements");
    if (!spAEWizProdElems)
        return S_FALSE;
    HRESULT hr = LoadDoubleNode(spAEWizProdElems, L"SlideDuration", dblDuration);
    CHECK_HR_TEXT(hr, "XMLHelpers<void>::LoadDoubleNode(spAEWizProdElems, "
                      "CComBSTR(L\"SlideDuration\"), NULL, dblDuration)");
    return hr;
}

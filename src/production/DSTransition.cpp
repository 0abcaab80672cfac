#include "dsutils/DSTransition.h"

#include "foundation/FileOperations.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/PathService.h"
#include "platform/ResultCodes.h"
#include "platform/StringConv.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

constexpr const wchar_t* kDefaultCatalogue = L"%PLUGINS%/KVTransitionPlugIns.xml";
constexpr const wchar_t* kDefaultStorage = L"%PLUGINS%";
constexpr const wchar_t* kThumbMoniker = L"m_bstrThumbMoniker";

// Puts the reason a catalogue file could not be read on the error stack.
void ReportUnreadable(const std::wstring& path, const std::wstring& reason)
{
    KVUReportError(KVUErrStr(L"The transition catalogue \"%ls\" could not be loaded: %ls\n",
                             path.c_str(), reason.c_str()));
}

// The folder of a catalogue file, absolute, for the monikers of its thumbnails.
std::wstring StorageOf(const std::wstring& path)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(NativePath(path), error);
    if (error)
        absolute = NativePath(path);
    return Utf8ToWide(absolute.parent_path().string());
}

// Whether a thumbnail moniker already names its place and needs no storage.
bool NamesItsPlace(std::wstring_view value)
{
    if (value.find(L"::") != std::wstring_view::npos || value.front() == L'/')
        return true;
    return value.front() == L'%' && value.find(L'%', 1) != std::wstring_view::npos;
}

} // namespace

CDSTransition::CDSTransition()
{
    // The result stays on the error stack; an empty catalogue finds nothing.
    Load(nullptr);
}

HRESULT CDSTransition::Load(const wchar_t* pszFileName)
{
    KVUClearErrorStack();
    m_spDoc.Release();
    m_entries.clear();
    m_strStorage.clear();
    std::wstring path = ExpandPathMacros(pszFileName ? pszFileName : L"");
    bool bGiven = !path.empty() && PathExists(path);
    if (!path.empty() && !bGiven)
        TRACE_LINE("No transition catalogue \"%ls\": loading the default one", path.c_str());
    if (!bGiven)
        path = ExpandPathMacros(kDefaultCatalogue);
    CHECK_HR_SHORT(CheckCatalogueFile(path));
    CHECK_HR_SHORT(LoadDocument(path));
    m_strStorage = bGiven ? StorageOf(path) : kDefaultStorage;
    CHECK_HR_SHORT(ReadEntries());
    return S_OK;
}

// Only a regular file of a catalogue's size is read: a device, a pipe or a huge file would
// hold the caller up or exhaust its memory.
HRESULT CDSTransition::CheckCatalogueFile(const std::wstring& path)
{
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(NativePath(path), error);
    if (error || !std::filesystem::exists(status)) {
        ReportUnreadable(path, L"the file does not exist");
        RETURN_CODE(E_TRANSITIONLOAD_CANT_LOAD_CATALOGUE);
    }
    if (!std::filesystem::is_regular_file(status)) {
        ReportUnreadable(path, L"it is not a regular file");
        RETURN_CODE(E_TRANSITIONLOAD_CANT_LOAD_CATALOGUE);
    }
    uintmax_t size = std::filesystem::file_size(NativePath(path), error);
    if (error || size > kMaxCatalogueBytes) {
        ReportUnreadable(path, error ? L"its size cannot be read"
                                     : L"the file is larger than a catalogue can be");
        RETURN_CODE(E_TRANSITIONLOAD_CANT_LOAD_CATALOGUE);
    }
    return S_OK;
}

HRESULT CDSTransition::LoadDocument(const std::wstring& path)
{
    CHECK_HR(CreateXMLDocument(&m_spDoc));
    CComBSTR bstrFileName(path);
    VARIANT_BOOL bSuccess = VARIANT_FALSE;
    CHECK_HR(m_spDoc->load(CComVariant(bstrFileName), &bSuccess));
    if (bSuccess == VARIANT_FALSE) {
        CComBSTR bstrReason;
        m_spDoc->get_parseErrorReason(&bstrReason);
        ReportUnreadable(path, bstrReason.Str());
        m_spDoc.Release();
        RETURN_CODE(E_TRANSITIONLOAD_CANT_LOAD_CATALOGUE);
    }
    return S_OK;
}

HRESULT CDSTransition::ReadEntries()
{
    CComPtr<IXMLDOMElement> spRoot;
    CHECK_HR(m_spDoc->get_documentElement(&spRoot));
    CHECK_NULL(spRoot);
    CComPtr<IXMLDOMNodeList> nodes;
    CHECK_HR(spRoot->get_childNodes(&nodes));
    LONG count = 0;
    CHECK_HR(nodes->get_length(&count));
    for (LONG i = 0; i < count; ++i) {
        CComPtr<IXMLDOMNode> effectNode;
        CHECK_HR_TEXT(nodes->get_item(i, &effectNode), "nodes->get_item(i,&effectNode)");
        // Comments and instructions between the effects are no effects.
        CComQIPtr<IXMLDOMElement> spElem(effectNode);
        if (spElem)
            CHECK_HR_SHORT(ReadEntry(effectNode, spElem));
    }
    return S_OK;
}

HRESULT CDSTransition::ReadEntry(IXMLDOMNode* effectNode, IXMLDOMElement* spElem)
{
    CComVariant varValue;
    CHECK_HR_TEXT(spElem->getAttribute(CComBSTR(L"Name"), &varValue),
                  "spElem->getAttribute(L\"Name\",&varValue)");
    CComPtr<IXMLDOMNode> idNode;
    CHECK_HR_TEXT(effectNode->selectSingleNode(CComBSTR(L"effect_id"), &idNode),
                  "effectNode->selectSingleNode(L\"effect_id\", &idNode)");
    CComBSTR bstrId;
    if (idNode)
        CHECK_HR(idNode->get_text(&bstrId));
    BSTR bstrName = varValue.vt == VT_BSTR ? varValue.bstrVal : nullptr;
    m_entries.emplace_back(bstrName, bstrId, effectNode);
    return S_OK;
}

HRESULT CDSTransition::FindByName(const wchar_t* pszName, IUnknown** ppEffect)
{
    KVUClearErrorStack();
    CHECK_NULL(ppEffect);
    const TransitionEntry* pEntry = FirstNameContaining(pszName);
    if (!pEntry)
        RETURN_CODE(E_TRANSITIONFINDBYNAME_NOT_FOUND);
    CComPtr<IXMLDOMNode> spEffect(pEntry->m_spNode);
    CHECK_HR_SHORT(ResolveTransition(spEffect));
    *ppEffect = spEffect.Detach();
    return S_OK;
}

const TransitionEntry* CDSTransition::FirstNameContaining(const wchar_t* pszName) const
{
    if (!pszName)
        return nullptr;
    auto found = std::find_if(m_entries.begin(), m_entries.end(), [pszName](const auto& entry) {
        return !entry.m_bstrName.IsEmpty() &&
               entry.m_bstrName.View().find(pszName) != std::wstring_view::npos;
    });
    return found == m_entries.end() ? nullptr : &*found;
}

void CDSTransition::GetTransitionList(std::vector<TransitionEntry>& list) const
{
    list = m_entries;
}

HRESULT CDSTransition::ResolveTransition(CComPtr<IXMLDOMNode>& spEffect)
{
    CHECK_NULL(spEffect);
    CComPtr<IXMLDOMNode> spCopy;
    CHECK_HR(spEffect->cloneNode(VARIANT_TRUE, &spCopy));
    CComQIPtr<IXMLDOMElement> spElem(spCopy);
    CComVariant varMoniker;
    if (spElem && !m_strStorage.empty())
        CHECK_HR(spElem->getAttribute(CComBSTR(kThumbMoniker), &varMoniker));
    if (varMoniker.vt == VT_BSTR && SysStringLen(varMoniker.bstrVal) > 0) {
        std::wstring value(varMoniker.bstrVal, SysStringLen(varMoniker.bstrVal));
        if (!NamesItsPlace(value)) {
            std::replace(value.begin(), value.end(), L'\\', L'/');
            std::wstring moniker = L"storage::" + PathAppend(m_strStorage, value);
            CHECK_HR(spElem->setAttribute(CComBSTR(kThumbMoniker), CComVariant(moniker.c_str())));
        }
    }
    spEffect = spCopy;
    return S_OK;
}

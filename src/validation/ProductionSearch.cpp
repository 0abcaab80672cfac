#include "ProductionSearch.h"

#include "Findings.h"

#include "dsutils/DSTags.h"
#include "foundation/FileOperations.h"

#include "model/KVEProductionLink.h"

#include "platform/Check.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"

#include <cwchar>

namespace {

constexpr std::wstring_view kMonikerPrefix = L"moniker:";
constexpr std::wstring_view kTitleMonikerPrefix = L"moniker::dvdproduction";
constexpr std::wstring_view kVobPrefix = L"vob:";

bool StartsWithNoCase(const std::wstring& text, std::wstring_view prefix)
{
    return text.size() >= prefix.size() &&
           CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

bool IsDmsmFile(const std::wstring& file)
{
    return CompareNoCase(NativePath(file).extension().wstring(), L".dmsm") == 0;
}

// Names such as "http://…" are not files of this computer; the engine reads them itself.
bool HasProtocol(const std::wstring& file)
{
    return file.find(L"://") != std::wstring::npos;
}

// The name a panel's object goes by: the moniker of a nested production, the file of a source;
// empty for colours and transitions.
HRESULT ReadSourceName(IBaseObject* pPanel, std::wstring& name)
{
    CComBSTR bstrName;
    if (CComQIPtr<IKVEProductionMoniker> spMoniker(pPanel); spMoniker)
        CHECK_HR(spMoniker->get_Moniker(&bstrName));
    else if (CComQIPtr<ISourceFile> spSource(pPanel); spSource)
        CHECK_HR(spSource->get_FileName(&bstrName));
    name = bstrName.Str();
    return S_OK;
}

// The ID of the title that a "moniker::dvdproduction_%d" moniker names; 0 for another moniker.
LONG TitleOfMoniker(const std::wstring& moniker)
{
    LONG lTitleID = 0;
    if (std::swscanf(moniker.c_str(), L"moniker::dvdproduction_%d", &lTitleID) != 1)
        return 0;
    return lTitleID;
}

// The production a moniker panel shows: its own, else the one its production keeps under the
// moniker; null when there is none.
HRESULT ShownProduction(IKVEProductionData* pSbd, IBaseObject* pPanel, const std::wstring& moniker,
                        CComPtr<IUnknown>& spShown)
{
    CComQIPtr<IKVEProductionMoniker> spMoniker(pPanel);
    CHECK_HR(spMoniker->GetProduction(&spShown));
    if (!spShown)
        CHECK_HR(pSbd->GetSubProduction(CComBSTR(moniker.c_str()), &spShown));
    return S_OK;
}

std::wstring FullPath(const std::wstring& file)
{
    std::error_code failed;
    std::filesystem::path path = std::filesystem::weakly_canonical(NativePath(file), failed);
    return failed ? file : Utf8ToWide(path.string());
}

} // namespace

CProductionSearch::CProductionSearch(std::vector<CErrorInfo>& errors, IDSProjectData* pProject,
                                     LONG nOwnerID, bool bIsMenu)
    : m_errors(errors), m_pProject(pProject), m_nOwnerID(nOwnerID), m_bIsMenu(bIsMenu)
{}

HRESULT CProductionSearch::Search(IUnknown* pSbd)
{
    if (!FirstMeeting(pSbd))
        return S_OK;
    CComQIPtr<IKVEProductionData> spSbd(pSbd);
    CHECK_NULL_TEXT(spSbd.p, "(IKVEProductionData*) spSbd");
    LONG nNumberOfPanels = 0;
    CHECK_HR(spSbd->GetNumberOfPanels(&nNumberOfPanels));
    // Only the title's own production must not be empty; a nested one may be.
    bool bOwnProduction = m_metProductions.size() == 1 && m_metFiles.empty();
    if (bOwnProduction && !m_bIsMenu && nNumberOfPanels == 0)
        AddFinding(m_errors, ErrorCode_EmptyTitle, ErrorSeverity_Fatal, m_nOwnerID);
    for (LONG nPanel = 0; nPanel < nNumberOfPanels; ++nPanel)
        CHECK_HR_SHORT(SearchPanel(spSbd, nPanel));
    return S_OK;
}

HRESULT CProductionSearch::SearchPanel(IKVEProductionData* pSbd, LONG nPanel)
{
    CComPtr<IBaseObject> spPanel;
    CHECK_HR(pSbd->GetPanelBaseObject(nPanel, &spPanel));
    std::wstring name;
    CHECK_HR_SHORT(ReadSourceName(spPanel, name));
    if (name.empty())
        return S_OK;
    if (StartsWithNoCase(name, kMonikerPrefix))
        return SearchMoniker(pSbd, spPanel, name);
    if (StartsWithNoCase(name, kVobPrefix)) {
        std::wstring file = name.substr(kVobPrefix.size());
        if (!IsExistingFile(file))
            AddMissingFile(file);
        return S_OK;
    }
    if (IsDmsmFile(name))
        return SearchProductionFile(name);
    // A plain source that is gone cannot be encoded either.
    if (!HasProtocol(name) && !IsExistingFile(name))
        AddMissingFile(name);
    return S_OK;
}

HRESULT CProductionSearch::SearchMoniker(IKVEProductionData* pSbd, IBaseObject* pPanel,
                                         const std::wstring& moniker)
{
    if (m_bIsMenu && StartsWithNoCase(moniker, kTitleMonikerPrefix)) {
        if (CComPtr<IDSTitle> spTitle = FindTitle(m_pProject, TitleOfMoniker(moniker)))
            return CheckShownTitle(spTitle);
    }
    CComPtr<IUnknown> spShown;
    CHECK_HR_SHORT(ShownProduction(pSbd, pPanel, moniker, spShown));
    if (!spShown) {
        AddMissingFile(moniker);
        return S_OK;
    }
    return Search(spShown);
}

HRESULT CProductionSearch::SearchProductionFile(const std::wstring& file)
{
    std::wstring path = ExpandPathMacros(file);
    if (!FirstMeeting(FullPath(path)))
        return S_OK;
    CComPtr<IKVEProductionData> spUnknown;
    CHECK_HR(spUnknown.CoCreateInstance(CLSID_KVEProduction, NULL, CLSCTX_INPROC_SERVER));
    if (FAILED(spUnknown->LoadProduction(CComBSTR(path.c_str()), 0))) {
        AddMissingFile(file);
        return S_OK;
    }
    return Search(spUnknown);
}

HRESULT CProductionSearch::CheckShownTitle(IDSTitle* pTitle)
{
    CComPtr<IUnknown> spProduction;
    CHECK_HR(pTitle->GetProduction(&spProduction));
    CComQIPtr<IKVEProductionData> spTitleSbd(spProduction);
    CHECK_NULL_TEXT(spTitleSbd.p, "(IKVEProductionData*) spTitleSbd");
    LONG nNumberOfPanels = 0;
    CHECK_HR(spTitleSbd->GetNumberOfPanels(&nNumberOfPanels));
    if (nNumberOfPanels == 0) {
        CErrorInfo& error =
            AddFinding(m_errors, ErrorCode_MenuShowsEmptyTitle, ErrorSeverity_Fatal, m_nOwnerID);
        error.setItemID2(GetID(pTitle));
        error.addAffectedTitle(GetID(pTitle));
    }
    return S_OK;
}

void CProductionSearch::AddMissingFile(const std::wstring& file)
{
    eErrorCodes code = m_bIsMenu ? ErrorCode_MenuFileMissing : ErrorCode_TitleFileMissing;
    AddFinding(m_errors, code, ErrorSeverity_Fatal, m_nOwnerID).setFileName(file.c_str());
}

bool CProductionSearch::FirstMeeting(IUnknown* pSbd)
{
    CComPtr<IUnknown> spIdentity;
    if (pSbd)
        pSbd->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&spIdentity));
    return m_metProductions.emplace(spIdentity.p, spIdentity).second;
}

bool CProductionSearch::FirstMeeting(const std::wstring& file)
{
    return m_metFiles.insert(file).second;
}

// The search of one menu's or title's production for what would spoil the disc: source files
// that are missing, production files that cannot be loaded, an empty title production, and a
// menu showing an empty title. Every production reachable from the owner's is searched once:
// nested productions by moniker and production files (".dmsm") at any depth. Productions met
// again, by identity or by file, are passed over, so a production that contains itself ends
// the search instead of looping.
#pragma once

#include "dsutils/ErrorInfo.h"

#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "model/KVEProductionData.h"

#include "platform/ComPtr.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class CProductionSearch
{
public:
    // Findings go to errors, about the owner (a menu when bIsMenu, else a title) of the
    // project. The project and errors are borrowed for the life of the search.
    CProductionSearch(std::vector<CErrorInfo>& errors, IDSProjectData* pProject, LONG nOwnerID,
                      bool bIsMenu);

    // Searches the production and what it reaches. A failed read of the project or a
    // production is returned; what cannot be found or loaded is a finding.
    HRESULT Search(IUnknown* pSbd);

private:
    HRESULT SearchPanel(IKVEProductionData* pSbd, LONG nPanel);
    HRESULT SearchMoniker(IKVEProductionData* pSbd, IBaseObject* pPanel,
                          const std::wstring& moniker);
    HRESULT SearchProductionFile(const std::wstring& file);
    // A menu that shows a title's production: the title must not be empty.
    HRESULT CheckShownTitle(IDSTitle* pTitle);
    void AddMissingFile(const std::wstring& file);
    // Whether the production or file is met for the first time; it is marked as met.
    bool FirstMeeting(IUnknown* pSbd);
    bool FirstMeeting(const std::wstring& file);

    std::vector<CErrorInfo>& m_errors;
    IDSProjectData* m_pProject;
    LONG m_nOwnerID;
    bool m_bIsMenu;
    // Productions by identity, each held so that no other object takes its address while the
    // search lasts; production files by their full path.
    std::map<IUnknown*, CComPtr<IUnknown>> m_metProductions;
    std::set<std::wstring> m_metFiles;
};

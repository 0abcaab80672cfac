// Missing and unloadable files of the validator: data files, and the productions of menus and
// titles with everything they reach.
#include "dsutils/DSProjectValidator.h"

#include "DiscObjects.h"
#include "Findings.h"
#include "ProductionSearch.h"

#include "dsutils/DSTagLists.h"
#include "foundation/FileOperations.h"

#include "model/IDSDataFile.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/PathService.h"

namespace {

// Data files go on the disc as they are, so each must be readable.
HRESULT FindUnreadableDataFiles(IDSProjectData* pProject, std::vector<CErrorInfo>& errors)
{
    LONG nCount = 0;
    CHECK_HR(pProject->get_DataFileCount(&nCount));
    for (LONG i = 1; i <= nCount; ++i) {
        CComPtr<IDSDataFile> spDataFile;
        CHECK_HR(pProject->get_DataFile(i, &spDataFile));
        LONG nDataFileID = 0;
        CComBSTR bstrPath;
        CHECK_HR(spDataFile->get_ID(&nDataFileID));
        CHECK_HR(spDataFile->get_SourcePath(&bstrPath));
        if (!CanOpenForReading(ExpandPathMacros(bstrPath.Str())))
            AddFinding(errors, ErrorCode_DataFileUnreadable, ErrorSeverity_Warning, nDataFileID)
                .setFileName(bstrPath.Str().c_str());
    }
    return S_OK;
}

} // namespace

HRESULT CDSProjectValidator::findMissingOrCorruptFiles(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    CComPtr<IDSProjectData> spProject(pProject);
    CHECK_NULL(spProject.p);
    CHECK_HR_SHORT(FindUnreadableDataFiles(spProject, m_errors));
    for (const CComPtr<IDSMenu>& spMenu : GetDiscMenus(spProject)) {
        LONG nMenuID = 0;
        CHECK_HR(spMenu->get_ID(&nMenuID));
        CComPtr<IUnknown> spSbd;
        if (FAILED(spMenu->GetProduction(&spSbd)) || !spSbd) {
            AddFinding(m_errors, ErrorCode_MenuFileMissing, ErrorSeverity_Fatal, nMenuID);
            continue;
        }
        CHECK_HR(this->doRecursiveSearch(spSbd, nMenuID, VARIANT_TRUE, spProject));
    }
    for (const CComPtr<IDSTitle>& spTitle : GetTitleList(spProject, kAllTags)) {
        LONG nTitleID = 0;
        CHECK_HR(spTitle->get_ID(&nTitleID));
        CComPtr<IUnknown> spSbd;
        if (FAILED(spTitle->GetProduction(&spSbd)) || !spSbd) {
            AddFinding(m_errors, ErrorCode_TitleFileMissing, ErrorSeverity_Fatal, nTitleID);
            continue;
        }
        CHECK_HR(this->doRecursiveSearch(spSbd, nTitleID, VARIANT_FALSE, spProject));
    }
    return S_OK;
}

HRESULT CDSProjectValidator::doRecursiveSearch(IUnknown* pSbd, LONG nOwnerID, VARIANT_BOOL bIsMenu,
                                               IDSProjectData* pProject)
{
    CProductionSearch search(m_errors, pProject, nOwnerID, bIsMenu != VARIANT_FALSE);
    return search.Search(pSbd);
}

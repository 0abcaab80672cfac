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
    // The productions of menus and titles; an owner without one cannot go on the disc.
    auto searchOwners = [&](const auto& owners, VARIANT_BOOL bIsMenu) {
        for (const auto& spOwner : owners) {
            LONG nOwnerID = 0;
            CHECK_HR(spOwner->get_ID(&nOwnerID));
            CComPtr<IUnknown> spSbd;
            if (SUCCEEDED(spOwner->GetProduction(&spSbd)) && spSbd)
                CHECK_HR(this->doRecursiveSearch(spSbd, nOwnerID, bIsMenu, spProject));
            else
                AddFinding(m_errors,
                           bIsMenu ? ErrorCode_MenuFileMissing : ErrorCode_TitleFileMissing,
                           ErrorSeverity_Fatal, nOwnerID);
        }
        return S_OK;
    };
    CHECK_HR_SHORT(searchOwners(GetDiscMenus(spProject), VARIANT_TRUE));
    CHECK_HR_SHORT(searchOwners(GetTitleList(spProject, kAllTags), VARIANT_FALSE));
    return S_OK;
}

HRESULT CDSProjectValidator::doRecursiveSearch(IUnknown* pSbd, LONG nOwnerID, VARIANT_BOOL bIsMenu,
                                               IDSProjectData* pProject)
{
    CProductionSearch search(m_errors, pProject, nOwnerID, bIsMenu != VARIANT_FALSE);
    return search.Search(pSbd);
}

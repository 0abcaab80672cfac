#include "OnDiscThumbnails.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "foundation/FileOperations.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/PathService.h"
#include "platform/WideFormat.h"

namespace {

constexpr const wchar_t* kOnDiscCache = L"OnDiscCache";

// The title the overlay's button plays, with its chapter; null when it is in no such button.
IDSTitle* ButtonTitle(IDSMenuOverlay* pOvl, int& nChapter)
{
    CComPtr<IDSMenuElementList> spParent;
    pOvl->GetParentList(&spParent);
    CComQIPtr<IDSMenuButton> spButton(spParent);
    return spButton ? CDSMenuUtils::GetLinkedTitle(spButton, &nChapter, false) : nullptr;
}

} // namespace

HRESULT CDSMenuUtils::GenerateOnDiscThumbnailCacheFileName(IDSTitle* pTitle, BSTR* pbstrFile,
                                                           int nNumber)
{
    KVUClearErrorStack();
    CHECK_NULL(pTitle);
    CHECK_NULL(pbstrFile);
    LONG lId = 0;
    CHECK_HR(pTitle->get_ID(&lId));
    std::wstring name = FormatWide(L"Thumbnail_T%d_%d", int(lId), nNumber == 0 ? 1 : nNumber);
    CDSFileUtils files;
    CHECK_HR(files.GetFilePath(CDSFileUtils::DirTemp, kOnDiscCache, true, name.c_str(), L"PNG",
                               false, pbstrFile, 0));
    return S_OK;
}

HRESULT CDSMenuUtils::ClearOnDiscThumbnailCache()
{
    KVUClearErrorStack();
    CDSFileUtils files;
    CComBSTR bstrFolder;
    CHECK_HR(files.GetDirectory(CDSFileUtils::DirTemp, kOnDiscCache, bstrFolder, false));
    if (!IsDirectory(bstrFolder.Str()))
        return S_OK;
    return files.EraseFiles(PathAppend(bstrFolder.Str(), L"Thumbnail_T*").c_str());
}

HRESULT GetOnDiscCachedTitleThumbnail(IDSMenuOverlay* pOvl, LONG lSourceId, BSTR* pbstrFile)
{
    CHECK_NULL(pOvl);
    CHECK_NULL(pbstrFile);
    int nChapter = 1;
    IDSTitle* pTitle = ButtonTitle(pOvl, nChapter);
    CComPtr<IDSTitle> spSource = pTitle ? nullptr : FindTitle(GetProject(pOvl), ULONG(lSourceId));
    if (!pTitle && !spSource)
        return S_FALSE;
    CComBSTR bstrFile;
    CHECK_HR(CDSMenuUtils::GenerateOnDiscThumbnailCacheFileName(pTitle ? pTitle : spSource.p,
                                                                &bstrFile, nChapter));
    bool bExists = IsExistingFile(bstrFile.Str());
    *pbstrFile = bstrFile.Detach();
    return bExists ? S_OK : S_FALSE;
}

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSFileUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "foundation/FileOperations.h"

#include "model/IDSProjectFile.h"
#include "model/ModelClasses.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/Config.h"
#include "platform/ErrorStack.h"
#include "platform/PathService.h"
#include "platform/ResultCodes.h"

#include <string_view>

namespace {

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;

// The AC-3 encoder is always there, so a template's audio plays from an ".ac3" file of the same
// name whenever the theme brings one: it needs no encoding when the disc is made.
HRESULT UpgradeTemplateAudio(IDSProjectData* pTheme)
{
    for (const CComPtr<IDSMenu>& spTemplate : GetMenuList(pTheme, kTemplateTags)) {
        CComBSTR bstrAudioSource;
        CHECK_HR(spTemplate->get_Audio(&bstrAudioSource));
        if (bstrAudioSource.IsEmpty() || bstrAudioSource.View().ends_with(L".ac3"))
            continue;
        CComBSTR bstrAc3;
        if (CMenuStyleUtil::ChangeFileExtension(bstrAudioSource, L".ac3", bstrAc3) &&
            IsExistingFile(bstrAc3.Str()))
            CHECK_HR_TEXT(spTemplate->put_Audio(bstrAc3),
                          "spTemplate->put_Audio(CComBSTR(audioSource.m_strPath))");
    }
    return S_OK;
}

// The setting that names the default theme of a project of that kind.
int DefaultThemeSetting(bool b4x3, IDSProjectData* pCurrentProject)
{
    if (pCurrentProject && IsHDProject(pCurrentProject))
        return DSConfig_DefaultThemeHD;
    return b4x3 ? DSConfig_DefaultTheme4x3 : DSConfig_DefaultTheme16x9;
}

// Loads the first theme file of the folder that matches the pattern, in name order.
// bAnyFile tells whether the pattern matched a file at all.
bool LoadFirstTheme(const std::wstring& folder, const wchar_t* pattern, IDSProjectData** ppTheme,
                    CComBSTR& strFound, bool& bAnyFile)
{
    CDSFileUtils search;
    CComBSTR bstrFile;
    HRESULT hr = search.FindFile(PathAppend(folder, pattern).c_str(), &bstrFile);
    bAnyFile = SUCCEEDED(hr);
    for (; SUCCEEDED(hr); bstrFile.Empty(), hr = search.FindNextFileW(&bstrFile)) {
        if (SUCCEEDED(CMenuStyleUtil::Load(bstrFile, ppTheme))) {
            strFound = bstrFile;
            return true;
        }
    }
    return false;
}

// Searches the theme folder of the aspect: "HD_" themes for a high-definition project, and
// every theme when there is none of those (or the project is not high-definition).
bool LoadThemeFromFolder(bool b4x3, bool bHD, IDSProjectData** ppTheme, CComBSTR& strFound)
{
    CComBSTR bstrFolder;
    CDSFileUtils fileUtils;
    if (FAILED(
            fileUtils.GetDirectory(b4x3 ? CDSFileUtils::DirThemes4x3 : CDSFileUtils::DirThemes16x9,
                                   nullptr, bstrFolder, false)))
        return false;
    bool bAnyFile = false;
    if (bHD) {
        if (LoadFirstTheme(bstrFolder.Str(), L"HD_*.dmsd", ppTheme, strFound, bAnyFile))
            return true;
        if (bAnyFile)
            return false;
    }
    return LoadFirstTheme(bstrFolder.Str(), L"*.dmsd", ppTheme, strFound, bAnyFile);
}

} // namespace

HRESULT CMenuStyleUtil::Load(const wchar_t* pszThemeFile, IDSProjectData** ppTheme)
{
    KVUClearErrorStack();
    CHECK_NULL(ppTheme);
    if (!pszThemeFile || !IsExistingFile(pszThemeFile))
        return E_INVALIDARG;
    CComPtr<IDSProjectData> spTheme(*ppTheme);
    bool bNewTheme = !spTheme;
    if (bNewTheme && FAILED(spTheme.CoCreateInstance(CLSID_CDSProjectData)))
        RETURN_CODE(E_LOAD_CANT_CREATE_PROJECT);
    CComPtr<IDSProjectFile> spFileService;
    if (FAILED(spFileService.CoCreateInstance(CLSID_CDSProjectFile)))
        RETURN_CODE(E_LOAD_CANT_CREATE_FILE_SERVICE);
    CComBSTR bstrThemeFile(ExpandPathMacros(pszThemeFile));
    CHECK_HR(spFileService->LoadProject(bstrThemeFile, spTheme));
    CHECK_HR_SHORT(UpgradeTemplateAudio(spTheme));
    // A theme that lacks something is still loaded: the check only reports what is missing.
    CDSAppUtils::VerifyActiveThemeContent(spTheme);
    if (bNewTheme)
        *ppTheme = spTheme.Detach();
    return S_OK;
}

HRESULT CMenuStyleUtil::LoadDefault(bool b4x3, IDSProjectData** ppTheme, CComBSTR& strThemePath,
                                    IDSProjectData* pCurrentProject)
{
    KVUClearErrorStack();
    CHECK_NULL(ppTheme);
    int setting = DefaultThemeSetting(b4x3, pCurrentProject);
    CDSConfig config;
    CComBSTR bstrDefault = config.GetString(setting);
    if (IsExistingFile(bstrDefault.Str()) && SUCCEEDED(Load(bstrDefault, ppTheme))) {
        strThemePath = bstrDefault;
        return S_OK;
    }
    bool bHD = setting == DSConfig_DefaultThemeHD;
    CComBSTR bstrFound;
    if (LoadThemeFromFolder(b4x3, bHD, ppTheme, bstrFound)) {
        if (FAILED(config.SetString(setting, bstrFound)))
            TRACE_LINE("The default theme setting %d could not be written", setting);
        strThemePath = bstrFound;
        return S_OK;
    }
    CHECK_HR_TEXT(GetFallback(ppTheme), "GetFallback(ppTheme)");
    return S_OK;
}

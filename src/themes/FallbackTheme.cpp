#include "dsutils/DSFileUtils.h"
#include "dsutils/DSLayout.h"
#include "dsutils/MenuStyleUtil.h"

#include "foundation/FileOperations.h"

#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"
#include "model/ModelClasses.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"
#include "platform/WideFormat.h"

namespace {

// How long the panel of a solid-colour background production lasts, in seconds.
constexpr double kColorPanelSeconds = 15.0;

// The fallback's layout area: most of the frame, with room for a title above.
constexpr FloatRect kFallbackLayoutRect = {-0.9f, 0.8f, 0.9f, -0.8f};

// The fallback's button: a command button that shows its title's thumbnail.
HRESULT AddThumbnailButton(IDSMenu* pMenu)
{
    CComQIPtr<IDSMenuElementList> spMenu(pMenu);
    CHECK_NULL(spMenu);
    CComPtr<IDSMenuButton> spMenuBtn;
    CHECK_HR_TEXT(spMenu->AddElement(&IID_IDSMenuButton, reinterpret_cast<void**>(&spMenuBtn)),
                  "spMenu->AddElement((GUID*)(&IID_IDSMenuButton), (void **) &spMenuBtn)");
    CHECK_HR(spMenuBtn->put_Tag(ButtonType_Command));
    CComQIPtr<IDSMenuElementList> spMenuBtnList(spMenuBtn);
    CHECK_NULL(spMenuBtnList);
    CComPtr<IDSMenuOverlay> spMenuBtnOverlay;
    CHECK_HR_TEXT(
        spMenuBtnList->AddElement(&IID_IDSMenuOverlay, reinterpret_cast<void**>(&spMenuBtnOverlay)),
        "spMenuBtnList->AddElement((GUID*)(&IID_IDSMenuOverlay), (void **) &spMenuBtnOverlay)");
    CHECK_HR(spMenuBtnOverlay->put_Tag(OverlayType_Thumbnail));
    CHECK_HR(spMenuBtnOverlay->SetSize(0.4f, 0.4f));
    return S_OK;
}

// Writes a production of one solid-colour panel to the file.
HRESULT WriteColorPanelProduction(DWORD dwColor, BSTR bstrFile)
{
    CComPtr<IKVEProductionData> spProduction;
    CHECK_HR(spProduction.CoCreateInstance(CLSID_KVEProduction));
    CComQIPtr<IEditData> spEditData(spProduction);
    CHECK_NULL(spEditData);
    CComPtr<IUnknown> piUnkFS;
    CHECK_HR_TEXT(spEditData->AddSolidColor(0, dwColor, &piUnkFS),
                  "spEditData->AddSolidColor(0, (r<<16 | g << 8 | b), &piUnkFS)");
    CComQIPtr<IBaseObject> piBOPanel(piUnkFS);
    CHECK_NULL(piBOPanel);
    CHECK_HR_TEXT(piBOPanel->put_Duration(kColorPanelSeconds), "piBOPanel->put_Duration(15)");
    CHECK_HR(spProduction->SaveAsProduction(bstrFile));
    return S_OK;
}

} // namespace

HRESULT CMenuStyleUtil::GetFallback(IDSProjectData** ppTheme)
{
    KVUClearErrorStack();
    CComPtr<IDSProjectData> spProject;
    CHECK_HR(spProject.CoCreateInstance(CLSID_CDSProjectData));
    CComPtr<IDSMenu> spMainMenu;
    CHECK_HR(spProject->AddMenu(-1, &spMainMenu));
    if (ppTheme)
        spProject.CopyTo(ppTheme);
    CHECK_HR(GetFallbackMainMenu(spMainMenu));
    return S_OK;
}

HRESULT CMenuStyleUtil::GetFallbackMainMenu(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_HR(pMenu->put_Tag(MenuType_MainTemplate | MenuType_ChapterTemplate));
    CHECK_HR_SHORT(AddThumbnailButton(pMenu));
    ULONG dwLyt = CDSLayout::kDefault;
    CHECK_HR(pMenu->put_ButtonLayout(dwLyt));
    CHECK_HR(pMenu->put_LayoutRect(&kFallbackLayoutRect));
    CComBSTR bstrFile;
    CHECK_HR(GetDefaultVideoClip(&bstrFile, 0));
    CHECK_HR(pMenu->put_Background(bstrFile));
    return S_OK;
}

HRESULT CMenuStyleUtil::GetFallbackChapterMenu(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    GetFallbackMainMenu(pMenu);
    CHECK_HR(pMenu->put_Tag(MenuType_ChapterTemplate));
    CComBSTR bstrFile;
    CHECK_HR(GetDefaultVideoClip(&bstrFile, 1));
    CHECK_HR(pMenu->put_Background(bstrFile));
    return S_OK;
}

HRESULT CMenuStyleUtil::GetDefaultVideoClip(BSTR* pbstrFile, int nKind)
{
    KVUClearErrorStack();
    CHECK_NULL(pbstrFile);
    CComBSTR bstrFile;
    if (nKind == 1)
        CHECK_HR(CreateColorPanelProduction(255, 0, 0, &bstrFile));
    else
        CHECK_HR(CreateColorPanelProduction(0, 0, 255, &bstrFile));
    if (!IsExistingFile(bstrFile.Str()))
        RETURN_CODE(E_FILTERMEDIAFILES_FILE_NOT_FOUND);
    *pbstrFile = bstrFile.Detach();
    return S_OK;
}

HRESULT CMenuStyleUtil::CreateColorPanelProduction(BYTE red, BYTE green, BYTE blue, BSTR* pbstrFile)
{
    KVUClearErrorStack();
    CHECK_NULL(pbstrFile);
    std::wstring name = FormatWide(L"Default_Background_%d_%d_%d", red, green, blue);
    CComBSTR bstrFile;
    CDSFileUtils fileUtils;
    CHECK_HR(fileUtils.GetFilePath(CDSFileUtils::DirAppData, nullptr, true, name.c_str(), L"DMSM",
                                   false, bstrFile, 0));
    if (!IsExistingFile(bstrFile.Str())) {
        DWORD dwColor = DWORD(red) << 16 | DWORD(green) << 8 | DWORD(blue);
        CHECK_HR_SHORT(WriteColorPanelProduction(dwColor, bstrFile));
    }
    *pbstrFile = bstrFile.Detach();
    return S_OK;
}

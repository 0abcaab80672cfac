#include "ProjectMenus.h"
#include "ProjectTheme.h"
#include "TitleButtonSteps.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "production/MenuShape.h"

#include "validation/DiscObjects.h"

#include "model/IDSEncodingParams.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"

namespace {

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;
// The menus a rebuild replaces: the pages of buttons and the templates they were made from.
constexpr ULONG kRebuiltMenus = MenuType_Main | MenuType_Chapter | kTemplateTags;

// The menu that is to survive must be a main menu of the project.
HRESULT CheckKeptMenu(IDSProjectData* pProj, IDSMenu* pMenu)
{
    if (!pMenu)
        return S_OK;
    if (!(GetTag(pMenu) & MenuType_Main) || !GetProject(pMenu).IsEqualObject(pProj)) {
        KVUReportError(L"The menu to keep is no main menu of the project\n");
        LOG_HR(E_INVALIDARG, "pMenu");
        return E_INVALIDARG;
    }
    return S_OK;
}

HRESULT ReadAspect(IDSProjectData* pProj, AspectRatio& ar)
{
    CComQIPtr<IDSEncodingParams> spEP(pProj);
    CHECK_NULL(spEP.p);
    CHECK_HR(spEP->get_AspectRatio(&ar));
    return S_OK;
}

// The kept menu loses its buttons, which lead into the menus about to be deleted.
HRESULT ClearKeptMenu(IDSMenu* pMenu)
{
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, kAllTags))
        CHECK_HR(CDSMenuUtils::DeleteElement(spButton));
    return S_OK;
}

// The kept menu takes the project's shape, which a change of aspect may have changed, and the
// look of the new theme's main template; its texts keep their words. Restyling marks the
// backgrounds made in the old shape to be made again.
HRESULT RestyleKeptMenu(IDSProjectData* pProj, IDSMenu* pMenu)
{
    CComPtr<IDSMenu> spTemplate = CDSMenuUtils::GetDefaultTemplate(pProj, MenuType_MainTemplate);
    CHECK_NULL(spTemplate.p);
    CHECK_HR_SHORT(MatchMenuShape(pMenu));
    CHECK_HR(CDSMenuUtils::ApplyStyle(pMenu, spTemplate));
    return S_OK;
}

HRESULT MakeRootMenu(IDSProjectData* pProj, IDSMenu* pMenu, CComPtr<IDSMenu>& spRoot)
{
    if (pMenu) {
        CHECK_HR_SHORT(RestyleKeptMenu(pProj, pMenu));
        spRoot = pMenu;
        return S_OK;
    }
    CHECK_HR(CDSMenuUtils::AddMenu(pProj, MenuType_Main, &spRoot));
    return S_OK;
}

// The titles that have buttons on the main menus: neither the intro nor the private ones.
bool HasTitleButton(IDSTitle* pTitle)
{
    return !(GetTag(pTitle) & TitleType_FirstPlay);
}

HRESULT AddTitleButtons(IDSProjectData* pProj, IDSMenu* pRoot, bool bChapterMenus)
{
    for (const CComPtr<IDSTitle>& spTitle : GetPlayableTitles(pProj)) {
        if (!HasTitleButton(spTitle))
            continue;
        CComPtr<IDSMenuButton> spButton;
        CHECK_HR_SHORT(AddTitleButtonOnChain(pRoot, spTitle, false, spButton));
        if (bChapterMenus)
            CHECK_HR(CDSAppUtils::MakeChapterMenuBtn(spButton));
    }
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::RegenerateMenus(IDSProjectData* pProj, IDSMenu* pMenu, bool bChapterMenus,
                                     bool bProjectTheme)
{
    KVUClearErrorStack();
    CHECK_NULL(pProj);
    CKVUTimer timer("DSAppUtils::RegenerateMenus", 0);
    CHECK_HR_SHORT(CheckKeptMenu(pProj, pMenu));
    AspectRatio ar = AspectRatio_4x3;
    CHECK_HR_SHORT(ReadAspect(pProj, ar));
    // The theme is loaded before anything is deleted, so that a theme that cannot be had leaves
    // the project as it was.
    CComPtr<IDSProjectData> spDefsTheme;
    CHECK_HR_SHORT(LoadMenuTheme(pProj, ar, bProjectTheme, spDefsTheme));
    timer.AddEntry("Load theme");
    if (pMenu)
        CHECK_HR_SHORT(ClearKeptMenu(pMenu));
    CHECK_HR_SHORT(DeleteMenusExcept(pProj, kRebuiltMenus, pMenu));
    timer.AddEntry("Delete menus");
    CHECK_HR(CDSMenuUtils::CopyTemplates(pProj, spDefsTheme));
    CComPtr<IDSMenu> spRoot;
    CHECK_HR_SHORT(MakeRootMenu(pProj, pMenu, spRoot));
    CHECK_HR_SHORT(AddTitleButtons(pProj, spRoot, bChapterMenus));
    timer.AddEntry("Title buttons");
    CHECK_HR(ReflowMenus(spRoot, true));
    timer.AddEntry("Reflow");
    CHECK_HR_SHORT(SetMenulessEnds(pProj, false));
    CHECK_HR_SHORT(MendDeadLinks(pProj));
    return S_OK;
}

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "ElementSteps.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;

// Appends to the project a duplicate of the template.
HRESULT AppendTemplate(IDSProjectData* pDst, IDSMenu* pTemplate, CComPtr<IDSMenu>& spMenu)
{
    CHECK_HR(pDst->AddMenu(-1, &spMenu));
    CHECK_HR_TEXT(CMenuStyleUtil::DuplicateMenu(spMenu, pTemplate, false),
                  "CMenuStyleUtil::DuplicateMenu(spMenu, vecSrcTemplates[i])");
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::CopyTemplate(IDSProjectData* pDst, const wchar_t* strStyleFile, bool,
                                   IDSMenu** ppMenu, CComBSTR* pstrName)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CComPtr<IDSProjectData> spThemeProj;
    CHECK_HR(CMenuStyleUtil::Load(strStyleFile, &spThemeProj));
    if (pstrName)
        CHECK_HR(spThemeProj->get_Name(&*pstrName));
    CHECK_HR(CDSMenuUtils::CopyTemplates(pDst, spThemeProj, ppMenu));
    return S_OK;
}

HRESULT CDSMenuUtils::CopyTemplates(IDSProjectData* pDst, IDSProjectData* pTheme, IDSMenu** ppMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pTheme);
    std::vector<CComPtr<IDSMenu>> vecSrcTemplates = GetMenuList(pTheme, kTemplateTags);
    LONG lFirstID = 0;
    CComPtr<IDSMenu> spPrevious;
    for (const CComPtr<IDSMenu>& spTemplate : vecSrcTemplates) {
        CComPtr<IDSMenu> spMenu;
        CHECK_HR_SHORT(AppendTemplate(pDst, spTemplate, spMenu));
        if (ppMenu && !*ppMenu)
            spMenu.CopyTo(ppMenu);
        // The ring: each new template points to the first until the next one is made, so that
        // the last closes the ring.
        if (!spPrevious)
            CHECK_HR(spMenu->get_ID(&lFirstID));
        CHECK_HR(spMenu->put_TemplateID(lFirstID));
        if (spPrevious)
            CHECK_HR(spPrevious->put_TemplateID(GetID(spMenu)));
        spPrevious = spMenu;
    }
    return S_OK;
}

HRESULT CDSMenuUtils::ConstructTemplate(IDSMenu* pMenuDst, IDSMenu* pMenuSrc)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenuDst);
    CHECK_NULL(pMenuSrc);
    CHECK_HR_TEXT(CMenuStyleUtil::DuplicateMenu(pMenuDst, pMenuSrc, true),
                  "CMenuStyleUtil::DuplicateMenu( pMenuDst,pMenuSrc,true)");
    bool bChapter = GetTag(pMenuSrc) & MenuType_Chapter;
    CHECK_HR(pMenuDst->put_Tag(bChapter ? MenuType_ChapterTemplate : MenuType_MainTemplate));
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenuSrc, kAllTags)) {
        ULONG type = GetTag(spButton);
        if (!type || CMenuStyleUtil::IsButtonExists(pMenuDst, type))
            continue;
        CHECK_HR_SHORT(AppendCopy(spButton, pMenuDst));
    }
    return S_OK;
}

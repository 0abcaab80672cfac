#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <algorithm>

namespace {

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;

// The template bit that serves menus of a type: chapter menus (and chapter templates) are made
// from chapter templates, every other menu from main templates.
ULONG TemplateBitFor(ULONG menuType)
{
    if (menuType & (MenuType_Chapter | MenuType_ChapterTemplate))
        return MenuType_ChapterTemplate;
    return MenuType_MainTemplate;
}

// The templates of the ring from the head, each once, in ring order. The walk ends where the
// ring closes on the head, and also where it would visit a template again or names an object
// that is no menu, so that a damaged ring cannot make it run for ever.
std::vector<CComPtr<IDSMenu>> WalkRing(IDSProjectData* pProject, IDSMenu* pHead)
{
    std::vector<CComPtr<IDSMenu>> ring;
    std::vector<LONG> visited;
    for (CComPtr<IDSMenu> spMenu(pHead); spMenu;) {
        LONG id = GetID(spMenu);
        if (std::find(visited.begin(), visited.end(), id) != visited.end())
            break;
        visited.push_back(id);
        ring.push_back(spMenu);
        spMenu = FindMenu(pProject, GetTemplateID(spMenu));
    }
    return ring;
}

} // namespace

CComPtr<IDSMenu> CDSMenuUtils::GetMenuTemplate(IDSMenu* pMenu)
{
    if (!pMenu)
        return nullptr;
    LONG lTemplateID = 0;
    CComPtr<IDSProjectData> spProject = GetProject(pMenu);
    CComPtr<IUnknown> spObject;
    if (FAILED(pMenu->get_TemplateID(&lTemplateID)) || !spProject ||
        FAILED(spProject->FindByID(lTemplateID, &spObject)) || !spObject) {
        TRACE_LINE("Can't find template");
        return nullptr;
    }
    return CComQIPtr<IDSMenu>(spObject);
}

HRESULT CDSMenuUtils::FindTemplateByMenuType(IDSProjectData* pProject, IDSMenu* pTemplateHead,
                                             ULONG menuType, IDSMenu** ppTemplate)
{
    KVUClearErrorStack();
    CHECK_NULL(pTemplateHead);
    CHECK_NULL(ppTemplate);
    CComPtr<IDSProjectData> spProject(pProject);
    if (!spProject)
        spProject = GetProject(pTemplateHead);
    ULONG wanted = TemplateBitFor(menuType);
    for (const CComPtr<IDSMenu>& spTemplate : WalkRing(spProject, pTemplateHead)) {
        if (GetTag(spTemplate) & wanted)
            return spTemplate.CopyTo(ppTemplate);
    }
    RETURN_CODE(E_FINDTEMPLATEBYMENUTYPE_NOT_FOUND);
}

HRESULT CDSMenuUtils::FindTemplate(IDSMenu* pMenu, ULONG menuType, IDSMenu** ppTemplate)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_HR(
        FindTemplateByMenuType(GetProject(pMenu), GetMenuTemplate(pMenu), menuType, ppTemplate));
    return S_OK;
}

CComPtr<IDSMenu> CDSMenuUtils::GetDefaultTemplate(IDSProjectData* pProject, ULONG menuType)
{
    CComPtr<IDSMenu> spFirst = GetFirstMenu(pProject, kTemplateTags);
    if (!spFirst)
        return nullptr;
    CComPtr<IDSMenu> spHead = GetMenuTemplate(GetRootMenu(pProject));
    if (!spHead)
        spHead = spFirst;
    CComPtr<IDSMenu> spTemplate;
    if (FAILED(FindTemplateByMenuType(pProject, spHead, menuType, &spTemplate)))
        return spFirst;
    return spTemplate;
}

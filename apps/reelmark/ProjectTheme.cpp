#include "ProjectTheme.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <algorithm>
#include <set>

namespace {

using MenuList = std::vector<CComPtr<IDSMenu>>;

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;

MenuList TemplatesOf(IDSProjectData* project)
{
    return GetMenuList(project, kTemplateTags);
}

// The main and chapter menus that are no templates as well.
MenuList StyledMenusOf(IDSProjectData* project)
{
    MenuList menus = GetMenuList(project, MenuType_Main | MenuType_Chapter);
    std::erase_if(menus, [](const CComPtr<IDSMenu>& menu) { return GetTag(menu) & kTemplateTags; });
    return menus;
}

std::set<LONG> IdsOf(const MenuList& menus)
{
    std::set<LONG> ids;
    for (const CComPtr<IDSMenu>& menu : menus)
        ids.insert(GetID(menu));
    return ids;
}

HRESULT CopyNewTemplates(IDSProjectData* project, IDSProjectData* theme, CComPtr<IDSMenu>& head,
                         ThemeChange& change)
{
    size_t before = TemplatesOf(project).size();
    CHECK_HR(CDSMenuUtils::CopyTemplates(project, theme, &head));
    CHECK_NULL(head.p);
    change.templatesAdded = int(TemplatesOf(project).size() - before);
    return S_OK;
}

HRESULT StyleMenus(const MenuList& menus, IDSMenu* head, ThemeChange& change)
{
    if (menus.empty())
        return S_OK;
    CHECK_HR(CDSMenuUtils::ApplyThemeToMenus(menus, head));
    change.menusStyled = int(menus.size());
    return S_OK;
}

HRESULT DeleteOldTemplates(const MenuList& oldTemplates, ThemeChange& change)
{
    for (const CComPtr<IDSMenu>& old : oldTemplates) {
        CHECK_HR(CDSMenuUtils::DeleteMenu(old));
        ++change.templatesRemoved;
    }
    return S_OK;
}

// Menus that the theme does not style keep a template of the project all the same.
HRESULT RelinkToNewRing(IDSProjectData* project, const std::set<LONG>& deleted, IDSMenu* head)
{
    for (const CComPtr<IDSMenu>& menu : GetMenuList(project, kAllTags)) {
        if (deleted.count(GetTemplateID(menu)))
            CHECK_HR(menu->put_TemplateID(GetID(head)));
    }
    return S_OK;
}

} // namespace

std::vector<ULONG> MenuTypesWithoutTemplate(IDSProjectData* project, IDSProjectData* theme)
{
    MenuList menus = StyledMenusOf(project);
    std::vector<ULONG> missing;
    for (auto [type, templateType] : {std::pair{MenuType_Main, MenuType_MainTemplate},
                                      std::pair{MenuType_Chapter, MenuType_ChapterTemplate}}) {
        bool used = std::any_of(menus.begin(), menus.end(), [type](const CComPtr<IDSMenu>& menu) {
            return (GetTag(menu) & type) != 0;
        });
        if (used && GetMenuList(theme, templateType).empty())
            missing.push_back(type);
    }
    return missing;
}

HRESULT ReplaceTheme(IDSProjectData* project, IDSProjectData* theme, ThemeChange& change)
{
    KVUClearErrorStack();
    CHECK_NULL(project);
    CHECK_NULL(theme);
    if (TemplatesOf(theme).empty() || !MenuTypesWithoutTemplate(project, theme).empty())
        RETURN_CODE(E_INVALIDARG);
    change = ThemeChange();
    MenuList oldTemplates = TemplatesOf(project);
    CComPtr<IDSMenu> head;
    CHECK_HR_SHORT(CopyNewTemplates(project, theme, head, change));
    CHECK_HR_SHORT(StyleMenus(StyledMenusOf(project), head, change));
    CHECK_HR_SHORT(DeleteOldTemplates(oldTemplates, change));
    CHECK_HR_SHORT(RelinkToNewRing(project, IdsOf(oldTemplates), head));
    return S_OK;
}

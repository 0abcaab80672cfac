#include "DiscObjects.h"

#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

namespace {

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;
constexpr ULONG kShownTags = MenuType_Main | MenuType_Chapter | MenuType_Transition;

} // namespace

bool IsTemplateOnlyMenu(IDSMenu* pMenu)
{
    ULONG tag = GetTag(pMenu);
    return (tag & kTemplateTags) != 0 && (tag & kShownTags) == 0;
}

std::vector<CComPtr<IDSMenu>> GetDiscMenus(IDSProjectData* pProject)
{
    std::vector<CComPtr<IDSMenu>> menus = GetMenuList(pProject, kAllTags);
    std::erase_if(menus, [](const CComPtr<IDSMenu>& menu) { return IsTemplateOnlyMenu(menu); });
    return menus;
}

bool IsPrivateTitle(IDSTitle* pTitle)
{
    return (GetTag(pTitle) & TitleType_Private) != 0;
}

std::vector<CComPtr<IDSTitle>> GetPlayableTitles(IDSProjectData* pProject)
{
    std::vector<CComPtr<IDSTitle>> titles = GetTitleList(pProject, kAllTags);
    std::erase_if(titles, [](const CComPtr<IDSTitle>& title) { return IsPrivateTitle(title); });
    return titles;
}

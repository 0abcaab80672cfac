#include "TemplateLookup.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include <algorithm>
#include <vector>

namespace {

ULONG TemplateBitFor(ULONG menuType)
{
    if (menuType & (MenuType_Chapter | MenuType_ChapterTemplate))
        return MenuType_ChapterTemplate;
    return MenuType_MainTemplate;
}

} // namespace

CComPtr<IDSMenu> FindMenuTemplateForType(IDSMenu* pMenu, ULONG menuType)
{
    CComPtr<IDSMenu> spTemplate = CDSMenuUtils::GetMenuTemplate(pMenu);
    ULONG wanted = TemplateBitFor(menuType);
    // Each template is visited once, so that a ring that does not close on its head ends.
    std::vector<LONG> visited;
    while (spTemplate) {
        if (GetTag(spTemplate) & wanted)
            return spTemplate;
        LONG id = GetID(spTemplate);
        if (std::find(visited.begin(), visited.end(), id) != visited.end())
            break;
        visited.push_back(id);
        spTemplate = CDSMenuUtils::GetMenuTemplate(spTemplate);
    }
    return nullptr;
}

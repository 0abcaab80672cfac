#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"

IDSTitle* CDSAppUtils::GetLinkedChapterTitle(IDSMenuButton* pButton, int* pnChapter)
{
    if (!(GetTag(pButton) & ButtonType_Command))
        return nullptr;
    if (IDSMenu* pLinked = CDSMenuUtils::GetLinkedMenu(pButton)) {
        if (!(GetTag(pLinked) & MenuType_Chapter))
            return nullptr;
        std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(pLinked, ButtonType_Command);
        if (buttons.empty())
            return nullptr;
        return CDSMenuUtils::GetLinkedTitle(buttons.front(), pnChapter, false);
    }
    // A button on a chapter menu page plays its title itself.
    CComPtr<IDSMenu> spMenu;
    if (FAILED(pButton->GetMenu(&spMenu)) || !(GetTag(spMenu) & MenuType_Chapter))
        return nullptr;
    return CDSMenuUtils::GetLinkedTitle(pButton, pnChapter, false);
}

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

bool CDSMenuUtils::MenuShouldBeStill(IDSMenu* pMenu)
{
    CComPtr<IDSProjectData> spProject = GetProject(pMenu);
    if (!spProject)
        return false;
    // A project that does not answer is taken for a plain DVD, whose menus may move.
    DiscFormat format = DiscFormat_DVD;
    spProject->get_DiscFormat(&format);
    return !CDSAppUtils::IsFormatCap(format, FormatCap_MotionMenus);
}

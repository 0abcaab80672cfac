#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"

#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"

#include "platform/ErrorStack.h"

bool CDSMenuUtils::MenuShouldBeStill(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    if (!pMenu)
        return false;
    CComPtr<IDSProjectData> spProject;
    pMenu->GetProject(&spProject);
    if (!spProject)
        return false;
    // A project that cannot answer is taken for a DVD.
    DiscFormat format = DiscFormat_DVD;
    spProject->get_DiscFormat(&format);
    return !CDSAppUtils::IsFormatCap(format, FormatCap_MotionMenus);
}

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"

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

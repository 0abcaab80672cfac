#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "ModelObject.h"

namespace {

// The object itself when it is a project, else its project.
CComPtr<IDSProjectData> ProjectOf(IUnknown* pObject)
{
    CComQIPtr<IDSProjectData> spProject(pObject);
    if (spProject)
        return spProject;
    return GetProject(pObject);
}

bool DiscFormatOf(IDSProjectData* pProject, DiscFormat& format)
{
    format = DiscFormat_None;
    return pProject && SUCCEEDED(pProject->get_DiscFormat(&format));
}

} // namespace

bool IsNTSC(IUnknown* pObject)
{
    CComPtr<IDSProjectData> spProject = ProjectOf(pObject);
    TVStandard standard = TVStandard_NTSC;
    if (!spProject || FAILED(spProject->get_TVStandard(&standard)))
        return true;
    return standard == TVStandard_NTSC;
}

bool IsAspectRatio16x9(IUnknown* pObject)
{
    CComQIPtr<IDSEncodingParams> spEP(pObject);
    if (spEP) {
        AspectRatio aspect = AspectRatio_4x3;
        return SUCCEEDED(spEP->get_AspectRatio(&aspect)) && aspect == AspectRatio_16x9;
    }
    ModelObject object(pObject);
    if (object.element) {
        CComPtr<IDSMenu> spMenu;
        return SUCCEEDED(object.element->GetMenu(&spMenu)) && spMenu && IsAspectRatio16x9(spMenu);
    }
    // Menus keep no encoding parameters: a menu answers for its project, else every menu
    // would be 4:3 and no 16:9 letterbox subpicture could ever be written.
    if (object.menu) {
        CComPtr<IDSProjectData> spProject = GetProject(object.menu.p);
        return spProject && IsAspectRatio16x9(spProject);
    }
    return false;
}

bool IsAspectRatio4x3(IUnknown* pObject)
{
    return !IsAspectRatio16x9(pObject);
}

bool IsDVDProject(IUnknown* pObject, DiscFormat* pFormat)
{
    CComQIPtr<IDSProjectData> spProject(pObject);
    DiscFormat format = DiscFormat_None;
    if (!DiscFormatOf(spProject, format))
        return false;
    if (pFormat)
        *pFormat = format;
    return format >= DiscFormat_DVD && format <= DiscFormat_DVD4;
}

bool IsHDProject(IDSProjectData* pProject)
{
    DiscFormat format = DiscFormat_None;
    return DiscFormatOf(pProject, format) && format >= DiscFormat_BluRay &&
           format <= DiscFormat_AVCHD;
}

bool IsMenuless(IDSProjectData* pProject)
{
    LONG count = 0;
    if (!pProject || FAILED(pProject->get_MenuCount(&count)))
        return false;
    return GetMenuList(pProject, MenuType_Main | MenuType_Chapter).empty();
}

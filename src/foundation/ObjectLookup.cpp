#include "dsutils/DSTags.h"

#include "ModelObject.h"

#include "platform/ErrorStack.h"

namespace {

// The project of a menu or a title.
template <class I> CComPtr<IDSProjectData> OwnProject(I* pObject)
{
    CComPtr<IDSProjectData> spProject;
    if (!pObject || FAILED(pObject->GetProject(&spProject)))
        return nullptr;
    return spProject;
}

CComPtr<IDSProjectData> ProjectOfElement(IDSMenuElement* pElement)
{
    CComPtr<IDSMenu> spMenu;
    if (!pElement || FAILED(pElement->GetMenu(&spMenu)))
        return nullptr;
    return OwnProject(spMenu.p);
}

template <class I> CComPtr<I> FindAs(IDSProjectData* pProject, ULONG id)
{
    CComPtr<IUnknown> spObject;
    CComPtr<I> spFound;
    if (pProject && SUCCEEDED(pProject->FindByID(static_cast<LONG>(id), &spObject)) && spObject)
        spObject.QueryInterface(&spFound);
    return spFound;
}

bool HasLabel(IDSMenuButton* pButton)
{
    CComPtr<IDSMenuText> spLabel;
    return SUCCEEDED(pButton->GetLabel(&spLabel)) && spLabel;
}

DVDObjectType TypeOf(IUnknown* pObject)
{
    if (CComQIPtr<IDSMenuButton> spButton(pObject); spButton)
        return HasLabel(spButton) ? DVDObject_TextButton : DVDObject_Button;
    if (CComQIPtr<IDSMenuText>(pObject))
        return DVDObject_Text;
    if (CComQIPtr<IDSMenuOverlay>(pObject))
        return DVDObject_Overlay;
    if (CComQIPtr<IDSMenu>(pObject))
        return DVDObject_Menu;
    if (CComQIPtr<IDSTitle>(pObject))
        return DVDObject_Title;
    return DVDObject_None;
}

} // namespace

DVDObjectType GetDVDObjectType(IUnknown* pProject, LONG id)
{
    KVUClearErrorStack();
    CComQIPtr<IDSProjectData> spProject(pProject);
    CComPtr<IUnknown> spObject;
    if (!spProject || FAILED(spProject->FindByID(id, &spObject)) || !spObject)
        return DVDObject_None;
    return TypeOf(spObject);
}

CComPtr<IDSProjectData> GetProject(IUnknown* pObject)
{
    ModelObject object(pObject);
    if (object.element)
        return ProjectOfElement(object.element);
    if (object.menu)
        return OwnProject(object.menu.p);
    if (object.title)
        return OwnProject(object.title.p);
    return nullptr;
}

CComPtr<IDSProjectData> GetProject(IDSMenu* pMenu)
{
    return OwnProject(pMenu);
}

CComPtr<IDSProjectData> GetProject(IDSTitle* pTitle)
{
    return OwnProject(pTitle);
}

CComPtr<IDSProjectData> GetProject(IDSMenuButton* pButton)
{
    return ProjectOfElement(pButton);
}

CComPtr<IDSProjectData> GetProject(IDSMenuOverlay* pOverlay)
{
    return ProjectOfElement(pOverlay);
}

CComPtr<IDSMenu> FindMenu(IDSProjectData* pProject, ULONG id)
{
    return FindAs<IDSMenu>(pProject, id);
}

CComPtr<IDSTitle> FindTitle(IDSProjectData* pProject, ULONG id)
{
    return FindAs<IDSTitle>(pProject, id);
}

CComPtr<IDSMenuButton> FindMenuButton(IDSProjectData* pProject, ULONG id)
{
    return FindAs<IDSMenuButton>(pProject, id);
}

CComPtr<IDSMenuText> FindMenuText(IDSProjectData* pProject, ULONG id)
{
    return FindAs<IDSMenuText>(pProject, id);
}

CComPtr<IDSMenuOverlay> FindMenuOverlay(IDSProjectData* pProject, ULONG id)
{
    return FindAs<IDSMenuOverlay>(pProject, id);
}

#include "FakeMenuModel.h"

namespace {

// The element with that ID in a list, at any depth.
IUnknown* FindIn(const std::vector<CComPtr<IDSMenuElement>>& elements, LONG id)
{
    for (const CComPtr<IDSMenuElement>& element : elements) {
        if (StateOf(element).id == id)
            return element;
        if (auto* button = dynamic_cast<FakeMenuButton*>(element.p)) {
            if (IUnknown* found = FindIn(button->elements, id))
                return found;
        }
    }
    return nullptr;
}

// Gives an element entering a list its ID and its links back.
void AdoptElement(FakeElementState& element, FakeProjectData* project, IDSMenu* menu,
                  IDSMenuElementList* parent, FakeElementState* holder)
{
    element.id = project ? project->NewId() : 0;
    element.menu = menu;
    element.parent = parent;
    element.holder = holder;
    // What the element holds belongs to the same project.
    if (auto* button = dynamic_cast<FakeMenuButton*>(&element))
        button->project = project;
}

HRESULT HandOut(FakeProjectData* project, IDSProjectData** value)
{
    CComPtr<IDSProjectData>(project).CopyTo(value);
    return project ? S_OK : S_FALSE;
}

} // namespace

HRESULT FakeMenuButton::Copy(IDSMenuElement** copy)
{
    CComPtr<FakeMenuButton> duplicate = FakeMenuButton::Create();
    duplicate->tag = tag;
    duplicate->x = x;
    duplicate->y = y;
    duplicate->w = w;
    duplicate->h = h;
    duplicate->stored = stored;
    *copy = duplicate.Detach();
    return S_OK;
}

void FakeMenuButton::Adopt(FakeElementState& element)
{
    AdoptElement(element, project, menu, this, this);
}

HRESULT FakeMenu::GetProject(IDSProjectData** value)
{
    return HandOut(project, value);
}

void FakeMenu::Adopt(FakeElementState& element)
{
    AdoptElement(element, project, this, this, nullptr);
}

HRESULT FakeMenuTitle::GetProject(IDSProjectData** value)
{
    return HandOut(project, value);
}

HRESULT FakeProjectData::FindByID(LONG id, IUnknown** object)
{
    *object = nullptr;
    IUnknown* found = nullptr;
    for (const CComPtr<FakeMenuTitle>& title : titles)
        found = title->id == id ? title->GetUnknown() : found;
    for (const CComPtr<FakeMenu>& menu : menus) {
        if (!found && menu->id == id)
            found = menu->GetUnknown();
        if (!found)
            found = FindIn(menu->elements, id);
    }
    if (!found)
        return E_INVALIDARG;
    return CComPtr<IUnknown>(found).CopyTo(object);
}

// Builds the projects of the navigation tests through the object model's interfaces.
#pragma once

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "platform/ComPtr.h"

#include <initializer_list>
#include <vector>

// By default a project of the object model, with the media engine's productions.
class NavigationProject
{
public:
    NavigationProject();
    // A project of another implementation of the model.
    explicit NavigationProject(IDSProjectData* pProject) : project(pProject) {}

    CComPtr<IDSMenu> AddMenu(ULONG tag);
    CComPtr<IDSTitle> AddTitle(const wchar_t* name, ULONG tag = TitleType_User);
    // A button of the menu centred at (x, y), 0.3 wide and 0.2 high.
    CComPtr<IDSMenuButton> AddButton(IDSMenu* pMenu, ULONG tag, float x = 0.0f, float y = 0.0f);
    // A thumbnail overlay inside the button, centred on it, of the given size.
    CComPtr<IDSMenuOverlay> AddThumbnail(IDSMenuButton* pButton, float width, float height);
    // A text element of a menu or a button.
    CComPtr<IDSMenuText> AddText(IUnknown* pHolder, const wchar_t* label);
    // A button of the menu that leads to the target (a title or a menu).
    CComPtr<IDSMenuButton> AddLinkedButton(IDSMenu* pMenu, ULONG tag, IUnknown* pTarget);
    // Chains the pages with Prev and Next buttons, in the order given.
    void Chain(std::initializer_list<IDSMenu*> pages);

    CComPtr<IDSProjectData> project;
};

// Replaces the commands of an object (a button, a menu or a title).
void SetCommands(IUnknown* pObject, const std::vector<DiscCommandParams>& commands);
// The commands of an object, nodes left out.
std::vector<DiscCommandParams> CommandsOf(IUnknown* pObject);

// The neighbour record of an element.
ElementNeighbours NeighboursOf(IDSMenuElement* pElement);

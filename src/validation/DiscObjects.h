// The menus and titles of a project that go on the disc for a viewer: the project also holds
// hidden template menus, which new menus are made from, and private titles, which the library
// keeps for menu backgrounds and overlay montages.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "platform/ComPtr.h"

#include <vector>

// Whether the menu is tagged as a template and as nothing the disc shows.
bool IsTemplateOnlyMenu(IDSMenu* pMenu);
// Every menu of the project but the template-only ones, in project order.
std::vector<CComPtr<IDSMenu>> GetDiscMenus(IDSProjectData* pProject);

// Whether the title is tagged TitleType_Private.
bool IsPrivateTitle(IDSTitle* pTitle);
// Every title of the project but the private ones, in project order.
std::vector<CComPtr<IDSTitle>> GetPlayableTitles(IDSProjectData* pProject);

// Finding the template menus that a menu of the project was made from. A menu's TemplateID
// names one template menu of its project (its template head); template menus are chained
// through their own TemplateIDs into a ring, one template per menu type.
#pragma once

#include "model/IDSMenu.h"

#include "platform/ComPtr.h"

// The menu of the menu's project whose ID is the menu's TemplateID; null when there is none.
CComPtr<IDSMenu> FindMenuTemplate(IDSMenu* pMenu);

// The template for menus of a type, walking the ring from the menu's template head: the first
// template tagged MenuType_ChapterTemplate when the type has MenuType_Chapter or
// MenuType_ChapterTemplate, else the first tagged MenuType_MainTemplate. Null when the ring
// has none; a broken ring ends the walk.
CComPtr<IDSMenu> FindMenuTemplateForType(IDSMenu* pMenu, ULONG menuType);

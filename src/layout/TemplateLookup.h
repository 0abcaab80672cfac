// Finding the template that a menu of a given type is made from. A menu's TemplateID names one
// template menu of its project (its template head); template menus are chained through their
// own TemplateIDs into a ring, one template per menu type.
#pragma once

#include "model/IDSMenu.h"

#include "platform/ComPtr.h"

// The template for menus of a type, walking the ring from the menu's template head: the first
// template tagged MenuType_ChapterTemplate when the type has MenuType_Chapter or
// MenuType_ChapterTemplate, else the first tagged MenuType_MainTemplate. Null when the ring
// has none; a broken ring ends the walk.
CComPtr<IDSMenu> FindMenuTemplateForType(IDSMenu* pMenu, ULONG menuType);

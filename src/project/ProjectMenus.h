// Taking menus out of a project and mending what led to them, for the operations that rebuild
// a project's menus or take them away.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

// Deletes every menu of the project whose tag matches the mask, except pKeep (may be null),
// then the transition menus that no button leads to any more and the background titles of the
// deleted menus that no menu left uses. Links that led to the deleted menus stay; MendDeadLinks
// mends them. Stops at the first failure.
HRESULT DeleteMenusExcept(IDSProjectData* pProj, ULONG mask, IDSMenu* pKeep);

// Mends the commands that lead to titles or menus the project no longer has: the project's own
// commands and those of its titles that jump to a menu that is gone jump to the root menu
// instead (the command goes when there is no root menu); commands that play a title that is
// gone go; the commands of menus and their buttons that lead nowhere go. Stops at the first
// failed write.
HRESULT MendDeadLinks(IDSProjectData* pProj);

// Gives the title the end command of a project without menus (DiscCommand_MenulessTitleEnd as
// its first command), or with bMenuless false takes that command away, so that the player
// goes back to the menus after the title.
HRESULT SetMenulessEnd(IDSTitle* pTitle, bool bMenuless);
// The same for every title of the project but its private ones.
HRESULT SetMenulessEnds(IDSProjectData* pProj, bool bMenuless);

// The steps that give titles their buttons on a menu chain, shared by the operations that add
// titles with buttons and the one that rebuilds a project's menus.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "platform/ComPtr.h"

// Gives the title a command button (CDSAppUtils::AddButton) on the first page of the chain of
// pChain that has room; when every page is full a new page is appended to the chain for it
// (CDSMenuUtils::FindAvailableMenu). With bArrange the page is laid out. On failure the page
// made for the button goes again and the failure, reported, is returned.
HRESULT AddTitleButtonOnChain(IDSMenu* pChain, IDSTitle* pTitle, bool bArrange,
                              CComPtr<IDSMenuButton>& spButton);

// Takes a title that could not be given everything it was to have out of the project again:
// the chapter menus made for it (with the button that led to them), the buttons that play it
// and the title itself. The report of the failure on the error stack stays as it is.
void TakeTitleOut(IDSProjectData* pProj, IDSTitle* pTitle);

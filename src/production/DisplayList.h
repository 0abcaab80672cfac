// Display lists: the titles an overlay stands for, each with the moment of the title whose
// picture it shows, built from the overlay's source type.
#pragma once

#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "platform/ComPtr.h"

#include <vector>

struct DisplayEntry
{
    // The title (for a button linked to a menu without a title: the menu).
    LONG m_Id = 0;
    // Where in the object's production the picture is taken, in seconds.
    double m_dOffset = 0.0;
};
using DisplayList = std::vector<DisplayEntry>;

// The user titles of the project: its titles tagged TitleType_User that are not excluded, in
// project order.
std::vector<CComPtr<IDSTitle>> GetUserTitles(IDSProjectData* pProject);

// The thumbnail time of a chapter of a production: for a chapter below 2 the production's own
// thumbnail time, else the chapter's. A time that cannot be read is 0, and so is a negative
// one (traced).
double GetThumbnailTime(IUnknown* pProduction, int nChapter);

// One list builder for each source type: the button's command link (E_POINTER when the
// overlay is in no button), one title by ID, every user title, every title reached from the
// buttons of the overlay's menu. Lists are appended to.
HRESULT ResolveBtnCmdLink(IDSMenuOverlay* pOvl, DisplayList& displayList);
HRESULT ResolveTitleId(IDSMenuOverlay* pOvl, LONG lTitleId, DisplayList& displayList);
HRESULT ResolveAllTitles(IDSMenuOverlay* pOvl, DisplayList& displayList);
HRESULT ResolveAllMenuTitles(IDSMenuOverlay* pOvl, DisplayList& displayList);

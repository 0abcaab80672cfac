// The chapter buttons of chapter menus: command buttons that play one chapter of a title and
// keep the ID of the chapter's marker.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSTitle.h"

#include "platform/ComPtr.h"

// The marker ID that the button of chapter 1, which has no marker, keeps.
inline constexpr LONG kChapterOneMarkerId = -1;

// Appends to the page a command button made from its template that plays the title from the
// chapter, labelled with the chapter's number and keeping lMarkerId; spButton receives it.
HRESULT AddChapterButton(IDSMenu* pPage, IDSTitle* pTitle, LONG lChapter, LONG lMarkerId,
                         CComPtr<IDSMenuButton>& spButton);

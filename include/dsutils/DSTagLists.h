// The objects of a project or a menu whose tags match a mask, in project or element order. An
// object matches when its tag shares a bit with the mask; the mask 0xFFFFFFFF (-1) matches
// every object, tagged or not. Objects that cannot be read are left out; a null or unreadable
// holder gives an empty list. The lists hold counted references.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "platform/ComPtr.h"

#include <vector>

inline constexpr ULONG kAllTags = 0xFFFFFFFFu;

// Whether a tag matches a mask by the rule above.
bool MatchesTagMask(ULONG tag, ULONG mask);

std::vector<CComPtr<IDSMenu>> GetMenuList(IDSProjectData* pProject, ULONG mask);
std::vector<CComPtr<IDSTitle>> GetTitleList(IDSProjectData* pProject, ULONG mask);
// The first of the project's menus that match (one reference), found without reading the menus
// after it; null when none matches (foundation/TagLists.cpp).
CComPtr<IDSMenu> GetFirstMenu(IDSProjectData* pProject, ULONG mask);

// The elements of a menu or a button (anything that answers IDSMenuElementList), its own
// list only, not the elements its buttons hold.
std::vector<CComPtr<IDSMenuElement>> GetElementList(IUnknown* pHolder, ULONG mask);
// The buttons, texts and overlays among them.
std::vector<CComPtr<IDSMenuButton>> GetButtonList(IUnknown* pHolder, ULONG mask);
std::vector<CComPtr<IDSMenuText>> GetTextList(IUnknown* pHolder, ULONG mask);
std::vector<CComPtr<IDSMenuOverlay>> GetOverlayList(IUnknown* pHolder, ULONG mask);

#include "MenuTree.h"

#include "DisplayNames.h"
#include "TextFormat.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSReachabilityReport.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <algorithm>
#include <map>

using nlohmann::json;

namespace {

using MenuList = std::vector<CComPtr<IDSMenu>>;

// Where each menu sits: the first page of its chain and its 1-based page number.
struct PagePlace
{
    LONG chain = 0;
    int page = 0;
};
using PagePlaces = std::map<LONG, PagePlace>;

bool Holds(const MenuList& menus, IDSMenu* menu)
{
    return std::any_of(menus.begin(), menus.end(),
                       [&](const CComPtr<IDSMenu>& held) { return held.p == menu; });
}

// The pages of the chain that starts at first, in Next order, then the menus that name first as
// their first page but are not reached through Next links, in project order.
MenuList PagesOfChain(IDSMenu* first, const MenuList& menus)
{
    MenuList pages;
    for (IDSMenu* page = first; page && Holds(menus, page) && !Holds(pages, page);
         page = CDSMenuUtils::GetNextMenu(page))
        pages.emplace_back(page);
    for (const CComPtr<IDSMenu>& menu : menus) {
        if (CDSMenuUtils::GetFirstMenuInChain(menu) == first && !Holds(pages, menu))
            pages.push_back(menu);
    }
    return pages;
}

std::vector<MenuList> ChainsOf(const MenuList& menus)
{
    std::vector<MenuList> chains;
    MenuList placed;
    for (const CComPtr<IDSMenu>& menu : menus) {
        if (Holds(placed, menu))
            continue;
        MenuList pages = PagesOfChain(CDSMenuUtils::GetFirstMenuInChain(menu), menus);
        if (!Holds(pages, menu))
            pages.push_back(menu);
        placed.insert(placed.end(), pages.begin(), pages.end());
        chains.push_back(std::move(pages));
    }
    return chains;
}

PagePlaces PlacesOf(const std::vector<MenuList>& chains)
{
    PagePlaces places;
    for (const MenuList& chain : chains) {
        for (size_t i = 0; i < chain.size(); ++i)
            places[GetID(chain[i])] = {GetID(chain.front()), int(i + 1)};
    }
    return places;
}

json MenuTarget(IDSMenu* menu, const PagePlaces& places)
{
    LONG id = GetID(menu);
    json target = {{"type", "menu"},
                   {"id", id},
                   {"name", Utf8(GetDisplayName(menu, nullptr))},
                   {"kind", MenuKindOf(GetTag(menu)).key}};
    auto place = places.find(id);
    target["chain"] = place == places.end() ? json(nullptr) : json(place->second.chain);
    target["page"] = place == places.end() ? json(nullptr) : json(place->second.page);
    return target;
}

json TitleTarget(IDSTitle* title, int chapter)
{
    return {{"type", "title"},
            {"id", GetID(title)},
            {"name", Utf8(GetDisplayName(title, nullptr))},
            {"chapter", std::max(chapter, 1)}};
}

json TargetOf(IDSMenuButton* button, const PagePlaces& places)
{
    if (IDSMenu* menu = CDSMenuUtils::GetLinkedMenu(button))
        return MenuTarget(menu, places);
    int chapter = 0;
    if (IDSTitle* title = CDSMenuUtils::GetLinkedTitle(button, &chapter, false))
        return TitleTarget(title, chapter);
    return nullptr;
}

json ButtonEntry(IDSMenuButton* button, const PagePlaces& places)
{
    ULONG tag = GetTag(button);
    json entry = {{"id", GetID(button)},
                  {"kind", ButtonKindOf(tag).key},
                  {"label", Utf8(GetDisplayName(button, nullptr))},
                  {"target", TargetOf(button, places)}};
    entry["number"] = (tag & ButtonType_Command) ? json(GetOrdinal(button)) : json(nullptr);
    return entry;
}

json PageEntry(IDSMenu* page, const PagePlaces& places)
{
    json entry = {{"id", GetID(page)},
                  {"name", Utf8(GetDisplayName(page, nullptr))},
                  {"buttons", json::array()}};
    for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, kAllTags))
        entry["buttons"].push_back(ButtonEntry(button, places));
    return entry;
}

json ChainEntry(const MenuList& chain, const PagePlaces& places,
                const CDSReachabilityReport& reachability)
{
    IDSMenu* first = chain.front();
    ULONG tag = GetTag(first);
    json entry = {{"id", GetID(first)},
                  {"kind", MenuKindOf(tag).key},
                  {"name", Utf8(GetDisplayName(first, nullptr))},
                  {"title", nullptr},
                  {"pages", json::array()}};
    if (IDSTitle* title = CDSMenuUtils::GetLinkedTitle(first))
        entry["title"] = {{"id", GetID(title)}, {"name", Utf8(GetDisplayName(title, nullptr))}};
    entry["reachable"] = std::any_of(chain.begin(), chain.end(), [&](const CComPtr<IDSMenu>& page) {
        return reachability.IsReachable(GetID(page));
    });
    for (const CComPtr<IDSMenu>& page : chain)
        entry["pages"].push_back(PageEntry(page, places));
    return entry;
}

} // namespace

HRESULT DescribeMenus(IDSProjectData* project, json& report)
{
    KVUClearErrorStack();
    CHECK_NULL(project);
    IDSMenu* root = CDSMenuUtils::GetRootMenu(project);
    CDSReachabilityReport reachability;
    CHECK_HR(reachability.Build(project));
    report["root"] = root ? json(GetID(root)) : json(nullptr);
    std::vector<MenuList> chains = ChainsOf(GetMenuList(project, MenuType_Main | MenuType_Chapter));
    PagePlaces places = PlacesOf(chains);
    report["menus"] = json::array();
    for (const MenuList& chain : chains)
        report["menus"].push_back(ChainEntry(chain, places, reachability));
    return S_OK;
}

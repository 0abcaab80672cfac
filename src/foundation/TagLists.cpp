#include "dsutils/DSTagLists.h"

#include <limits>

namespace {

// Reads count items through item(index, out) and keeps those whose tag matches, the first most
// of them at most.
template <class I, class Item>
std::vector<CComPtr<I>> Matching(LONG count, ULONG mask, Item item,
                                 size_t most = std::numeric_limits<size_t>::max())
{
    std::vector<CComPtr<I>> list;
    for (LONG index = 1; index <= count && list.size() < most; ++index) {
        CComPtr<I> object;
        if (FAILED(item(index, &object)) || !object)
            continue;
        ULONG tag = 0;
        if (FAILED(object->get_Tag(&tag)))
            tag = 0;
        if (MatchesTagMask(tag, mask))
            list.push_back(object);
    }
    return list;
}

// The project's menus or titles, read through their count and 1-based item properties.
template <class I>
std::vector<CComPtr<I>> ProjectList(IDSProjectData* pProject,
                                    HRESULT (IDSProjectData::*countOf)(LONG*),
                                    HRESULT (IDSProjectData::*itemOf)(LONG, I**), ULONG mask,
                                    size_t most = std::numeric_limits<size_t>::max())
{
    LONG count = 0;
    if (!pProject || FAILED((pProject->*countOf)(&count)))
        return {};
    return Matching<I>(
        count, mask, [&](LONG index, I** item) { return (pProject->*itemOf)(index, item); }, most);
}

} // namespace

// The elements of a holder's list whose tags match and that are of kind I.
template <class I> static std::vector<CComPtr<I>> ElementsOfKind(IUnknown* pHolder, ULONG mask)
{
    std::vector<CComPtr<I>> list;
    for (const CComPtr<IDSMenuElement>& element : GetElementList(pHolder, mask)) {
        CComQIPtr<I> kind(element);
        if (kind)
            list.push_back(kind);
    }
    return list;
}

bool MatchesTagMask(ULONG tag, ULONG mask)
{
    return mask == kAllTags || (tag & mask) != 0;
}

std::vector<CComPtr<IDSMenu>> GetMenuList(IDSProjectData* pProject, ULONG mask)
{
    return ProjectList(pProject, &IDSProjectData::get_MenuCount, &IDSProjectData::get_Menu, mask);
}

CComPtr<IDSMenu> GetFirstMenu(IDSProjectData* pProject, ULONG mask)
{
    std::vector<CComPtr<IDSMenu>> first =
        ProjectList(pProject, &IDSProjectData::get_MenuCount, &IDSProjectData::get_Menu, mask, 1);
    return first.empty() ? nullptr : first.front();
}

std::vector<CComPtr<IDSTitle>> GetTitleList(IDSProjectData* pProject, ULONG mask)
{
    return ProjectList(pProject, &IDSProjectData::get_TitleCount, &IDSProjectData::get_Title, mask);
}

std::vector<CComPtr<IDSMenuElement>> GetElementList(IUnknown* pHolder, ULONG mask)
{
    CComQIPtr<IDSMenuElementList> spList(pHolder);
    LONG count = 0;
    if (!spList || FAILED(spList->get_Count(&count)))
        return {};
    return Matching<IDSMenuElement>(count, mask, [&](LONG index, IDSMenuElement** element) {
        return spList->get_Item(index, element);
    });
}

std::vector<CComPtr<IDSMenuButton>> GetButtonList(IUnknown* pHolder, ULONG mask)
{
    return ElementsOfKind<IDSMenuButton>(pHolder, mask);
}

std::vector<CComPtr<IDSMenuText>> GetTextList(IUnknown* pHolder, ULONG mask)
{
    return ElementsOfKind<IDSMenuText>(pHolder, mask);
}

std::vector<CComPtr<IDSMenuOverlay>> GetOverlayList(IUnknown* pHolder, ULONG mask)
{
    return ElementsOfKind<IDSMenuOverlay>(pHolder, mask);
}

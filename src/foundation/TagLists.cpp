#include "dsutils/DSTagLists.h"

namespace {

// Reads count items through item(index, out) and keeps those whose tag matches.
template <class I, class Item> std::vector<CComPtr<I>> Matching(LONG count, ULONG mask, Item item)
{
    std::vector<CComPtr<I>> list;
    for (LONG index = 1; index <= count; ++index) {
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

} // namespace

bool MatchesTagMask(ULONG tag, ULONG mask)
{
    return mask == kAllTags || (tag & mask) != 0;
}

std::vector<CComPtr<IDSMenu>> GetMenuList(IDSProjectData* pProject, ULONG mask)
{
    LONG count = 0;
    if (!pProject || FAILED(pProject->get_MenuCount(&count)))
        return {};
    return Matching<IDSMenu>(
        count, mask, [&](LONG index, IDSMenu** menu) { return pProject->get_Menu(index, menu); });
}

std::vector<CComPtr<IDSTitle>> GetTitleList(IDSProjectData* pProject, ULONG mask)
{
    LONG count = 0;
    if (!pProject || FAILED(pProject->get_TitleCount(&count)))
        return {};
    return Matching<IDSTitle>(count, mask, [&](LONG index, IDSTitle** title) {
        return pProject->get_Title(index, title);
    });
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
    std::vector<CComPtr<IDSMenuButton>> buttons;
    for (const CComPtr<IDSMenuElement>& element : GetElementList(pHolder, mask)) {
        CComQIPtr<IDSMenuButton> button(element);
        if (button)
            buttons.push_back(button);
    }
    return buttons;
}

#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "ModelObject.h"

namespace {

template <class I> int PlaceIn(const std::vector<CComPtr<I>>& list, IUnknown* pObject)
{
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].IsEqualObject(pObject))
            return static_cast<int>(i + 1);
    }
    return 0;
}

int ButtonPlace(IDSMenuElement* pElement)
{
    CComPtr<IDSMenu> spMenu;
    if (!CComQIPtr<IDSMenuButton>(pElement) || FAILED(pElement->GetMenu(&spMenu)))
        return 0;
    return PlaceIn(GetButtonList(spMenu, ButtonType_Command), pElement);
}

// The text of the holder's first text element, of any tag.
bool FirstText(IUnknown* pHolder, CComBSTR& text)
{
    for (const CComPtr<IDSMenuElement>& element : GetElementList(pHolder, kAllTags)) {
        if (CComQIPtr<IDSMenuText>(element))
            return SUCCEEDED(element->get_Label(&text));
    }
    return false;
}

// A button's label text, else the text it carries itself, else its name.
CComBSTR ButtonName(IDSMenuButton* pButton, bool& fromText)
{
    CComBSTR name;
    CComPtr<IDSMenuText> spLabel;
    if (SUCCEEDED(pButton->GetLabel(&spLabel)) && spLabel && SUCCEEDED(spLabel->get_Label(&name))) {
        fromText = true;
        return name;
    }
    if (SUCCEEDED(pButton->get_Label(&name)) && !name.IsEmpty())
        return name;
    pButton->get_Name(&name);
    return name;
}

CComBSTR NameOf(const ModelObject& object, bool& fromText)
{
    CComBSTR name;
    if (object.menu) {
        fromText = FirstText(object.menu, name);
    } else if (CComQIPtr<IDSMenuButton> spButton(object.element); spButton) {
        name = ButtonName(spButton, fromText);
    } else if (object.title) {
        object.title->get_Name(&name);
    }
    return name;
}

} // namespace

int GetOrdinal(IUnknown* pObject)
{
    ModelObject object(pObject);
    if (object.menu)
        return PlaceIn(GetMenuList(GetProject(object.menu.p), MenuType_Main | MenuType_Chapter),
                       pObject);
    if (object.title)
        return PlaceIn(GetTitleList(GetProject(object.title.p), kAllTags), pObject);
    if (object.element)
        return ButtonPlace(object.element);
    return 0;
}

CComBSTR GetDisplayName(IUnknown* pObject, bool* pbFromText)
{
    bool fromText = false;
    CComBSTR name = NameOf(ModelObject(pObject), fromText);
    if (pbFromText)
        *pbFromText = fromText;
    return name;
}

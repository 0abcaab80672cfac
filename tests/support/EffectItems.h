// Reading what the library placed on the items that carry menu elements' effect data in their
// menu's storyboard.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/KVEProductionData.h"

#include "platform/ComPtr.h"
#include "platform/Variant.h"

#include <cwchar>

// The "Position" entry of the element's item in its menu's storyboard; false when the item
// has none.
inline bool EffectPositionOf(IDSMenuElement* element, float& x, float& y)
{
    CComPtr<IDSMenu> menu;
    CComPtr<IUnknown> production;
    LONG itemId = 0;
    if (FAILED(element->GetMenu(&menu)) || !menu || FAILED(menu->GetProduction(&production)) ||
        FAILED(element->get_EffectID(&itemId)))
        return false;
    CComPtr<IUnknown> item;
    CComPtr<IXMLDOMNode> effect;
    CComPtr<IXMLDOMNode> position;
    CComQIPtr<IKVEProductionData> storyboard(production);
    if (!storyboard || FAILED(storyboard->GetObjectByID(itemId, &item)) ||
        FAILED(CComQIPtr<IKVEEffectInfo>(item)->GetEffectInfo(&effect)) ||
        effect->selectSingleNode(CComBSTR(L"plugin_data/Position"), &position) != S_OK)
        return false;
    CComQIPtr<IXMLDOMElement> entry(position);
    CComVariant atX, atY;
    if (entry->getAttribute(CComBSTR(L"x"), &atX) != S_OK ||
        entry->getAttribute(CComBSTR(L"y"), &atY) != S_OK)
        return false;
    x = float(std::wcstod(atX.bstrVal, nullptr));
    y = float(std::wcstod(atY.bstrVal, nullptr));
    return true;
}

// What the project object model needs of a production beyond the storyboard interfaces: the
// class to create one with, its XML form inside project files, and, for a menu's production,
// the menu it draws and the element items that carry each element's effect data.
#pragma once

#include "platform/Unknown.h"
#include "platform/Xml.h"

// Productions (storyboards) of titles and menus.
inline constexpr CLSID CLSID_KVEProduction = MakeGuid("{7E343458-6BCA-433D-8580-DD3BCAC23A0C}");

DS_INTERFACE_ID(IKVEProductionXml, IUnknown, "{39CBFFEB-BDA9-4EAC-97D2-F3524154FF0D}");
DS_INTERFACE_ID(IKVEMenuComposition, IUnknown, "{28A8B8D8-61D7-42EB-B9B6-888870F0F19A}");

// A production's whole state as XML, so that a project file holds its productions.
struct IKVEProductionXml : IUnknown
{
    // Appends one element that holds the whole production to parent.
    virtual HRESULT SaveToXml(IXMLDOMNode* parent) = 0;
    // Replaces the production's state by what element holds (an element SaveToXml wrote).
    // A malformed element gives a failure and leaves the production as it was.
    virtual HRESULT LoadFromXml(IXMLDOMNode* element) = 0;
};

// The link between a menu and its production. The production draws the menu's elements, in
// element order, over its background; it reads them from the menu through the object model's
// interfaces whenever it renders, so it is always in step with them. Each element of the menu,
// at any depth, has one element item in the production, made when the element enters the
// menu and dropped when it leaves; the item's ID is the element's EffectID, GetObjectByID
// finds it, and it carries the element's effect data ("plugin_data").
struct IKVEMenuComposition : IUnknown
{
    // The menu to draw, borrowed: the menu calls SetMenu(nullptr) before it goes away. Null
    // detaches.
    virtual HRESULT SetMenu(IUnknown* menu) = 0;
    // The menu being drawn, counted; S_FALSE and null when none.
    virtual HRESULT GetMenu(IUnknown** menu) = 0;
    // Makes the item of an element and returns its ID (unique within the production).
    virtual HRESULT AddElementItem(LONG elementId, LONG* itemId) = 0;
    // Drops an item; S_FALSE when there is none of that ID.
    virtual HRESULT RemoveElementItem(LONG itemId) = 0;
    // The element an item belongs to; E_INVALIDARG when there is no such item.
    virtual HRESULT GetElementOfItem(LONG itemId, LONG* elementId) = 0;
    virtual HRESULT GetElementItemCount(LONG* count) = 0;
};

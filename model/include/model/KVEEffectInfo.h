// The effect data of a panel, a transition or a menu element item: an XML element whose
// "plugin_data" child holds one element per effect plug-in (for example "Crop").
#pragma once

#include "platform/Xml.h"

DS_INTERFACE_ID(IKVEEffectInfo, IUnknown, "{C11713BD-02F3-4797-9CE4-B38FE55878E2}");

struct IKVEEffectInfo : IUnknown
{
    // The effect element, live: nodes added to or removed from it change the object's
    // effects. An object without effects has an "Effect" element with an empty
    // "plugin_data".
    virtual HRESULT GetEffectInfo(IXMLDOMNode** effect) = 0;
    // Replaces the effect element with a copy of data; null resets it to no effects.
    virtual HRESULT PutData(IXMLDOMNode* data) = 0;
};

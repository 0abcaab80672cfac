// The item a menu's production keeps for one element of the menu: it carries the element's
// effect data under the ID the element knows as its EffectID.
#pragma once

#include "EffectData.h"

#include "model/KVEEffectInfo.h"

#include "platform/ComObject.h"

class ElementItem : public ComObject<ElementItem, IKVEEffectInfo>
{
public:
    HRESULT GetEffectInfo(IXMLDOMNode** effect) override { return m_effect.Get(effect); }
    HRESULT PutData(IXMLDOMNode* data) override { return m_effect.Put(data); }

    LONG ElementId() const { return m_elementId; }
    EffectData& Effect() { return m_effect; }

private:
    friend ComObject<ElementItem, IKVEEffectInfo>;
    explicit ElementItem(LONG elementId) : m_elementId(elementId) {}

    LONG m_elementId;
    EffectData m_effect;
};

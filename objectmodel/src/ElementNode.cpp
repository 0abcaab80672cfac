#include "ElementNode.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "ElementListImpl.h"
#include "Menu.h"
#include "XmlNodes.h"

#include "platform/Check.h"

#include <algorithm>
#include <cmath>

namespace objectmodel {

FloatRect UnionOf(const FloatRect& a, const FloatRect& b)
{
    return {std::min(a.left, b.left), std::max(a.top, b.top), std::max(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool IsValidSize(float width, float height)
{
    return std::isfinite(width) && std::isfinite(height) && width >= 0.0f && height >= 0.0f;
}

bool IsValidOpacity(float opacity)
{
    return opacity >= 0.0f && opacity <= 1.0f;
}

CMenu* ElementNode::OwningMenu() const
{
    return m_parent ? m_parent->ListMenu() : nullptr;
}

void ElementNode::AbsolutePosition(float& x, float& y) const
{
    x = m_properties.x;
    y = m_properties.y;
    for (ElementListImpl* list = m_parent; list;) {
        const ElementNode* holder = list->ListOwner();
        if (!holder)
            break;
        x += holder->m_properties.x;
        y += holder->m_properties.y;
        list = holder->m_parent;
    }
}

FloatRect ElementNode::OwnRect() const
{
    float x = 0.0f;
    float y = 0.0f;
    AbsolutePosition(x, y);
    float halfWidth = m_properties.width / 2;
    float halfHeight = m_properties.height / 2;
    return {x - halfWidth, y + halfHeight, x + halfWidth, y - halfHeight};
}

void ElementNode::CollectSubtree(std::vector<ElementNode*>& nodes)
{
    nodes.push_back(this);
    if (ElementListImpl* list = HeldList()) {
        for (size_t i = 0; i < list->ChildCount(); ++i)
            list->ChildNode(i)->CollectSubtree(nodes);
    }
}

void ElementNode::MarkProjectChanged() const
{
    if (CMenu* menu = OwningMenu())
        menu->MarkChanged();
}

void ElementNode::CopyPropertiesFrom(const ElementNode& original)
{
    m_properties = original.m_properties;
    m_properties.neighbours = {0, 0, 0, 0};
}

HRESULT ElementNode::WriteXml(IXMLDOMNode* parent, bool nativeSources)
{
    CComPtr<IXMLDOMElement> element;
    CHECK_HR(AppendElement(parent, XmlName(), element));
    AttributeWriter writer(element);
    writer.Field(L"ID", m_id);
    writer.Field(L"effectID", m_effectId);
    m_properties.VisitFields(writer);
    WriteOwnFields(writer, nativeSources);
    CHECK_HR(writer.Result());
    return WriteContent(element, nativeSources);
}

HRESULT ElementNode::ReadXml(IXMLDOMElement* element, int depth)
{
    AttributeReader reader(element);
    reader.Field(L"ID", m_id);
    reader.Field(L"effectID", m_effectId);
    m_properties.VisitFields(reader);
    if (!IsValidSize(m_properties.width, m_properties.height))
        reader.Refuse(L"the size is negative");
    if (!IsValidOpacity(m_properties.opacity))
        reader.Refuse(L"the opacity lies outside 0 to 1");
    ReadOwnFields(reader);
    CHECK_HR(reader.Result());
    return ReadContent(element, depth);
}

HRESULT ElementNode::WriteContent(IXMLDOMElement*, bool)
{
    return S_OK;
}

HRESULT ElementNode::ReadContent(IXMLDOMElement*, int)
{
    return S_OK;
}

ElementNode* NodeOf(IUnknown* element)
{
    return dynamic_cast<ElementNode*>(element);
}

} // namespace objectmodel

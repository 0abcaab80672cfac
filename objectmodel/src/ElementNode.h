// What every menu element is inside the object model, whatever its kind: its stored
// properties, its place in the element tree (the list that holds it), its ID and the ID of its
// item in the menu's production. The interface methods live in MenuElementImpl; the tree and
// persistence steps that need no interface live here.
#pragma once

#include "model/IDSMenuElement.h"
#include "platform/ComPtr.h"

#include <string>
#include <vector>

namespace objectmodel {

class AttributeReader;
class AttributeWriter;
class CMenu;
class ElementListImpl;

// The properties every element has.
struct ElementProperties
{
    ULONG tag = 0;
    ULONG flags = 0;
    std::wstring name;
    std::wstring label;
    float rotation = 0.0f;
    float opacity = 1.0f;
    LONG highlight = 0;
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.2f;
    float height = 0.2f;
    double effectStart = 0.0;
    double effectEnd = 0.0;
    ElementNeighbours neighbours = {0, 0, 0, 0};

    template <class Fields> void VisitFields(Fields& f)
    {
        f.Field(L"tag", tag);
        f.Field(L"flags", flags);
        f.Field(L"name", name);
        f.Field(L"label", label);
        f.Field(L"rotation", rotation);
        f.Field(L"opacity", opacity);
        f.Field(L"highlight", highlight);
        f.Field(L"x", x);
        f.Field(L"y", y);
        f.Field(L"width", width);
        f.Field(L"height", height);
        f.Field(L"effectStart", effectStart);
        f.Field(L"effectEnd", effectEnd);
        f.Field(L"neighbours", neighbours);
    }
};

// The smallest rectangle that covers both.
FloatRect UnionOf(const FloatRect& a, const FloatRect& b);

// Sizes are not negative and opacity lies between 0 and 1; the setters refuse anything else.
bool IsValidSize(float width, float height);
bool IsValidOpacity(float opacity);

class ElementNode
{
public:
    LONG Id() const { return m_id; }
    void SetId(LONG id) { m_id = id; }
    LONG EffectId() const { return m_effectId; }
    void SetEffectId(LONG id) { m_effectId = id; }
    ElementListImpl* ParentList() const { return m_parent; }
    void SetParentList(ElementListImpl* list) { m_parent = list; }
    ElementProperties& Properties() { return m_properties; }
    const ElementProperties& Properties() const { return m_properties; }

    // The menu the element is in at any depth; null when it is in none.
    CMenu* OwningMenu() const;
    // The element's centre in menu space (its position plus those of the buttons holding it).
    void AbsolutePosition(float& x, float& y) const;
    // The rectangle of the element's own size around its absolute centre.
    FloatRect OwnRect() const;
    // The absolute rectangle the element covers: its own; a button adds what it holds.
    virtual FloatRect Extent() const { return OwnRect(); }
    // The element and everything it holds, depth first in element order.
    void CollectSubtree(std::vector<ElementNode*>& nodes);
    // Marks the project the element belongs to changed.
    void MarkProjectChanged() const;

    // The element's interface, borrowed.
    virtual IDSMenuElement* Element() = 0;
    // The list the element holds (a button's), or null.
    virtual ElementListImpl* HeldList() { return nullptr; }
    // A detached duplicate of the element and everything it holds (see IDSMenuElement::Copy).
    virtual HRESULT Duplicate(CComPtr<IDSMenuElement>& copy) = 0;
    // The name of the element's XML element: "Button", "Text" or "Overlay".
    virtual const wchar_t* XmlName() const = 0;
    // Forgets the private titles the element's resolved sources live in (an overlay's
    // montage), so that a duplicate of a menu makes its own.
    virtual void ForgetPrivateTitles() {}

    // Appends the element and what it holds to parent. With nativeSources, overlays that take
    // their picture from titles are written as file sources of the picture they show.
    HRESULT WriteXml(IXMLDOMNode* parent, bool nativeSources);
    // Reads the element and what it holds from an XML element of its kind into this detached
    // element. depth is the number of buttons around it; a file nesting deeper is refused.
    HRESULT ReadXml(IXMLDOMElement* element, int depth);

    // The deepest nesting of buttons a file may hold.
    static constexpr int kMaxDepth = 32;

protected:
    ElementNode() = default;
    virtual ~ElementNode() = default;

    // A duplicate starts from the original's properties; its place, IDs and neighbour links
    // are those of a new element.
    void CopyPropertiesFrom(const ElementNode& original);

    virtual void WriteOwnFields(AttributeWriter& writer, bool nativeSources) = 0;
    virtual void ReadOwnFields(AttributeReader& reader) = 0;
    // The child elements of the element's XML element (commands, held elements, effects).
    virtual HRESULT WriteContent(IXMLDOMElement* element, bool nativeSources);
    virtual HRESULT ReadContent(IXMLDOMElement* element, int depth);

private:
    LONG m_id = 0;
    LONG m_effectId = 0;
    ElementListImpl* m_parent = nullptr;
    ElementProperties m_properties;
};

// The node of an element of this object model; null for null or a foreign element.
ElementNode* NodeOf(IUnknown* element);

} // namespace objectmodel

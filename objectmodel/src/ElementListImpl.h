// IDSMenuElementList for menus and buttons: the ordered children of a list, and the steps that
// move elements into and out of it. An element that enters a list of a menu is admitted by the
// menu (ID and production item, for it and everything it holds); one that leaves is released.
#pragma once

#include "ElementNode.h"

#include "model/IDSMenuElement.h"
#include "platform/ComPtr.h"

#include <vector>

namespace objectmodel {

class CMenu;

// How elements that enter a project get their IDs.
enum class IdPolicy
{
    // An element keeps its ID when no other object of the project has it, else gets a new one.
    KeepIfFree,
    // Every element gets a new ID.
    Fresh,
    // Every element must bring a positive ID that is free (the elements of a project file).
    FromFile,
};

class ElementListImpl : public IDSMenuElementList
{
public:
    HRESULT AddElement(const GUID* iid, void** element) override;
    HRESULT InsertElement(LONG index, IDSMenuElement* element) override;
    HRESULT RemoveElement(LONG id, IDSMenuElement** removed) override;
    HRESULT get_Count(LONG* count) override;
    HRESULT get_Item(LONG index, IDSMenuElement** element) override;

    // The menu the list belongs to at any depth; null when none.
    virtual CMenu* ListMenu() const = 0;
    // The element that holds the list (a button); null for a menu's list.
    virtual ElementNode* ListOwner() = 0;
    virtual const ElementNode* ListOwner() const = 0;
    // The menu or button the list is, borrowed.
    virtual IUnknown* ListIdentity() = 0;

    size_t ChildCount() const { return m_children.size(); }
    ElementNode* ChildNode(size_t index) const { return m_children[index].node; }

    // Appends an element to a list that belongs to no menu, as detached trees are built.
    void AppendDetached(const CComPtr<IDSMenuElement>& element);
    // Takes every child out of a list that belongs to no menu.
    std::vector<CComPtr<IDSMenuElement>> TakeDetachedChildren();
    // Replaces every child by the given detached elements as one step: the new ones are
    // admitted before the old ones are released, so on failure nothing changes.
    HRESULT ReplaceChildren(const std::vector<CComPtr<IDSMenuElement>>& children, IdPolicy policy);
    // Detached duplicates of every child, in order.
    HRESULT DuplicateChildren(std::vector<CComPtr<IDSMenuElement>>& copies) const;
    // Appends an "Elements" element that holds every child to parent.
    HRESULT WriteChildrenXml(IXMLDOMNode* parent, bool nativeSources) const;
    // Reads the children of an "Elements" element into detached elements.
    static HRESULT ReadChildrenXml(IXMLDOMElement* elements, int depth,
                                   std::vector<CComPtr<IDSMenuElement>>& children);

protected:
    ~ElementListImpl();
    // Called after every change of the list.
    virtual void MarkChanged() = 0;

private:
    struct Child
    {
        CComPtr<IDSMenuElement> element;
        ElementNode* node;
    };

    HRESULT CheckInsertable(ElementNode* node) const;
    HRESULT InsertAt(size_t position, ElementNode* node, IDSMenuElement* element);

    std::vector<Child> m_children;
};

// A new detached element of a kind: an interface ID (IID_IDSMenuButton, IID_IDSMenuText,
// IID_IDSMenuOverlay) or an XML element name ("Button", "Text", "Overlay"); E_INVALIDARG for
// anything else.
HRESULT CreateElement(REFIID kind, CComPtr<IDSMenuElement>& element);
HRESULT CreateElement(const std::wstring& xmlName, CComPtr<IDSMenuElement>& element);

} // namespace objectmodel

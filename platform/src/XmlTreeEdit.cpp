#include "XmlTreeEdit.h"

#include "XmlDocument.h"

namespace {

bool CanHaveChildren(const XmlNodeRef& ref)
{
    return !ref.IsAttribute() &&
           (ref.node.type() == pugi::node_element || ref.node.type() == pugi::node_document);
}

// True when parent has a child of type other than the two nodes given (the node being placed
// and the node it replaces).
bool HasOtherOfType(pugi::xml_node parent, pugi::xml_node_type type, pugi::xml_node placed,
                    pugi::xml_node replaced)
{
    for (pugi::xml_node child : parent.children())
        if (child.type() == type && child != placed && child != replaced)
            return true;
    return false;
}

// True when no child that stays comes before the place where the placed node goes.
bool GoesFirst(pugi::xml_node parent, pugi::xml_node placed, pugi::xml_node before,
               pugi::xml_node replaced)
{
    for (pugi::xml_node child : parent.children()) {
        if (child == before)
            return true;
        if (child != placed && child != replaced)
            return false;
    }
    return true;
}

// The rules of a document's own children: one element, at most one document type, no text,
// and the XML declaration, if any, before everything else.
bool AllowedInDocument(pugi::xml_node document, pugi::xml_node child, pugi::xml_node before,
                       pugi::xml_node replaced)
{
    switch (child.type()) {
    case pugi::node_pcdata:
    case pugi::node_cdata:
        return false;
    case pugi::node_declaration:
        return !HasOtherOfType(document, child.type(), child, replaced) &&
               GoesFirst(document, child, before, replaced);
    case pugi::node_element:
    case pugi::node_doctype:
        if (HasOtherOfType(document, child.type(), child, replaced))
            return false;
        [[fallthrough]];
    default:
        return !before || before.type() != pugi::node_declaration || before == replaced;
    }
}

bool Allowed(const XmlNodeRef& parent, const XmlNodeRef& child, pugi::xml_node before,
             pugi::xml_node replaced)
{
    if (!CanHaveChildren(parent) || child.IsAttribute() || child.node.type() == pugi::node_document)
        return false;
    if (parent.node.type() == pugi::node_document)
        return AllowedInDocument(parent.node, child.node, before, replaced);
    return child.node.type() != pugi::node_declaration && child.node.type() != pugi::node_doctype;
}

// The node behind a child handle of parent; E_INVALIDARG for anything else.
HRESULT ChildOf(const XmlNodeContext& parent, IUnknown* node, pugi::xml_node& child)
{
    XmlNodeContext context;
    if (HRESULT hr = ContextOf(node, context); FAILED(hr))
        return hr;
    if (context.document != parent.document || parent.ref.IsAttribute() ||
        context.ref.IsAttribute() || context.ref.node.parent() != parent.ref.node)
        return E_INVALIDARG;
    child = context.ref.node;
    return S_OK;
}

// The node to insert before: null (append) for an empty, null or missing reference.
HRESULT BeforeOf(const XmlNodeContext& parent, const VARIANT& refChild, pugi::xml_node& before)
{
    switch (refChild.vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_ERROR:
        return S_OK;
    case VT_UNKNOWN:
        return refChild.punkVal ? ChildOf(parent, refChild.punkVal, before) : S_OK;
    default:
        return E_INVALIDARG;
    }
}

// Puts newChild under parent before `before`, where `replaced` is about to leave: moved when it
// belongs to the same document, copied in when it belongs to another.
HRESULT PlaceChild(const XmlNodeContext& parent, IXMLDOMNode* newChild, pugi::xml_node before,
                   pugi::xml_node replaced, pugi::xml_node& placed)
{
    XmlNodeContext child;
    if (HRESULT hr = ContextOf(newChild, child); FAILED(hr))
        return hr;
    if (!Allowed(parent.ref, child.ref, before, replaced))
        return E_INVALIDARG;
    pugi::xml_node target = parent.ref.node;
    if (child.document != parent.document)
        placed = XmlNodeStore::CopyInto(child.ref.node, target, before);
    else if (child.ref.node == before)
        placed = before;
    else
        placed = parent.document->Store().Place(child.ref.node, target, before);
    return placed ? S_OK : E_INVALIDARG;
}

HRESULT ReturnNode(IXMLDOMNode* node, IXMLDOMNode** out)
{
    return out ? CComPtr<IXMLDOMNode>(node).CopyTo(out) : S_OK;
}

HRESULT CloneDocument(const XmlNodeContext& context, bool deep, IXMLDOMNode** clone)
{
    CComPtr<XmlDocument> copy = XmlDocument::Create();
    if (deep)
        for (pugi::xml_node child : context.ref.node.children())
            XmlNodeStore::CopyInto(child, copy->Store().Tree(), pugi::xml_node());
    *clone = copy.Detach();
    return S_OK;
}

} // namespace

namespace XmlTreeEdit {

HRESULT InsertBefore(const XmlNodeContext& parent, IXMLDOMNode* newChild, const VARIANT& refChild,
                     IXMLDOMNode** inserted)
{
    if (inserted)
        *inserted = nullptr;
    pugi::xml_node before;
    if (HRESULT hr = BeforeOf(parent, refChild, before); FAILED(hr))
        return hr;
    pugi::xml_node placed;
    if (HRESULT hr = PlaceChild(parent, newChild, before, pugi::xml_node(), placed); FAILED(hr))
        return hr;
    return inserted ? parent.document->Wrap(XmlNodeRef{placed}, inserted) : S_OK;
}

HRESULT ReplaceChild(const XmlNodeContext& parent, IXMLDOMNode* newChild, IXMLDOMNode* oldChild,
                     IXMLDOMNode** replaced)
{
    if (replaced)
        *replaced = nullptr;
    pugi::xml_node old;
    if (HRESULT hr = ChildOf(parent, oldChild, old); FAILED(hr))
        return hr;
    XmlNodeContext incoming;
    if (HRESULT hr = ContextOf(newChild, incoming); FAILED(hr))
        return hr;
    if (incoming.document == parent.document && incoming.ref == XmlNodeRef{old})
        return ReturnNode(oldChild, replaced);
    pugi::xml_node placed;
    if (HRESULT hr = PlaceChild(parent, newChild, old, old, placed); FAILED(hr))
        return hr;
    parent.document->Store().Detach(old);
    return ReturnNode(oldChild, replaced);
}

HRESULT RemoveChild(const XmlNodeContext& parent, IXMLDOMNode* child, IXMLDOMNode** removed)
{
    if (removed)
        *removed = nullptr;
    pugi::xml_node node;
    if (HRESULT hr = ChildOf(parent, child, node); FAILED(hr))
        return hr;
    parent.document->Store().Detach(node);
    return ReturnNode(child, removed);
}

HRESULT ReplaceDocumentElement(const XmlNodeContext& document, IXMLDOMElement* root)
{
    XmlNodeContext incoming;
    if (HRESULT hr = ContextOf(root, incoming); FAILED(hr))
        return hr;
    pugi::xml_node current = document.ref.node.find_child(
        [](pugi::xml_node child) { return child.type() == pugi::node_element; });
    if (incoming.document == document.document && incoming.ref == XmlNodeRef{current})
        return S_OK;
    pugi::xml_node placed;
    if (HRESULT hr = PlaceChild(document, root, current, current, placed); FAILED(hr))
        return hr;
    if (current)
        document.document->Store().Detach(current);
    return S_OK;
}

HRESULT CloneNode(const XmlNodeContext& context, VARIANT_BOOL deep, IXMLDOMNode** clone)
{
    if (!clone)
        return E_POINTER;
    *clone = nullptr;
    XmlNodeStore& store = context.document->Store();
    if (context.ref.IsAttribute())
        return context.document->Wrap(store.CopyDetachedAttribute(context.ref.attribute), clone);
    if (context.ref.node.type() == pugi::node_document)
        return CloneDocument(context, deep != VARIANT_FALSE, clone);
    pugi::xml_node copy = store.CopyDetached(context.ref.node, deep != VARIANT_FALSE);
    return context.document->Wrap(XmlNodeRef{copy}, clone);
}

HRESULT PutText(const XmlNodeContext& context, std::wstring_view text)
{
    if (!context.ref.IsElement())
        return XmlNodeInfo::SetValue(context.ref, text);
    pugi::xml_node element = context.ref.node;
    for (pugi::xml_node child = element.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        context.document->Store().Detach(child);
        child = next;
    }
    if (!text.empty())
        element.append_child(pugi::node_pcdata).set_value(ToUtf8(text).c_str());
    return S_OK;
}

} // namespace XmlTreeEdit

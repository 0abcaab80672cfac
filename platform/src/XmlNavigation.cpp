#include "XmlNavigation.h"

#include "XmlDocument.h"
#include "XmlNamedNodeMap.h"

namespace XmlNavigation {

pugi::xml_node Related(const XmlNodeContext& context, Relation relation)
{
    if (context.ref.IsAttribute())
        return pugi::xml_node();
    pugi::xml_node node = context.ref.node;
    bool detached = node.parent() == context.document->Store().Holding();
    switch (relation) {
    case Relation::Parent:
        return detached ? pugi::xml_node() : node.parent();
    case Relation::FirstChild:
        return node.first_child();
    case Relation::LastChild:
        return node.last_child();
    case Relation::PreviousSibling:
        return detached ? pugi::xml_node() : node.previous_sibling();
    case Relation::NextSibling:
        return detached ? pugi::xml_node() : node.next_sibling();
    }
    return pugi::xml_node();
}

HRESULT GetRelated(const XmlNodeContext& context, Relation relation, IXMLDOMNode** node)
{
    return context.document->Wrap(XmlNodeRef{Related(context, relation)}, node);
}

HRESULT GetChildNodes(const XmlNodeContext& context, IXMLDOMNodeList** children)
{
    std::vector<XmlNodeRef> refs;
    if (!context.ref.IsAttribute())
        for (pugi::xml_node child : context.ref.node.children())
            refs.push_back(XmlNodeRef{child});
    return context.document->WrapList(refs, children);
}

HRESULT HasChildNodes(const XmlNodeContext& context, VARIANT_BOOL* has)
{
    if (!has)
        return E_POINTER;
    bool any = !context.ref.IsAttribute() && context.ref.node.first_child();
    *has = any ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT GetAttributes(const XmlNodeContext& context, IXMLDOMNamedNodeMap** attributes)
{
    if (!attributes)
        return E_POINTER;
    *attributes = nullptr;
    if (!context.ref.IsElement())
        return S_FALSE;
    CComPtr<IXMLDOMNode> element;
    if (HRESULT hr = context.document->Wrap(context.ref, &element); FAILED(hr))
        return hr;
    CComQIPtr<IXmlNodeSource> source(element);
    *attributes = XmlNamedNodeMap::Create(source.p).Detach();
    return S_OK;
}

} // namespace XmlNavigation

// pugixml evaluates queries without recursing over the document's depth, and refuses queries
// nested deeper than its own limit, so neither a deep document nor a deep query can exhaust
// the stack here. Prefixes in queries match names as they are written ("dt:dt").
#include "XmlQuery.h"

#include "XmlDocument.h"

#include <unordered_set>

namespace {

pugi::xpath_node XPathContextOf(const XmlNodeRef& ref)
{
    return ref.IsAttribute() ? pugi::xpath_node(ref.attribute, ref.node)
                             : pugi::xpath_node(ref.node);
}

XmlNodeRef RefOf(const pugi::xpath_node& found)
{
    return found.attribute() ? XmlNodeRef{found.parent(), found.attribute()}
                             : XmlNodeRef{found.node()};
}

pugi::xml_node DetachedTopOf(pugi::xml_node node, pugi::xml_node holding)
{
    while (node.parent() != holding)
        node = node.parent();
    return node;
}

// The found nodes that lie under top, in document order. A query from a detached node sees
// every detached node, as they share the holding area; it must find only those of its own
// detached subtree. One walk of that subtree serves however many nodes were found.
std::vector<XmlNodeRef> FoundUnder(pugi::xml_node top, const pugi::xpath_node_set& found)
{
    std::unordered_set<const void*> wanted;
    for (const pugi::xpath_node& node : found)
        wanted.insert(RefOf(node).Key());
    std::vector<XmlNodeRef> kept;
    WalkSubtree(top, [&](pugi::xml_node node) {
        if (wanted.count(node.internal_object()))
            kept.push_back(XmlNodeRef{node});
        for (pugi::xml_attribute attribute : node.attributes())
            if (wanted.count(attribute.internal_object()))
                kept.push_back(XmlNodeRef{node, attribute});
        return true;
    });
    return kept;
}

std::vector<XmlNodeRef> Keep(const XmlNodeContext& context, const pugi::xpath_node_set& found)
{
    XmlNodeStore& store = context.document->Store();
    if (!store.IsInTree(context.ref.node))
        return FoundUnder(DetachedTopOf(context.ref.node, store.Holding()), found);
    std::vector<XmlNodeRef> kept;
    kept.reserve(found.size());
    for (const pugi::xpath_node& node : found)
        kept.push_back(RefOf(node));
    return kept;
}

// The nodes a query finds from the context node, in document order, with the out-pointer the
// result goes to checked and emptied first; E_INVALIDARG for a query that is malformed or does
// not give a node set.
template <class Out>
HRESULT Evaluate(const XmlNodeContext& context, BSTR query, std::vector<XmlNodeRef>& found,
                 Out** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    std::string text = ToUtf8(ViewOf(query));
    try {
        pugi::xpath_query compiled(text.c_str());
        if (compiled.return_type() != pugi::xpath_type_node_set)
            return E_INVALIDARG;
        pugi::xpath_node_set nodes = compiled.evaluate_node_set(XPathContextOf(context.ref));
        nodes.sort();
        found = Keep(context, nodes);
    } catch (const pugi::xpath_exception&) {
        return E_INVALIDARG;
    }
    return S_OK;
}

} // namespace

namespace XmlQuery {

HRESULT SelectNodes(const XmlNodeContext& context, BSTR query, IXMLDOMNodeList** nodes)
{
    std::vector<XmlNodeRef> found;
    if (HRESULT hr = Evaluate(context, query, found, nodes); FAILED(hr))
        return hr;
    return context.document->WrapList(found, nodes);
}

HRESULT SelectSingleNode(const XmlNodeContext& context, BSTR query, IXMLDOMNode** node)
{
    std::vector<XmlNodeRef> found;
    if (HRESULT hr = Evaluate(context, query, found, node); FAILED(hr))
        return hr;
    for (const XmlNodeRef& ref : found)
        if (HRESULT hr = context.document->Wrap(ref, node); hr != S_FALSE)
            return hr;
    return S_FALSE;
}

HRESULT ElementsByTagName(const XmlNodeContext& context, BSTR name, IXMLDOMNodeList** elements)
{
    std::string wanted = ToUtf8(ViewOf(name));
    std::vector<XmlNodeRef> found;
    pugi::xml_node top = context.ref.node;
    if (!context.ref.IsAttribute())
        WalkSubtree(top, [&](pugi::xml_node node) {
            if (node != top && node.type() == pugi::node_element &&
                (wanted == "*" || wanted == node.name()))
                found.push_back(XmlNodeRef{node});
            return true;
        });
    return context.document->WrapList(found, elements);
}

} // namespace XmlQuery

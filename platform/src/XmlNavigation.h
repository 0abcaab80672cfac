// Moving about a document's tree: parents, children, siblings and attributes, with the
// holding area of detached nodes out of sight.
#pragma once

#include "XmlNodeRef.h"

namespace XmlNavigation {

enum class Relation
{
    Parent,
    FirstChild,
    LastChild,
    PreviousSibling,
    NextSibling,
};

// The related node, or null when there is none: attributes have no parent, children or
// siblings; a detached node has no parent and no siblings.
pugi::xml_node Related(const XmlNodeContext& context, Relation relation);

HRESULT GetRelated(const XmlNodeContext& context, Relation relation, IXMLDOMNode** node);
HRESULT GetChildNodes(const XmlNodeContext& context, IXMLDOMNodeList** children);
HRESULT HasChildNodes(const XmlNodeContext& context, VARIANT_BOOL* has);
HRESULT GetAttributes(const XmlNodeContext& context, IXMLDOMNamedNodeMap** attributes);

} // namespace XmlNavigation

// Finding nodes: XPath 1.0 queries and elements by tag name.
#pragma once

#include "XmlNodeRef.h"

namespace XmlQuery {

HRESULT SelectNodes(const XmlNodeContext& context, BSTR query, IXMLDOMNodeList** nodes);
HRESULT SelectSingleNode(const XmlNodeContext& context, BSTR query, IXMLDOMNode** node);
// The elements below the context node named name ("*" for all), in document order.
HRESULT ElementsByTagName(const XmlNodeContext& context, BSTR name, IXMLDOMNodeList** elements);

} // namespace XmlQuery

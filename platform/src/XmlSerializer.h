// The XML text of nodes and the bytes of saved documents.
#pragma once

#include "XmlNodeRef.h"

namespace XmlSerializer {

HRESULT GetXml(const XmlNodeContext& context, BSTR* xml);
// The whole tree as the bytes of a file: UTF-16 little-endian with a byte-order mark when its
// XML declaration names "UTF-16", else UTF-8 (a declaration naming any other encoding is
// written as naming "UTF-8", so that the file reads back as written).
std::string FileBytesOf(pugi::xml_node document);

} // namespace XmlSerializer

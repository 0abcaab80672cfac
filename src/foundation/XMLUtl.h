// The XML documents the library writes: every one starts with the same declaration, so that
// documents saved from it read back in any tool that honours it.
#pragma once

#include "platform/Xml.h"

namespace XMLUtl {

// A new document (one reference) holding only the declaration
// 'version="1.0" encoding="UTF-16"'.
HRESULT CreateDocument(IXMLDOMDocument** ppDoc);

} // namespace XMLUtl

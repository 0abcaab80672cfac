// Reading and writing the XML documents that hold projects, themes and button styles.
#pragma once

#include "platform/ComPtr.h"
#include "platform/Xml.h"

#include <string>

namespace objectmodel {

// Loads the file at path and hands out its root element, which must be named rootName and
// carry a format version this object model reads. A missing file gives
// HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), an unreadable one its file error, anything that is
// not such a document E_INVALIDARG; each is reported on the error stack.
HRESULT OpenDocument(const std::wstring& path, const wchar_t* rootName,
                     CComPtr<IXMLDOMElement>& root);

// A new document with an XML declaration (UTF-8) and no root yet.
HRESULT NewDocument(CComPtr<IXMLDOMDocument>& document);

// Writes a document to path through a temporary file beside it that is renamed over path only
// once it is complete and on disk, so a failed save leaves an earlier file intact. The new
// file keeps the permissions of the file it replaces.
HRESULT SaveDocument(IXMLDOMDocument* document, const std::wstring& path);

} // namespace objectmodel

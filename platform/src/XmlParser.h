// Parsing documents, and refusing what is not a well-formed document.
#pragma once

#include <pugixml.hpp>

#include <string>

namespace XmlParser {

// Parses bytes in the given encoding (encoding_auto: as its byte-order mark or declaration
// says) into tree. False with the reason when the bytes are not one well-formed document:
// pugixml's own errors, more or fewer than one document element, text outside it, an XML
// declaration that is not first, an attribute given twice, and references to entities other
// than the five predefined ones (entities declared in a document type are not expanded, so a
// reference to one is refused rather than kept as literal text).
bool Parse(const void* bytes, size_t size, pugi::xml_encoding encoding, pugi::xml_document& tree,
           std::wstring& reason);

} // namespace XmlParser

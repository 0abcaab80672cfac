// The version of the XML that the object model writes. Every root element it writes (a
// project, a theme, a button style) carries it in the attribute "version", so that a later
// format can tell an older file and upgrade it.
#pragma once

#include "platform/Xml.h"

namespace objectmodel {

inline constexpr LONG kFormatVersion = 1;

// Writes the current version to a root element.
HRESULT WriteFormatVersion(IXMLDOMElement* root);

// Refuses a root element whose version is not one this object model reads (a file of a newer
// format, or a malformed version). A missing version is refused only when required.
HRESULT CheckFormatVersion(IXMLDOMElement* root, bool required);

} // namespace objectmodel

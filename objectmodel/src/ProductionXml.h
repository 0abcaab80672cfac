// A production inside an object-model file: a "Production" element holding the one element
// that the production writes of itself.
#pragma once

#include "model/KVEProductionLink.h"

namespace objectmodel {

// S_OK when a production answered an interface the object model needs, else E_NOINTERFACE
// reported with what is missing.
HRESULT RequireInterface(IUnknown* answer, const char* missing);

HRESULT WriteProductionXml(IKVEProductionXml* production, IXMLDOMNode* parent);

// Loads the production from a "Production" element; a malformed one leaves it as it was.
HRESULT ReadProductionXml(IKVEProductionXml* production, IXMLDOMElement* holder);

} // namespace objectmodel

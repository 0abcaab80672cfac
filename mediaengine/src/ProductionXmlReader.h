// Reads a "Production" element that WriteProductionXml wrote into a production state.
#pragma once

#include "Production.h"

// E_INVALIDARG for an element that is not a production of a known version or that holds
// values no production can have; nothing is changed then.
HRESULT ReadProductionXml(IXMLDOMNode* element, Production::State& state);

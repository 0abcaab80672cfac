// Reads a "Production" element that WriteProductionXml wrote into a production state.
#pragma once

#include "Production.h"

// E_INVALIDARG for an element that is not a production of a known version or that holds
// values no production can have; nothing is changed then.
// Nested productions are read as part of load, which refuses cycles and too deep a nesting.
HRESULT ReadProductionXml(IXMLDOMNode* element, ProductionLoad& load, Production::State& state);

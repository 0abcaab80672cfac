// Writes a production as one "Production" element: information, panels, sub-productions,
// audio, markers, metadata, element items and the drawn menu. ProductionXmlReader reads it
// back the same way, field by field.
#pragma once

#include "Production.h"

// The version the writer writes; the reader takes it and every earlier one.
inline constexpr LONG kProductionXmlVersion = 1;

// Appends the element for a production's state to parent (an element or a document).
HRESULT WriteProductionXml(const Production::State& state, IXMLDOMNode* parent);

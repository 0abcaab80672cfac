// Typed values: an element declares the type of its text with the attribute "dt" of the
// data-types namespace, and its typed value is that text read as the type.
#pragma once

#include "XmlNodeRef.h"

namespace XmlTypedValue {

HRESULT GetDataType(const XmlNodeContext& context, VARIANT* type);
HRESULT PutDataType(const XmlNodeContext& context, BSTR type);
HRESULT GetTypedValue(const XmlNodeContext& context, VARIANT* value);
HRESULT PutTypedValue(const XmlNodeContext& context, const VARIANT& value);

} // namespace XmlTypedValue

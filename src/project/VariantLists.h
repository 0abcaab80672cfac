// Lists handed over in VARIANTs: one value, or a one-dimensional array of values or of
// VARIANTs that hold them.
#pragma once

#include "platform/Variant.h"

#include <string>
#include <vector>

// Whether the variant holds no argument: empty, null, or an error value (the marker of an
// optional argument left out).
bool IsMissingArgument(const VARIANT& value);

// The values of a list, each converted to the type read. A missing argument gives an empty
// list. A value that does not convert gives DISP_E_TYPEMISMATCH, a variant that holds neither
// a value nor an array of them DISP_E_BADVARTYPE; out is then empty.
HRESULT ReadStringList(const VARIANT& value, std::vector<std::wstring>& out);
HRESULT ReadLongList(const VARIANT& value, std::vector<LONG>& out);
HRESULT ReadBoolList(const VARIANT& value, std::vector<VARIANT_BOOL>& out);

// Variants that own a new array of the values (VT_ARRAY | VT_BSTR, VT_I4 or VT_BOOL). Throws
// std::bad_alloc when memory is short.
CComVariant MakeStringArray(const std::vector<std::wstring>& values);
CComVariant MakeLongArray(const std::vector<LONG>& values);
CComVariant MakeBoolArray(const std::vector<VARIANT_BOOL>& values);

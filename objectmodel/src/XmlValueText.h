// The text forms of the values that object-model files store in attributes. Every form reads
// back to exactly the value written, whatever the locale: numbers in their shortest exact
// decimal form, booleans as "true" and "false", byte arrays as upper-case hexadecimal, and
// groups of numbers separated by single blanks.
#pragma once

#include "model/FloatRect.h"
#include "model/IDSMenuElement.h"

#include <span>
#include <string>
#include <string_view>

namespace objectmodel {

std::wstring FormatValue(LONG value);
std::wstring FormatValue(ULONG value);
std::wstring FormatValue(float value);
std::wstring FormatValue(double value);
std::wstring FormatBoolean(VARIANT_BOOL value);
std::wstring FormatValue(const FloatRect& value);
std::wstring FormatValue(const ElementNeighbours& value);
std::wstring FormatBytes(std::span<const BYTE> bytes);

// Each parser accepts the whole text in the form above and nothing else (no blanks around it,
// no trailing characters, no values out of range, no infinities or not-a-numbers); on refusal
// it returns false and leaves value unchanged.
bool ParseValue(std::wstring_view text, LONG& value);
bool ParseValue(std::wstring_view text, ULONG& value);
bool ParseValue(std::wstring_view text, float& value);
bool ParseValue(std::wstring_view text, double& value);
bool ParseBoolean(std::wstring_view text, VARIANT_BOOL& value);
bool ParseValue(std::wstring_view text, FloatRect& value);
bool ParseValue(std::wstring_view text, ElementNeighbours& value);
// Exactly bytes.size() bytes.
bool ParseBytes(std::wstring_view text, std::span<BYTE> bytes);

} // namespace objectmodel

#include "XmlTypedValue.h"

#include "XmlDocument.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace {

struct DataType
{
    std::wstring_view name;
    VARTYPE vt;
};

constexpr DataType kDataTypes[] = {
    {L"string", VT_BSTR}, {L"int", VT_I4},       {L"i4", VT_I4}, {L"i8", VT_I8},
    {L"ui4", VT_UI4},     {L"r4", VT_R4},        {L"r8", VT_R8}, {L"float", VT_R8},
    {L"number", VT_R8},   {L"boolean", VT_BOOL},
};

const DataType* FindDataType(std::wstring_view name)
{
    auto found = std::find_if(std::begin(kDataTypes), std::end(kDataTypes),
                              [name](const DataType& type) { return type.name == name; });
    return found == std::end(kDataTypes) ? nullptr : found;
}

// The prefix that the data-types namespace has where element stands; empty when no element
// from it up declares one. A prefix declared nearer for another namespace hides a farther one.
std::string BoundPrefix(pugi::xml_node element)
{
    const std::string space = ToUtf8(kXmlDataTypesNamespace);
    std::vector<std::string> hidden;
    for (pugi::xml_node node = element; node.type() == pugi::node_element; node = node.parent()) {
        for (pugi::xml_attribute attribute : node.attributes()) {
            std::string_view name = attribute.name();
            if (name.substr(0, 6) != "xmlns:")
                continue;
            std::string prefix(name.substr(6));
            if (std::find(hidden.begin(), hidden.end(), prefix) != hidden.end())
                continue;
            if (space == attribute.value())
                return prefix;
            hidden.push_back(prefix);
        }
    }
    return std::string();
}

// The declaring attribute; "dt:dt" is also read where no element declares the namespace, as
// documents written without the declaration have it.
pugi::xml_attribute DataTypeAttribute(pugi::xml_node element)
{
    std::string prefix = BoundPrefix(element);
    return element.attribute(((prefix.empty() ? std::string("dt") : prefix) + ":dt").c_str());
}

// The prefix to write the declaring attribute with; where no element up declares the
// namespace, the element declares it itself, so that the attribute reads back wherever the
// element goes.
std::string PrefixForWriting(pugi::xml_node element)
{
    std::string prefix = BoundPrefix(element);
    if (!prefix.empty())
        return prefix;
    prefix = "dt";
    for (int n = 1; element.attribute(("xmlns:" + prefix).c_str()); ++n)
        prefix = "dt" + std::to_string(n);
    element.append_attribute(("xmlns:" + prefix).c_str())
        .set_value(ToUtf8(kXmlDataTypesNamespace).c_str());
    return prefix;
}

const DataType* DeclaredType(const XmlNodeRef& ref)
{
    return ref.IsElement() ? FindDataType(ToWide(DataTypeAttribute(ref.node).value())) : nullptr;
}

std::string_view Trimmed(std::string_view text)
{
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return std::string_view();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Reads the whole of text as a number of type T (a leading '+' allowed).
template <class T> bool ReadNumber(std::string_view text, T& out)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool ReadBoolean(std::string_view text, VARIANT_BOOL& out)
{
    std::string lower = AsciiLower(text);
    if (lower != "1" && lower != "0" && lower != "true" && lower != "false")
        return false;
    out = lower == "1" || lower == "true" ? VARIANT_TRUE : VARIANT_FALSE;
    return true;
}

bool ReadTyped(std::string_view text, VARTYPE vt, VARIANT& out)
{
    out.vt = vt;
    switch (vt) {
    case VT_BOOL:
        return ReadBoolean(text, out.boolVal);
    case VT_I4:
        return ReadNumber(text, out.lVal);
    case VT_I8:
        return ReadNumber(text, out.llVal);
    case VT_UI4:
        return ReadNumber(text, out.ulVal);
    case VT_R4:
        return ReadNumber(text, out.fltVal);
    default:
        return ReadNumber(text, out.dblVal);
    }
}

// The shortest text that reads back as the same number.
template <class T> std::wstring ShortestText(T value)
{
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? ToWide(std::string_view(buffer, end - buffer)) : L"0";
}

HRESULT WriteTyped(const VARIANT& value, VARTYPE vt, std::wstring& text)
{
    CComVariant converted;
    if (HRESULT hr = VariantChangeType(&converted, &value, 0, vt); FAILED(hr))
        return hr;
    switch (vt) {
    case VT_BOOL:
        text = converted.boolVal ? L"1" : L"0";
        break;
    case VT_I4:
        text = std::to_wstring(converted.lVal);
        break;
    case VT_I8:
        text = std::to_wstring(converted.llVal);
        break;
    case VT_UI4:
        text = std::to_wstring(converted.ulVal);
        break;
    case VT_R4:
        text = ShortestText(converted.fltVal);
        break;
    default:
        text = ShortestText(converted.dblVal);
        break;
    }
    return S_OK;
}

} // namespace

namespace XmlTypedValue {

HRESULT GetDataType(const XmlNodeContext& context, VARIANT* type)
{
    pugi::xml_attribute declared =
        context.ref.IsElement() ? DataTypeAttribute(context.ref.node) : pugi::xml_attribute();
    if (!declared)
        return ReturnNullVariant(type);
    return ReturnTextVariant(ToWide(declared.value()), type);
}

// An empty type removes the declaration.
HRESULT PutDataType(const XmlNodeContext& context, BSTR type)
{
    if (!context.ref.IsElement())
        return E_FAIL;
    pugi::xml_node element = context.ref.node;
    if (ViewOf(type).empty()) {
        if (pugi::xml_attribute declared = DataTypeAttribute(element))
            context.document->Store().DetachAttribute(element, declared);
        return S_OK;
    }
    if (!FindDataType(ViewOf(type)))
        return E_INVALIDARG;
    std::string name = PrefixForWriting(element) + ":dt";
    pugi::xml_attribute declared = element.attribute(name.c_str());
    if (!declared)
        declared = element.append_attribute(name.c_str());
    declared.set_value(ToUtf8(ViewOf(type)).c_str());
    return S_OK;
}

// Text that is not a value of the declared type gives DISP_E_TYPEMISMATCH; a type this layer
// does not know gives the text.
HRESULT GetTypedValue(const XmlNodeContext& context, VARIANT* value)
{
    if (!value)
        return E_POINTER;
    VariantClear(value);
    std::string text = XmlNodeInfo::TextOf(context.ref);
    const DataType* type = DeclaredType(context.ref);
    if (!type || type->vt == VT_BSTR)
        return ReturnTextVariant(ToWide(text), value);
    if (!ReadTyped(Trimmed(text), type->vt, *value)) {
        VariantInit(value);
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

// A value that does not convert to the declared type gives DISP_E_TYPEMISMATCH and leaves the
// node as it was.
HRESULT PutTypedValue(const XmlNodeContext& context, const VARIANT& value)
{
    const DataType* type = DeclaredType(context.ref);
    std::wstring text;
    HRESULT hr = !type || type->vt == VT_BSTR ? TextOfVariant(value, text)
                                              : WriteTyped(value, type->vt, text);
    if (FAILED(hr))
        return hr;
    return XmlTreeEdit::PutText(context, text);
}

} // namespace XmlTypedValue

#include "XmlHelpers.h"

#include "platform/NativePath.h"
#include "platform/StringConv.h"

#include <charconv>
#include <filesystem>
#include <string>

HRESULT NewXmlDocument(CComPtr<IXMLDOMDocument>& document)
{
    document.Release();
    return CreateXMLDocument(&document);
}

HRESULT LoadXmlFile(const std::wstring& path, CComPtr<IXMLDOMElement>& root)
{
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(NativePath(path), ignored))
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    CComPtr<IXMLDOMDocument> document;
    HRESULT hr = NewXmlDocument(document);
    if (FAILED(hr))
        return hr;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    hr = document->load(CComVariant(path.c_str()), &loaded);
    if (FAILED(hr) || !loaded || document->get_documentElement(&root) != S_OK || !root)
        return HRESULT_FROM_WIN32(13); // ERROR_INVALID_DATA
    return S_OK;
}

HRESULT AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent, const wchar_t* name,
                      CComPtr<IXMLDOMElement>& element)
{
    HRESULT hr = document->createElement(CComBSTR(name), &element);
    if (FAILED(hr) || !parent)
        return hr;
    return parent->appendChild(element, nullptr);
}

HRESULT NewEffectElement(CComPtr<IXMLDOMNode>& effect)
{
    CComPtr<IXMLDOMDocument> document;
    HRESULT hr = NewXmlDocument(document);
    if (FAILED(hr))
        return hr;
    CComPtr<IXMLDOMElement> root;
    hr = AppendElement(document, document, L"Effect", root);
    CComPtr<IXMLDOMElement> pluginData;
    if (SUCCEEDED(hr))
        hr = AppendElement(document, root, L"plugin_data", pluginData);
    if (SUCCEEDED(hr))
        effect = root.p;
    return hr;
}

HRESULT CopyIntoNewDocument(IXMLDOMNode* node, CComPtr<IXMLDOMNode>& copy)
{
    if (!node)
        return E_POINTER;
    CComPtr<IXMLDOMDocument> document;
    HRESULT hr = NewXmlDocument(document);
    CComPtr<IXMLDOMNode> clone;
    if (SUCCEEDED(hr))
        hr = node->cloneNode(VARIANT_TRUE, &clone);
    // Appending a node of another document copies it into this one.
    if (SUCCEEDED(hr))
        hr = document->appendChild(clone, &copy);
    return hr;
}

std::wstring GetAttributeText(IXMLDOMNode* node, const wchar_t* name, const std::wstring& fallback)
{
    CComQIPtr<IXMLDOMElement> element(node);
    CComVariant value;
    if (!element || element->getAttribute(CComBSTR(name), &value) != S_OK || value.vt != VT_BSTR)
        return fallback;
    return value.bstrVal ? value.bstrVal : L"";
}

double GetAttributeNumber(IXMLDOMNode* node, const wchar_t* name, double fallback)
{
    std::wstring text = GetAttributeText(node, name);
    if (text.empty())
        return fallback;
    // Numbers are written and read the same way whatever the process's locale says.
    std::string narrow = WideToUtf8(text);
    double value = 0.0;
    auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    return error == std::errc() && end == narrow.data() + narrow.size() ? value : fallback;
}

HRESULT SetAttributeText(IXMLDOMElement* element, const wchar_t* name, const std::wstring& value)
{
    return element->setAttribute(CComBSTR(name), CComVariant(value.c_str()));
}

HRESULT SetAttributeNumber(IXMLDOMElement* element, const wchar_t* name, double value)
{
    // The shortest text that reads back as the same double, in any locale.
    char text[64];
    auto result = std::to_chars(text, text + sizeof(text), value);
    return SetAttributeText(element, name, Utf8ToWide(std::string_view(text, result.ptr - text)));
}

std::wstring ChildElementText(IXMLDOMNode* node, const wchar_t* name)
{
    CComPtr<IXMLDOMNode> child;
    CComBSTR text;
    if (!node || node->selectSingleNode(CComBSTR(name), &child) != S_OK || !child ||
        FAILED(child->get_text(&text)))
        return L"";
    return text.Str();
}

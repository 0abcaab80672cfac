#include "SmartAudioFile.h"

#include "XmlHelpers.h"

#include <filesystem>

HRESULT ReadSmartAudioFile(const std::wstring& path, SmartAudioDescription& description)
{
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored))
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    CComPtr<IXMLDOMDocument> document;
    HRESULT hr = NewXmlDocument(document);
    if (FAILED(hr))
        return hr;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CComPtr<IXMLDOMElement> root;
    if (document->load(CComVariant(path.c_str()), &loaded) != S_OK || !loaded ||
        document->get_documentElement(&root) != S_OK || !root)
        return S_FALSE;
    CComBSTR name;
    root->get_tagName(&name);
    if (name != L"SmartAudio")
        return S_FALSE;
    description.title = GetAttributeText(root, L"title");
    description.maxDuration = GetAttributeNumber(root, L"maxDuration", -1.0);
    if (description.maxDuration < 0.0)
        description.maxDuration = -1.0;
    return S_OK;
}

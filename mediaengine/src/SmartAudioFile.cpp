#include "SmartAudioFile.h"

#include "XmlHelpers.h"

HRESULT ReadSmartAudioFile(const std::wstring& path, SmartAudioDescription& description)
{
    CComPtr<IXMLDOMElement> root;
    HRESULT hr = LoadXmlFile(path, root);
    if (hr == HRESULT_FROM_WIN32(13))
        return S_FALSE;
    if (FAILED(hr))
        return hr;
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

#include "DocumentFile.h"

#include "FileFormat.h"
#include "XmlNodes.h"

#include "platform/Check.h"
#include "platform/StringConv.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace objectmodel {

namespace {

HRESULT ReportFileError(const char* file, int line, HRESULT hr, const std::wstring& path)
{
    KVULogFailure(file, line, hr, WideToUtf8(L"\"" + path + L"\"").c_str());
    return hr;
}

#define RETURN_FILE_ERROR(hr, path) return ReportFileError(__FILE__, __LINE__, (hr), (path))

// The file exists, is a regular file and can be opened for reading.
HRESULT CheckReadable(const std::wstring& path)
{
    std::string native = WideToUtf8(path);
    std::error_code error;
    auto status = std::filesystem::status(native, error);
    if (!std::filesystem::exists(status))
        RETURN_FILE_ERROR(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), path);
    if (!std::filesystem::is_regular_file(status))
        RETURN_FILE_ERROR(E_INVALIDARG, path);
    FILE* file = std::fopen(native.c_str(), "rb");
    if (!file)
        RETURN_FILE_ERROR(HResultFromErrno(errno), path);
    std::fclose(file);
    return S_OK;
}

HRESULT ParseFile(const std::wstring& path, CComPtr<IXMLDOMDocument>& document)
{
    CHECK_HR(CreateXMLDocument(&document));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CHECK_HR(document->load(CComVariant(path.c_str()), &loaded));
    if (loaded)
        return S_OK;
    CComBSTR reason;
    document->get_parseErrorReason(&reason);
    return REPORT_MALFORMED(L"\"" + path + L"\" is not a well-formed XML document: " +
                            reason.Str());
}

} // namespace

HRESULT OpenDocument(const std::wstring& path, const wchar_t* rootName,
                     CComPtr<IXMLDOMElement>& root)
{
    if (path.empty())
        RETURN_FILE_ERROR(E_INVALIDARG, path);
    CHECK_HR(CheckReadable(path));
    CComPtr<IXMLDOMDocument> document;
    CHECK_HR(ParseFile(path, document));
    CHECK_HR(document->get_documentElement(&root));
    if (!root || NodeName(root) != rootName)
        return REPORT_MALFORMED(L"\"" + path + L"\" does not hold a \"" + rootName + L"\"");
    return CheckFormatVersion(root, true);
}

HRESULT NewDocument(CComPtr<IXMLDOMDocument>& document)
{
    CHECK_HR(CreateXMLDocument(&document));
    CComPtr<IXMLDOMNode> declaration;
    CHECK_HR(document->createProcessingInstruction(
        CComBSTR(L"xml"), CComBSTR(L"version=\"1.0\" encoding=\"UTF-8\""), &declaration));
    CHECK_HR(document->appendChild(declaration, nullptr));
    return S_OK;
}

HRESULT SaveDocument(IXMLDOMDocument* document, const std::wstring& path)
{
    if (path.empty())
        RETURN_FILE_ERROR(E_INVALIDARG, path);
    // The document is written to a temporary file and renamed over the old one.
    HRESULT hr = document->save(CComVariant(path.c_str()));
    if (FAILED(hr))
        RETURN_FILE_ERROR(hr, path);
    return S_OK;
}

} // namespace objectmodel

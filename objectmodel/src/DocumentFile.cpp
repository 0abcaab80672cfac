#include "DocumentFile.h"

#include "FileFormat.h"
#include "XmlNodes.h"

#include "platform/Check.h"
#include "platform/StringConv.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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

// Creates a file of a free name beside path; the name is handed out.
HRESULT CreateTemporaryBeside(const std::wstring& path, std::string& temporary)
{
    std::string native = WideToUtf8(path);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        temporary = native + ".saving" + std::to_string(attempt);
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0) {
            struct stat existing = {};
            if (::stat(native.c_str(), &existing) == 0)
                ::fchmod(fd, existing.st_mode & 07777);
            ::close(fd);
            return S_OK;
        }
        if (errno != EEXIST)
            RETURN_FILE_ERROR(HResultFromErrno(errno), path);
    }
    RETURN_FILE_ERROR(HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS), path);
}

HRESULT FlushToDisk(const std::string& native)
{
    int fd = ::open(native.c_str(), O_RDONLY);
    if (fd < 0)
        return HResultFromErrno(errno);
    int result = ::fsync(fd);
    int error = errno;
    ::close(fd);
    return result == 0 ? S_OK : HResultFromErrno(error);
}

HRESULT WriteAndReplace(IXMLDOMDocument* document, const std::string& temporary,
                        const std::wstring& path)
{
    CHECK_HR(document->save(CComVariant(Utf8ToWide(temporary).c_str())));
    HRESULT hr = FlushToDisk(temporary);
    if (FAILED(hr))
        RETURN_FILE_ERROR(hr, path);
    if (std::rename(temporary.c_str(), WideToUtf8(path).c_str()) != 0)
        RETURN_FILE_ERROR(HResultFromErrno(errno), path);
    return S_OK;
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
    std::string temporary;
    CHECK_HR(CreateTemporaryBeside(path, temporary));
    HRESULT hr = WriteAndReplace(document, temporary, path);
    if (FAILED(hr))
        std::remove(temporary.c_str());
    return hr;
}

} // namespace objectmodel

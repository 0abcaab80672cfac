#include "VariantLists.h"

#include "dsutils/DSAppUtils.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"
#include "platform/NativePath.h"
#include "platform/ResultCodes.h"
#include "platform/Xml.h"

#include <filesystem>
#include <system_error>

namespace {

// An info file lists the media of a disc; anything larger is not one and is not read.
constexpr std::uintmax_t kLargestInfoFile = 4u << 20;

HRESULT CantParse(const std::wstring& path, const std::wstring& reason)
{
    KVUReportError(
        KVUErrStr(L"The info file \"%ls\" cannot be read: %ls\n", path.c_str(), reason.c_str()));
    RETURN_CODE(E_PARSEINFOFILE_CANT_PARSE);
}

// Only a plain file of a bounded size is handed to the parser (not a device, not a pipe).
HRESULT CheckReadable(const std::wstring& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(NativePath(path), error))
        return CantParse(path, L"it is not a file");
    std::uintmax_t size = std::filesystem::file_size(NativePath(path), error);
    if (error || size > kLargestInfoFile)
        return CantParse(path, L"it is larger than 4 MiB");
    return S_OK;
}

HRESULT LoadDocument(const std::wstring& path, CComPtr<IXMLDOMElement>& spRoot)
{
    CComPtr<IXMLDOMDocument> spDoc;
    CHECK_HR(CreateXMLDocument(&spDoc));
    VARIANT_BOOL bSuccess = VARIANT_FALSE;
    CHECK_HR(spDoc->load(CComVariant(path.c_str()), &bSuccess));
    if (bSuccess == VARIANT_FALSE) {
        CComBSTR reason;
        spDoc->get_parseErrorReason(&reason);
        return CantParse(path, reason.Str());
    }
    CHECK_HR(spDoc->get_documentElement(&spRoot));
    if (!spRoot)
        return CantParse(path, L"it has no document element");
    return S_OK;
}

// The text of an attribute; empty when the element has none.
std::wstring AttributeText(IXMLDOMElement* pElement, const wchar_t* name)
{
    CComVariant value;
    if (pElement->getAttribute(CComBSTR(name), &value) != S_OK || value.vt != VT_BSTR)
        return std::wstring();
    return CComBSTR(value.bstrVal).Str();
}

// A relative media path counts from the info file's folder.
std::wstring MediaPath(const std::wstring& infoFile, const std::wstring& file)
{
    std::filesystem::path media = NativePath(file);
    if (media.is_absolute())
        return file;
    return WidePath((NativePath(infoFile).parent_path() / media).lexically_normal());
}

// The entries are the document element's own children: the file is walked one level deep, so
// a deeply nested or very wide hostile document costs no more than its size.
HRESULT ReadEntries(const std::wstring& path, IXMLDOMElement* pRoot,
                    std::vector<std::wstring>& pairs)
{
    CComPtr<IXMLDOMNode> spNode;
    CHECK_HR(pRoot->get_firstChild(&spNode));
    while (spNode) {
        CComQIPtr<IXMLDOMElement> spEntry(spNode);
        std::wstring file = spEntry ? AttributeText(spEntry, L"file") : std::wstring();
        if (!file.empty()) {
            pairs.push_back(MediaPath(path, file));
            pairs.push_back(AttributeText(spEntry, L"name"));
        }
        CComPtr<IXMLDOMNode> spNext;
        CHECK_HR(spNode->get_nextSibling(&spNext));
        spNode = spNext;
    }
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::ParseInfoFile(BSTR path, VARIANT* files)
{
    KVUClearErrorStack();
    CHECK_NULL(path);
    CHECK_NULL(files);
    std::wstring infoFile = CComBSTR(path).Str();
    CHECK_HR_SHORT(CheckReadable(infoFile));
    CComPtr<IXMLDOMElement> spRoot;
    CHECK_HR_SHORT(LoadDocument(infoFile, spRoot));
    std::vector<std::wstring> pairs;
    CHECK_HR_SHORT(ReadEntries(infoFile, spRoot, pairs));
    if (pairs.empty())
        return CantParse(infoFile, L"it lists no media file");
    CComVariant result = MakeStringArray(pairs);
    VariantClear(files);
    return result.Detach(files);
}

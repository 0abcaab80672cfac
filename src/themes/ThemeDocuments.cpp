#include "dsutils/MenuStyleUtil.h"

#include "foundation/XMLUtl.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"

#include <string_view>

namespace {

// Where the extension of the path's file name starts: its last "."; npos when the file name
// has none (a "." in a folder name does not count).
size_t ExtensionStart(std::wstring_view path)
{
    size_t dot = path.rfind(L'.');
    size_t separator = path.find_last_of(L"/\\");
    if (dot == std::wstring_view::npos || (separator != std::wstring_view::npos && dot < separator))
        return std::wstring_view::npos;
    return dot;
}

} // namespace

HRESULT CMenuStyleUtil::CreateXMLDoc(IXMLDOMDocument** ppiDoc)
{
    KVUClearErrorStack();
    CHECK_NULL(ppiDoc);
    CComPtr<IXMLDOMDocument> spDoc;
    CHECK_HR(XMLUtl::CreateDocument(&spDoc));
    CComPtr<IXMLDOMNode> spNode;
    CHECK_HR(spDoc->createNode(CComVariant(LONG(NODE_ELEMENT)), CComBSTR(L"Root"), CComBSTR(L""),
                               &spNode));
    CComQIPtr<IXMLDOMElement> spRoot(spNode);
    CHECK_NULL(spRoot);
    CHECK_HR(spRoot->setAttribute(CComBSTR(L"xmlns:dt"), CComVariant(kXmlDataTypesNamespace)));
    CHECK_HR(spDoc->putref_documentElement(spRoot));
    *ppiDoc = spDoc.Detach();
    return S_OK;
}

bool CMenuStyleUtil::ChangeFileExtension(const wchar_t* pszPath, const wchar_t* pszExt,
                                         CComBSTR& strOut)
{
    if (!pszPath || !*pszPath || !pszExt || !*pszExt)
        return false;
    std::wstring_view path(pszPath);
    std::wstring changed(path.substr(0, ExtensionStart(path)));
    changed += pszExt;
    strOut = changed;
    return true;
}

HRESULT CMenuStyleUtil::GetMapOfThemeFiles(std::map<std::wstring, std::wstring>&, bool)
{
    KVUClearErrorStack();
    return E_NOTIMPL;
}

HRESULT CMenuStyleUtil::ValidateTheme(IDSMenu*)
{
    KVUClearErrorStack();
    return S_OK;
}

HRESULT CMenuStyleUtil::ConstructSampleProject(IDSProjectData*, IDSMenu*, IDSMenu*)
{
    KVUClearErrorStack();
    return S_OK;
}

#include "XMLUtl.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"

HRESULT XMLUtl::CreateDocument(IXMLDOMDocument** ppDoc)
{
    CHECK_NULL(ppDoc);
    CComPtr<IXMLDOMDocument> spDoc;
    CHECK_HR(CreateXMLDocument(&spDoc));
    CComPtr<IXMLDOMNode> spDeclaration;
    CHECK_HR(spDoc->createProcessingInstruction(
        CComBSTR(L"xml"), CComBSTR(L"version=\"1.0\" encoding=\"UTF-16\""), &spDeclaration));
    CHECK_HR(spDoc->appendChild(spDeclaration, nullptr));
    *ppDoc = spDoc.Detach();
    return S_OK;
}

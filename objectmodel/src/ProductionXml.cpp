#include "ProductionXml.h"

#include "XmlNodes.h"

#include "platform/Check.h"

#include <vector>

namespace objectmodel {

HRESULT RequireInterface(IUnknown* answer, const char* missing)
{
    if (answer)
        return S_OK;
    LOG_HR(E_NOINTERFACE, missing);
    return E_NOINTERFACE;
}

HRESULT WriteProductionXml(IKVEProductionXml* production, IXMLDOMNode* parent)
{
    CComPtr<IXMLDOMElement> holder;
    CHECK_HR(AppendElement(parent, L"Production", holder));
    CHECK_HR(production->SaveToXml(holder));
    return S_OK;
}

HRESULT ReadProductionXml(IKVEProductionXml* production, IXMLDOMElement* holder)
{
    std::vector<CComPtr<IXMLDOMElement>> children;
    CHECK_HR(ElementChildren(holder, children));
    if (children.size() != 1)
        return REPORT_MALFORMED(L"a production element holds " + std::to_wstring(children.size()) +
                                L" elements instead of one");
    CHECK_HR(production->LoadFromXml(children.front()));
    return S_OK;
}

} // namespace objectmodel

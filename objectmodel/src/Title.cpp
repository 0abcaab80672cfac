#include "Title.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "ProductionXml.h"
#include "ProjectData.h"
#include "PropertyAccess.h"
#include "XmlNodes.h"

#include "platform/Check.h"
#include "platform/ClassFactory.h"

namespace objectmodel {

HRESULT CTitle::Make(CComPtr<CTitle>& title)
{
    CComPtr<IUnknown> production;
    CHECK_HR(CoCreateInstance(CLSID_KVEProduction, nullptr, 0, IID_IUnknown,
                              reinterpret_cast<void**>(&production)));
    CComQIPtr<IKVEProductionXml> productionXml(production);
    CHECK_HR(RequireInterface(productionXml.p, "the production has no XML form"));
    title = Create(production, productionXml);
    return S_OK;
}

CTitle::CTitle(CComPtr<IUnknown> production, CComPtr<IKVEProductionXml> productionXml)
    : m_production(std::move(production)), m_productionXml(std::move(productionXml))
{}

void CTitle::MarkChanged()
{
    if (m_project)
        m_project->MarkChanged();
}

HRESULT CTitle::get_ID(LONG* id)
{
    return CopyOut(m_id, id);
}

HRESULT CTitle::get_Tag(ULONG* tag)
{
    return CopyOut(m_props.tag, tag);
}

HRESULT CTitle::put_Tag(ULONG tag)
{
    return Store(m_props.tag, tag);
}

HRESULT CTitle::get_Flags(ULONG* flags)
{
    return CopyOut(m_props.flags, flags);
}

HRESULT CTitle::put_Flags(ULONG flags)
{
    return Store(m_props.flags, flags);
}

HRESULT CTitle::get_Name(BSTR* name)
{
    return CopyOut(m_props.name, name);
}

HRESULT CTitle::put_Name(BSTR name)
{
    return Store(m_props.name, TextOf(name));
}

HRESULT CTitle::get_Excluded(VARIANT_BOOL* excluded)
{
    return CopyOut(m_props.excluded, excluded);
}

HRESULT CTitle::put_Excluded(VARIANT_BOOL excluded)
{
    return StoreSwitch(m_props.excluded, excluded);
}

HRESULT CTitle::get_OnDiscCount(LONG* count)
{
    return CopyOut(m_props.onDiscCount, count);
}

HRESULT CTitle::put_OnDiscCount(LONG count)
{
    if (count < 0)
        return E_INVALIDARG;
    return Store(m_props.onDiscCount, count);
}

HRESULT CTitle::get_ProductionCurrent(VARIANT_BOOL* current)
{
    return CopyOut(m_props.productionCurrent, current);
}

HRESULT CTitle::put_ProductionCurrent(VARIANT_BOOL current)
{
    // Any non-zero value means current, so that callers may write 0 and 1 as well.
    return Store(m_props.productionCurrent, ToVariantBool(current != VARIANT_FALSE));
}

HRESULT CTitle::GetProduction(IUnknown** production)
{
    return m_production.CopyTo(production);
}

HRESULT CTitle::GetProject(IDSProjectData** project)
{
    return CProjectData::HandOut(m_project, project);
}

HRESULT CTitle::WriteXml(IXMLDOMNode* parent)
{
    CComPtr<IXMLDOMElement> element;
    CHECK_HR(AppendFields(parent, L"Title", m_id, m_props, element));
    CHECK_HR(WriteEncodingXml(element));
    CHECK_HR(Commands().WriteXml(element));
    return WriteProductionXml(m_productionXml, element);
}

HRESULT CTitle::ReadXml(IXMLDOMElement* element)
{
    AttributeReader reader(element);
    m_props.VisitFields(reader);
    if (SUCCEEDED(reader.Result()) && m_props.onDiscCount < 0)
        reader.Refuse(L"the on-disc count is negative");
    CHECK_HR(reader.Result());
    CComPtr<IXMLDOMElement> part;
    CHECK_HR(FirstChildElement(element, L"Encoding", part));
    if (part)
        CHECK_HR(ReadEncodingXml(part));
    CHECK_HR(FirstChildElement(element, L"Commands", part));
    if (part)
        CHECK_HR(Commands().ReadXml(part));
    CHECK_HR(FirstChildElement(element, L"Production", part));
    if (part)
        CHECK_HR(ReadProductionXml(m_productionXml, part));
    return S_OK;
}

} // namespace objectmodel

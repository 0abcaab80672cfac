// A title: a production that plays on the disc, with its commands and encoding parameters.
#pragma once

#include "CommandListImpl.h"
#include "EncodingParamsImpl.h"

#include "model/IDSTitle.h"
#include "model/KVEProductionLink.h"
#include "platform/ComObject.h"

namespace objectmodel {

class CProjectData;

struct TitleProperties
{
    ULONG tag = TitleType_User;
    ULONG flags = 0;
    std::wstring name;
    VARIANT_BOOL excluded = VARIANT_FALSE;
    LONG onDiscCount = 0;
    VARIANT_BOOL productionCurrent = VARIANT_FALSE;

    template <class Fields> void VisitFields(Fields& f)
    {
        f.Field(L"tag", tag);
        f.Field(L"flags", flags);
        f.Field(L"name", name);
        f.Field(L"excluded", excluded);
        f.Field(L"onDiscCount", onDiscCount);
        f.Field(L"productionCurrent", productionCurrent);
    }
};

class CTitle : public ComObject<CTitle, IDSTitle, CommandListImpl, EncodingParamsImpl>
{
public:
    // A new title with its production (created through the class factory), in no project.
    static HRESULT Make(CComPtr<CTitle>& title);

    CTitle(CComPtr<IUnknown> production, CComPtr<IKVEProductionXml> productionXml);

    HRESULT get_ID(LONG* id) override;
    HRESULT get_Tag(ULONG* tag) override;
    HRESULT put_Tag(ULONG tag) override;
    HRESULT get_Flags(ULONG* flags) override;
    HRESULT put_Flags(ULONG flags) override;
    HRESULT get_Name(BSTR* name) override;
    HRESULT put_Name(BSTR name) override;
    HRESULT get_Excluded(VARIANT_BOOL* excluded) override;
    HRESULT put_Excluded(VARIANT_BOOL excluded) override;
    HRESULT get_OnDiscCount(LONG* count) override;
    HRESULT put_OnDiscCount(LONG count) override;
    HRESULT get_ProductionCurrent(VARIANT_BOOL* current) override;
    HRESULT put_ProductionCurrent(VARIANT_BOOL current) override;
    HRESULT GetProduction(IUnknown** production) override;
    HRESULT GetProject(IDSProjectData** project) override;

    LONG Id() const { return m_id; }
    void SetId(LONG id) { m_id = id; }
    CProjectData* Project() const { return m_project; }
    void SetProject(CProjectData* project) { m_project = project; }
    IUnknown* Production() const { return m_production; }
    const TitleProperties& Properties() const { return m_props; }

    // Appends a "Title" element that holds the title and its production.
    HRESULT WriteXml(IXMLDOMNode* parent);
    // Reads a title written by WriteXml into this new title (the ID is the caller's).
    HRESULT ReadXml(IXMLDOMElement* element);

protected:
    ~CTitle() override = default;

private:
    void MarkChanged() override;

    LONG m_id = 0;
    CProjectData* m_project = nullptr;
    TitleProperties m_props;
    CComPtr<IUnknown> m_production;
    CComPtr<IKVEProductionXml> m_productionXml;
};

} // namespace objectmodel

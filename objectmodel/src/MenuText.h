// A text: words on a menu or in a button, with an alignment code and a look (TextEffect).
#pragma once

#include "MenuElementImpl.h"
#include "TextEffect.h"

#include "platform/ComObject.h"

namespace objectmodel {

struct TextProperties
{
    LONG alignment = TextAlign_Center;

    template <class Fields> void VisitFields(Fields& f) { f.Field(L"alignment", alignment); }
};

class CMenuText : public ComObject<CMenuText, MenuElementImpl<IDSMenuText>>
{
public:
    HRESULT get_Alignment(LONG* code) override;
    HRESULT put_Alignment(LONG code) override;
    HRESULT get_FontName(BSTR* face) override;
    HRESULT put_FontName(BSTR face) override;
    HRESULT get_FontSize(float* size) override;
    HRESULT put_FontSize(float size) override;
    HRESULT GetColor(LONG kind, COLORREF* colour) override;
    HRESULT SetColor(LONG kind, COLORREF colour) override;
    HRESULT GetEffectXML(IXMLDOMNode** effect) override;
    HRESULT SetEffectXML(IXMLDOMNode* effect) override;

    HRESULT Duplicate(CComPtr<IDSMenuElement>& copy) override;
    const wchar_t* XmlName() const override { return L"Text"; }

protected:
    ~CMenuText() override = default;

    void WriteOwnFields(AttributeWriter& writer, bool nativeSources) override;
    void ReadOwnFields(AttributeReader& reader) override;
    HRESULT WriteContent(IXMLDOMElement* element, bool nativeSources) override;
    HRESULT ReadContent(IXMLDOMElement* element, int depth) override;

private:
    // Runs a change of the look and marks the project changed when it succeeded.
    template <class Change> HRESULT ChangeEffect(Change change);

    TextProperties m_text;
    TextEffect m_effect;
};

} // namespace objectmodel

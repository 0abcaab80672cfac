// A button: a selectable element with its own commands and its own element list.
#pragma once

#include "CommandListImpl.h"
#include "ElementListImpl.h"
#include "MenuElementImpl.h"

#include "platform/ComObject.h"

namespace objectmodel {

struct ButtonProperties
{
    // Relative to the button's centre, so that it moves with the button.
    FloatRect activeRegion = {0.0f, 0.0f, 0.0f, 0.0f};
    VARIANT_BOOL activeRegionValid = VARIANT_FALSE;
    LONG colourScheme = 0;
    LONG chapterMarkerId = -1;

    template <class Fields> void VisitFields(Fields& f)
    {
        f.Field(L"activeRegion", activeRegion);
        f.Field(L"activeRegionValid", activeRegionValid);
        f.Field(L"colourScheme", colourScheme);
        f.Field(L"chapterMarkerID", chapterMarkerId);
    }
};

class CMenuButton : public ComObject<CMenuButton, MenuElementImpl<IDSMenuButton>, ElementListImpl,
                                     CommandListImpl>
{
public:
    HRESULT get_ActiveRegion(FloatRect* region, VARIANT_BOOL* valid) override;
    HRESULT put_ActiveRegion(const FloatRect* region, VARIANT_BOOL valid) override;
    HRESULT GetHighlightRegion(FloatRect* region) override;
    HRESULT get_ColourScheme(LONG* scheme) override;
    HRESULT put_ColourScheme(LONG scheme) override;
    HRESULT get_ChapterMarkerID(LONG* id) override;
    HRESULT put_ChapterMarkerID(LONG id) override;
    HRESULT get_CommandCount(LONG* count) override;
    HRESULT GetLabel(IDSMenuText** label) override;
    HRESULT ApplyTo(IDSMenuButton* destination) override;
    HRESULT SaveXML(IXMLDOMNode* parent) override;
    HRESULT loadXML(IXMLDOMNode* element) override;

    ElementListImpl* HeldList() override { return this; }
    HRESULT Duplicate(CComPtr<IDSMenuElement>& copy) override;
    const wchar_t* XmlName() const override { return L"Button"; }
    FloatRect Extent() const override;

    CMenu* ListMenu() const override { return OwningMenu(); }
    ElementNode* ListOwner() override { return this; }
    const ElementNode* ListOwner() const override { return this; }
    IUnknown* ListIdentity() override { return GetUnknown(); }

protected:
    ~CMenuButton() override = default;

    void WriteOwnFields(AttributeWriter& writer, bool nativeSources) override;
    void ReadOwnFields(AttributeReader& reader) override;
    HRESULT WriteContent(IXMLDOMElement* element, bool nativeSources) override;
    HRESULT ReadContent(IXMLDOMElement* element, int depth) override;

private:
    void MarkChanged() override { MarkProjectChanged(); }
    // Takes the look that ApplyTo gives (see IDSMenuButton::ApplyTo).
    void TakeLookOf(const CMenuButton& source);
    // Takes everything but identity and place from a button read from XML.
    void TakeLoadedStateOf(CMenuButton& loaded);

    ButtonProperties m_button;
};

} // namespace objectmodel

// Small in-memory stand-ins of the project object model: a project with titles and menus,
// menus with elements, buttons with texts. They keep what the tests read and answer E_NOTIMPL
// for everything else. Parents hold counted references to their children; children point back
// without one, so a test keeps the project alive while it uses its objects.
#pragma once

#include "FakeModelStubs.h"

#include "platform/ComObject.h"

#include <map>
#include <vector>

namespace fake {

template <class T> HRESULT Give(T* out, T value)
{
    *out = value;
    return S_OK;
}

template <class T> HRESULT Take(T& field, T value)
{
    field = value;
    return S_OK;
}

} // namespace fake

// ID, tag and flags, which elements, menus and titles all have.
template <class Base> class FakeIdentity : public Base
{
public:
    HRESULT get_ID(LONG* value) override { return fake::Give(value, id); }
    HRESULT get_Tag(ULONG* value) override { return fake::Give(value, tag); }
    HRESULT put_Tag(ULONG value) override { return fake::Take(tag, value); }
    HRESULT get_Flags(ULONG* value) override { return fake::Give(value, flags); }
    HRESULT put_Flags(ULONG value) override { return fake::Take(flags, value); }

    LONG id = 0;
    ULONG tag = 0;
    ULONG flags = 0;
};

// Name, label and the menu of an element.
template <class Base> class FakeElementCore : public FakeIdentity<StubMenuElement<Base>>
{
public:
    HRESULT get_Name(BSTR* value) override { return name.CopyTo(value); }
    HRESULT get_Label(BSTR* value) override { return label.CopyTo(value); }
    HRESULT GetMenu(IDSMenu** value) override
    {
        CComPtr<IDSMenu>(menu).CopyTo(value);
        return menu ? S_OK : S_FALSE;
    }

    CComBSTR name;
    CComBSTR label;
    IDSMenu* menu = nullptr;
};

class FakeText : public FakeElementCore<StubMenuText<ComObject<FakeText, IDSMenuText>>>
{};

class FakeOverlay : public FakeElementCore<StubMenuOverlay<ComObject<FakeOverlay, IDSMenuOverlay>>>
{};

class FakeButton : public FakeElementCore<StubMenuButton<ComObject<FakeButton, IDSMenuButton>>>
{
public:
    // The first text whose tag has the label bit.
    HRESULT GetLabel(IDSMenuText** value) override
    {
        for (const CComPtr<FakeText>& text : texts) {
            if (text->tag & TextType_Label)
                return CComPtr<IDSMenuText>(text.p).CopyTo(value);
        }
        *value = nullptr;
        return S_FALSE;
    }

    std::vector<CComPtr<FakeText>> texts;
};

class FakeMenu
    : public FakeIdentity<
          StubMenuElementList<StubMenu<ComObject<FakeMenu, IDSMenu, IDSMenuElementList>>>>
{
public:
    HRESULT get_TemplateID(LONG* value) override { return fake::Give(value, templateId); }
    HRESULT GetProject(IDSProjectData** value) override
    {
        CComPtr<IDSProjectData>(project).CopyTo(value);
        return project ? S_OK : S_FALSE;
    }
    HRESULT get_Count(LONG* value) override
    {
        return fake::Give(value, static_cast<LONG>(elements.size()));
    }
    HRESULT get_Item(LONG index, IDSMenuElement** value) override
    {
        if (index < 1 || index > static_cast<LONG>(elements.size()))
            return E_INVALIDARG;
        return elements[index - 1].CopyTo(value);
    }

    LONG templateId = 0;
    IDSProjectData* project = nullptr;
    std::vector<CComPtr<IDSMenuElement>> elements;
};

class FakeTitle
    : public FakeIdentity<
          StubEncodingParams<StubTitle<ComObject<FakeTitle, IDSTitle, IDSEncodingParams>>>>
{
public:
    HRESULT get_Name(BSTR* value) override { return name.CopyTo(value); }
    HRESULT GetProject(IDSProjectData** value) override
    {
        CComPtr<IDSProjectData>(project).CopyTo(value);
        return project ? S_OK : S_FALSE;
    }
    HRESULT get_AspectRatio(AspectRatio* value) override { return fake::Give(value, aspect); }

    CComBSTR name;
    AspectRatio aspect = AspectRatio_4x3;
    IDSProjectData* project = nullptr;
};

class FakeProject : public StubEncodingParams<
                        StubProjectData<ComObject<FakeProject, IDSProjectData, IDSEncodingParams>>>
{
public:
    // Without encoding parameters the project does not answer IDSEncodingParams.
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (!hasEncoding && iid == IID_IDSEncodingParams) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        return ComObject::QueryInterface(iid, object);
    }
    HRESULT get_TVStandard(TVStandard* value) override { return Read(value, standard); }
    HRESULT get_DiscFormat(DiscFormat* value) override { return Read(value, format); }
    HRESULT get_AspectRatio(AspectRatio* value) override { return Read(value, aspect); }
    HRESULT get_VideoResolution(VideoResolution* value) override { return Read(value, resolution); }
    HRESULT get_MenuCount(LONG* value) override
    {
        return Read(value, static_cast<LONG>(menus.size()));
    }
    HRESULT get_Menu(LONG index, IDSMenu** value) override { return Item(menus, index, value); }
    HRESULT get_TitleCount(LONG* value) override
    {
        return Read(value, static_cast<LONG>(titles.size()));
    }
    HRESULT get_Title(LONG index, IDSTitle** value) override { return Item(titles, index, value); }
    HRESULT FindByID(LONG id, IUnknown** object) override
    {
        auto found = objects.find(id);
        *object = nullptr;
        if (found == objects.end())
            return E_INVALIDARG;
        return found->second.CopyTo(object);
    }

    CComPtr<FakeMenu> AddMenu(LONG id, ULONG tag)
    {
        CComPtr<FakeMenu> menu = Make<FakeMenu>(id, tag);
        menu->project = this;
        menus.push_back(menu.p);
        return menu;
    }

    CComPtr<FakeTitle> AddTitle(LONG id, ULONG tag, const wchar_t* name = L"")
    {
        CComPtr<FakeTitle> title = Make<FakeTitle>(id, tag);
        title->name = name;
        title->project = this;
        titles.push_back(title.p);
        return title;
    }

    // Appends an element to the menu.
    template <class Element> CComPtr<Element> AddElement(FakeMenu* menu, LONG id, ULONG tag)
    {
        CComPtr<Element> element = Make<Element>(id, tag);
        element->menu = menu;
        menu->elements.push_back(element.p);
        return element;
    }

    // Gives the button a text of its own.
    CComPtr<FakeText> AddText(FakeButton* button, LONG id, ULONG tag, const wchar_t* label)
    {
        CComPtr<FakeText> text = Make<FakeText>(id, tag);
        text->label = label;
        text->menu = button->menu;
        button->texts.push_back(text);
        return text;
    }

    TVStandard standard = TVStandard_NTSC;
    DiscFormat format = DiscFormat_DVD;
    AspectRatio aspect = AspectRatio_4x3;
    VideoResolution resolution = VideoResolution_720;
    bool hasEncoding = true;
    // What every property read answers; a failure leaves the output alone.
    HRESULT readResult = S_OK;
    std::vector<CComPtr<IDSMenu>> menus;
    std::vector<CComPtr<IDSTitle>> titles;
    std::map<LONG, CComPtr<IUnknown>> objects;

private:
    // A new object of the project, found by its ID.
    template <class T> CComPtr<T> Make(LONG id, ULONG tag)
    {
        CComPtr<T> object = T::Create();
        object->id = id;
        object->tag = tag;
        objects[id] = object->GetUnknown();
        return object;
    }
    template <class T> HRESULT Read(T* out, T value)
    {
        if (SUCCEEDED(readResult))
            *out = value;
        return readResult;
    }
    template <class I> static HRESULT Item(const std::vector<CComPtr<I>>& list, LONG index, I** out)
    {
        if (index < 1 || index > static_cast<LONG>(list.size()))
            return E_INVALIDARG;
        return list[index - 1].CopyTo(out);
    }
};

#include "ProductionXmlWriter.h"

#include "ElementWriter.h"
#include "XmlHelpers.h"

namespace {

// Writes elements into one document.
class Writer
{
public:
    explicit Writer(IXMLDOMDocument* document) : m_document(document) {}

    HRESULT Element(IXMLDOMNode* parent, const wchar_t* name, CComPtr<IXMLDOMElement>& element)
    {
        return AppendElement(m_document, parent, name, element);
    }

    HRESULT Production(const Production::State& state, IXMLDOMNode* parent);

private:
    HRESULT Information(const Production::State& state, IXMLDOMElement* root);
    HRESULT Panels(const Production::State& state, IXMLDOMElement* root);
    HRESULT Panel(IBaseObject* object, IXMLDOMElement* panels);
    HRESULT SubProductions(const Production::State& state, IXMLDOMElement* root);
    HRESULT Audio(const Production::State& state, IXMLDOMElement* root);
    HRESULT Markers(const Production::State& state, IXMLDOMElement* root);
    HRESULT MetaData(const Production::State& state, IXMLDOMElement* root);
    HRESULT ElementItems(const Production::State& state, IXMLDOMElement* root);
    HRESULT Menu(const MenuSnapshot& menu, IXMLDOMElement* root);
    ElementWriter Attributes(IXMLDOMElement* element) { return ElementWriter(m_document, element); }

    IXMLDOMDocument* m_document;
};

HRESULT Writer::Production(const Production::State& state, IXMLDOMNode* parent)
{
    CComPtr<IXMLDOMElement> root;
    HRESULT hr = Element(parent, L"Production", root);
    if (SUCCEEDED(hr))
        hr = Information(state, root);
    if (SUCCEEDED(hr))
        hr = Panels(state, root);
    if (SUCCEEDED(hr))
        hr = SubProductions(state, root);
    if (SUCCEEDED(hr))
        hr = Audio(state, root);
    if (SUCCEEDED(hr))
        hr = Markers(state, root);
    if (SUCCEEDED(hr))
        hr = MetaData(state, root);
    if (SUCCEEDED(hr))
        hr = ElementItems(state, root);
    if (SUCCEEDED(hr))
        hr = Menu(state.menu, root);
    return hr;
}

HRESULT Writer::Information(const Production::State& state, IXMLDOMElement* root)
{
    return Attributes(root)
        .Number(L"version", kProductionXmlVersion)
        .Number(L"aspectRatio", state.aspect)
        .Number(L"frameRate", state.frameRate)
        .Flag(L"is3D", state.is3D)
        .Flag(L"useSourceAspectRatio", state.useSourceAspect)
        .Number(L"nextId", state.nextId)
        .Result();
}

HRESULT Writer::Panels(const Production::State& state, IXMLDOMElement* root)
{
    CComPtr<IXMLDOMElement> panels;
    HRESULT hr = Element(root, L"Panels", panels);
    for (size_t i = 0; SUCCEEDED(hr) && i < state.panels.size(); ++i)
        hr = Panel(state.panels[i], panels);
    return hr;
}

HRESULT Writer::Panel(IBaseObject* object, IXMLDOMElement* panels)
{
    ::Panel* panel = PanelOf(object);
    static constexpr const wchar_t* kNames[] = {L"", L"SourceFile", L"SolidColor",
                                                L"ProductionMoniker", L"Transition"};
    CComPtr<IXMLDOMElement> element;
    HRESULT hr = Element(panels, kNames[panel->Kind()], element);
    if (FAILED(hr))
        return hr;
    ElementWriter out = Attributes(element);
    out.Number(L"id", panel->Id());
    return FAILED(out.Result()) ? out.Result() : panel->WriteXml(out);
}

HRESULT Writer::SubProductions(const Production::State& state, IXMLDOMElement* root)
{
    CComPtr<IXMLDOMElement> list;
    HRESULT hr = Element(root, L"SubProductions", list);
    for (auto it = state.subProductions.begin(); SUCCEEDED(hr) && it != state.subProductions.end();
         ++it) {
        CComPtr<IXMLDOMElement> entry;
        hr = Element(list, L"SubProduction", entry);
        if (SUCCEEDED(hr))
            hr = Attributes(entry).Text(L"moniker", it->first).Result();
        CComQIPtr<IKVEProductionXml> nested(it->second);
        if (SUCCEEDED(hr))
            hr = nested ? nested->SaveToXml(entry) : E_NOINTERFACE;
    }
    return hr;
}

HRESULT Writer::Audio(const Production::State& state, IXMLDOMElement* root)
{
    CComPtr<IXMLDOMElement> list;
    HRESULT hr = Element(root, L"Audio", list);
    for (size_t i = 0; SUCCEEDED(hr) && i < state.audio.size(); ++i) {
        const AudioObject& audio = *AudioOf(state.audio[i]);
        const AudioPlacement& placed = audio.Placement();
        CComPtr<IXMLDOMElement> entry;
        hr = Element(list, audio.XmlName(), entry);
        if (FAILED(hr))
            break;
        ElementWriter out = Attributes(entry);
        out.Number(L"id", placed.id)
            .Number(L"kind", placed.kind)
            .Text(L"file", placed.file)
            .Number(L"start", placed.start)
            .Number(L"end", placed.end)
            .Flag(L"repeat", placed.repeat)
            .Number(L"fadeIn", placed.fadeIn)
            .Number(L"fadeOut", placed.fadeOut)
            .Number(L"volume", placed.sound.volume)
            .Flag(L"nativeAudio", placed.sound.native);
        hr = FAILED(out.Result()) ? out.Result() : audio.WriteXml(out);
    }
    return hr;
}

HRESULT Writer::Markers(const Production::State& state, IXMLDOMElement* root)
{
    CComPtr<IXMLDOMElement> list;
    HRESULT hr = Element(root, L"Markers", list);
    for (size_t i = 0; SUCCEEDED(hr) && i < state.markers.size(); ++i) {
        const MarkerList::Entry& entry = state.markers[i];
        CComPtr<IXMLDOMElement> marker;
        hr = Element(list, L"Marker", marker);
        if (SUCCEEDED(hr))
            hr = Attributes(marker)
                     .Number(L"id", entry.marker.lID)
                     .Number(L"kind", entry.marker.lKind)
                     .Number(L"time", entry.marker.dTime)
                     .Number(L"link", entry.marker.lLink)
                     .Text(L"name", entry.name)
                     .Result();
    }
    return hr;
}

HRESULT Writer::MetaData(const Production::State& state, IXMLDOMElement* root)
{
    CComPtr<IXMLDOMElement> list;
    HRESULT hr = Element(root, L"MetaData", list);
    for (auto it = state.metadata.begin(); SUCCEEDED(hr) && it != state.metadata.end(); ++it) {
        CComPtr<IXMLDOMElement> item;
        hr = Element(list, L"Item", item);
        if (SUCCEEDED(hr))
            hr = Attributes(item).Text(L"name", it->first).Result();
        if (SUCCEEDED(hr))
            hr = Attributes(item).Copy(it->second).Result();
    }
    return hr;
}

HRESULT Writer::ElementItems(const Production::State& state, IXMLDOMElement* root)
{
    CComPtr<IXMLDOMElement> list;
    HRESULT hr = Element(root, L"ElementItems", list);
    for (auto it = state.elementItems.begin(); SUCCEEDED(hr) && it != state.elementItems.end();
         ++it) {
        CComPtr<IXMLDOMElement> item;
        hr = Element(list, L"Item", item);
        if (SUCCEEDED(hr))
            hr = Attributes(item)
                     .Number(L"id", it->first)
                     .Number(L"elementId", it->second->ElementId())
                     .Result();
        if (SUCCEEDED(hr))
            hr = Attributes(item).Copy(it->second->Effect().Node()).Result();
    }
    return hr;
}

HRESULT Writer::Menu(const MenuSnapshot& menu, IXMLDOMElement* root)
{
    CComPtr<IXMLDOMElement> list;
    HRESULT hr = Element(root, L"Menu", list);
    for (size_t i = 0; SUCCEEDED(hr) && i < menu.elements.size(); ++i) {
        const DrawnElement& e = menu.elements[i];
        bool text = e.kind == DrawnElement::Kind::Text;
        CComPtr<IXMLDOMElement> element;
        hr = Element(list, text ? L"Text" : L"Overlay", element);
        if (FAILED(hr))
            break;
        ElementWriter common = Attributes(element);
        common.Number(L"x", e.x).Number(L"y", e.y).Number(L"width", e.width);
        common.Number(L"height", e.height).Number(L"rotation", e.rotation);
        common.Number(L"opacity", e.opacity).Number(L"shownFrom", e.shownFrom);
        common.Number(L"shownUntil", e.shownUntil);
        if (text) {
            common.Text(L"label", e.label).Number(L"colour", e.colour);
            common.Text(L"font", e.fontFamily).Number(L"fontSize", e.fontSize);
            common.Flag(L"bold", e.bold).Flag(L"italic", e.italic);
            common.Number(L"alignment", e.alignment);
        } else {
            common.Text(L"source", e.source).Number(L"sourceTime", e.sourceTime);
            common.Flag(L"still", e.still).Text(L"alphaMask", e.alphaMask);
            common.Number(L"sourceScaleX", e.sourceScaleX).Number(L"sourceScaleY", e.sourceScaleY);
            common.Number(L"maskScaleX", e.maskScaleX).Number(L"maskScaleY", e.maskScaleY);
        }
        hr = common.Result();
    }
    return hr;
}

HRESULT DocumentOf(IXMLDOMNode* parent, CComPtr<IXMLDOMDocument>& document)
{
    CComQIPtr<IXMLDOMDocument> itself(parent);
    if (itself) {
        document = itself;
        return S_OK;
    }
    HRESULT hr = parent->get_ownerDocument(&document);
    return SUCCEEDED(hr) && !document ? E_INVALIDARG : hr;
}

} // namespace

HRESULT WriteProductionXml(const Production::State& state, IXMLDOMNode* parent)
{
    if (!parent)
        return E_POINTER;
    CComPtr<IXMLDOMDocument> document;
    HRESULT hr = DocumentOf(parent, document);
    return FAILED(hr) ? hr : Writer(document).Production(state, parent);
}

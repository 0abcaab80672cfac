#include "ProductionXmlWriter.h"

#include "ColorPanel.h"
#include "ProductionPanel.h"
#include "SourcePanel.h"
#include "TransitionPanel.h"
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
    HRESULT Source(const SourcePanel& source, IXMLDOMElement* element);
    HRESULT Transition(const TransitionPanel& transition, IXMLDOMElement* element);
    HRESULT SubProductions(const Production::State& state, IXMLDOMElement* root);
    HRESULT Audio(const Production::State& state, IXMLDOMElement* root);
    HRESULT Markers(const Production::State& state, IXMLDOMElement* root);
    HRESULT MetaData(const Production::State& state, IXMLDOMElement* root);
    HRESULT ElementItems(const Production::State& state, IXMLDOMElement* root);
    HRESULT Menu(const MenuSnapshot& menu, IXMLDOMElement* root);
    HRESULT Copy(IXMLDOMNode* node, IXMLDOMNode* parent);

    IXMLDOMDocument* m_document;
};

HRESULT SetFlag(IXMLDOMElement* element, const wchar_t* name, bool value)
{
    return SetAttributeText(element, name, value ? L"1" : L"0");
}

// Sets attributes in order, stopping at the first failure.
class Attributes
{
public:
    explicit Attributes(IXMLDOMElement* element) : m_element(element) {}
    Attributes& Text(const wchar_t* name, const std::wstring& value)
    {
        if (SUCCEEDED(m_hr))
            m_hr = SetAttributeText(m_element, name, value);
        return *this;
    }
    Attributes& Number(const wchar_t* name, double value)
    {
        if (SUCCEEDED(m_hr))
            m_hr = SetAttributeNumber(m_element, name, value);
        return *this;
    }
    Attributes& Flag(const wchar_t* name, bool value)
    {
        if (SUCCEEDED(m_hr))
            m_hr = SetFlag(m_element, name, value);
        return *this;
    }
    HRESULT Result() const { return m_hr; }

private:
    IXMLDOMElement* m_element;
    HRESULT m_hr = S_OK;
};

HRESULT Writer::Copy(IXMLDOMNode* node, IXMLDOMNode* parent)
{
    // A node of another document is copied in by appending it.
    return node ? parent->appendChild(node, nullptr) : S_OK;
}

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
    if (SUCCEEDED(hr))
        hr = Attributes(element).Number(L"id", panel->Id()).Result();
    if (SUCCEEDED(hr) && panel->Kind() != KVE_PANEL_TRANSITION)
        hr = Copy(panel->Effect().Node(), element);
    if (FAILED(hr))
        return hr;
    if (auto* source = dynamic_cast<SourcePanel*>(panel))
        return Source(*source, element);
    if (auto* transition = dynamic_cast<TransitionPanel*>(panel))
        return Transition(*transition, element);
    if (auto* colour = dynamic_cast<ColorPanel*>(panel))
        return Attributes(element)
            .Number(L"color", colour->Color())
            .Number(L"duration", colour->Duration())
            .Result();
    auto* nested = static_cast<ProductionPanel*>(panel);
    return Attributes(element)
        .Text(L"moniker", nested->Moniker())
        .Number(L"offset", nested->Offset())
        .Number(L"duration", nested->SetLength())
        .Number(L"volume", nested->Audio().volume)
        .Flag(L"nativeAudio", nested->Audio().native)
        .Result();
}

HRESULT Writer::Source(const SourcePanel& source, IXMLDOMElement* element)
{
    double out = source.InPoint() + source.Duration();
    HRESULT hr = Attributes(element)
                     .Text(L"file", source.FileName())
                     .Number(L"in", source.InPoint())
                     .Number(L"out", out)
                     .Number(L"rotation", source.Rotation())
                     .Number(L"stereo", source.Request().stereoType)
                     .Flag(L"leftEyeFirst", source.Request().leftEyeFirst)
                     .Number(L"volume", source.Audio().volume)
                     .Flag(L"nativeAudio", source.Audio().native)
                     .Result();
    if (SUCCEEDED(hr) && source.PanZoom()) {
        CComPtr<IXMLDOMElement> panZoom;
        hr = Element(element, L"PanZoom", panZoom);
        if (SUCCEEDED(hr))
            hr = Copy(source.PanZoom(), panZoom);
    }
    return hr;
}

HRESULT Writer::Transition(const TransitionPanel& transition, IXMLDOMElement* element)
{
    if (transition.IsCut())
        return Attributes(element).Flag(L"cut", true).Result();
    HRESULT hr = Attributes(element)
                     .Flag(L"cut", false)
                     .Number(L"duration", transition.WishedDuration())
                     .Text(L"name", transition.Name())
                     .Text(L"effectId", transition.EffectId())
                     .Result();
    return SUCCEEDED(hr) ? Copy(transition.Effect().Node(), element) : hr;
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
        const AudioPlacement& placed = *PlacementOf(state.audio[i]);
        auto* smart = dynamic_cast<SmartAudio*>(CComQIPtr<IKVEAudioSubObject>(state.audio[i]).p);
        CComPtr<IXMLDOMElement> entry;
        hr = Element(list, smart ? L"SmartAudio" : L"ProductionAudio", entry);
        if (SUCCEEDED(hr))
            hr = Attributes(entry)
                     .Number(L"id", placed.id)
                     .Number(L"kind", placed.kind)
                     .Text(L"file", placed.file)
                     .Number(L"start", placed.start)
                     .Number(L"end", placed.end)
                     .Flag(L"repeat", placed.repeat)
                     .Number(L"fadeIn", placed.fadeIn)
                     .Number(L"fadeOut", placed.fadeOut)
                     .Number(L"volume", placed.sound.volume)
                     .Flag(L"nativeAudio", placed.sound.native)
                     .Result();
        if (SUCCEEDED(hr) && smart)
            hr = Attributes(entry)
                     .Text(L"title", smart->Track().title)
                     .Number(L"maxDuration", smart->Track().maxDuration)
                     .Result();
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
            hr = Copy(it->second, item);
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
            hr = Copy(it->second->Effect().Node(), item);
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
        Attributes common(element);
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

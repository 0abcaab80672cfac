#include "ProductionXmlReader.h"

#include "ColorPanel.h"
#include "ProductionPanel.h"
#include "ProductionXmlWriter.h"
#include "SourcePanel.h"
#include "TransitionPanel.h"
#include "XmlHelpers.h"

#include "platform/Check.h"
#include "platform/NativePath.h"
#include "platform/StringConv.h"

#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

// Refuses the element with the reason on the error stack.
HRESULT Refuse(const std::string& reason)
{
    LOG_HR(E_INVALIDARG, reason.c_str());
    return E_INVALIDARG;
}

bool ValidId(LONG id)
{
    return id > 0 && id <= Production::kMaxId;
}

// The element children of a node with a name ("*" for all), in document order. The children
// are walked one by one: no query is made of a document a user may have written.
std::vector<CComPtr<IXMLDOMNode>> Children(IXMLDOMNode* node, const wchar_t* name)
{
    std::vector<CComPtr<IXMLDOMNode>> children;
    CComPtr<IXMLDOMNode> child;
    if (!node || node->get_firstChild(&child) != S_OK)
        return children;
    bool any = std::wstring_view(name) == L"*";
    while (child) {
        DOMNodeType type = NODE_INVALID;
        CComBSTR childName;
        if (SUCCEEDED(child->get_nodeType(&type)) && type == NODE_ELEMENT &&
            (any || (SUCCEEDED(child->get_nodeName(&childName)) && childName == name)))
            children.push_back(child);
        CComPtr<IXMLDOMNode> next;
        if (child->get_nextSibling(&next) != S_OK)
            break;
        child = next;
    }
    return children;
}

CComPtr<IXMLDOMNode> FirstChild(IXMLDOMNode* node, const wchar_t* name)
{
    std::vector<CComPtr<IXMLDOMNode>> children = Children(node, name);
    return children.empty() ? nullptr : children.front();
}

// Reads attributes and remembers the first that was refused: a required one missing or not a
// number, or a path longer than the file system takes.
class Reader
{
public:
    explicit Reader(IXMLDOMNode* node) : m_node(node) {}

    double Number(const wchar_t* name)
    {
        double value = GetAttributeNumber(m_node, name, kMissing);
        Require(std::isfinite(value));
        return std::isfinite(value) ? value : 0.0;
    }
    double Number(const wchar_t* name, double fallback)
    {
        double value = GetAttributeNumber(m_node, name, fallback);
        return Require(std::isfinite(value)) ? value : fallback;
    }
    LONG Integer(const wchar_t* name)
    {
        double value = Number(name);
        return Require(std::fabs(value) < 2147483648.0) ? LONG(value) : 0;
    }
    // A whole number of 32 bits without sign (a colour, a set of flags), or the fallback when
    // the attribute is missing.
    DWORD Unsigned(const wchar_t* name, DWORD fallback)
    {
        double value = Number(name, fallback);
        bool whole = value >= 0.0 && value <= 4294967295.0 && value == std::floor(value);
        return Require(whole) ? DWORD(value) : fallback;
    }
    bool Flag(const wchar_t* name, bool fallback)
    {
        std::wstring text = GetAttributeText(m_node, name);
        return text.empty() ? fallback : text == L"1";
    }
    std::wstring Text(const wchar_t* name) { return GetAttributeText(m_node, name); }
    // A path the file system can take; an empty text when it cannot.
    std::wstring Path(const wchar_t* name)
    {
        std::wstring path = Text(name);
        HRESULT hr = CheckPathLength(path);
        if (FAILED(hr) && SUCCEEDED(m_hr)) {
            LOG_HR(hr, (WideToUtf8(name) + " is a path longer than the file system takes").c_str());
            m_hr = hr;
        }
        return SUCCEEDED(hr) ? path : std::wstring();
    }
    bool Valid() const { return SUCCEEDED(m_hr); }
    // S_OK, or the first refusal: E_INVALIDARG for a value, the file system's code for a path.
    HRESULT Result() const { return m_hr; }

private:
    bool Require(bool holds)
    {
        if (!holds && SUCCEEDED(m_hr))
            m_hr = E_INVALIDARG;
        return holds;
    }

    IXMLDOMNode* m_node;
    HRESULT m_hr = S_OK;
};

HRESULT ReadEffect(IXMLDOMNode* element, Panel& panel)
{
    CComPtr<IXMLDOMNode> effect = FirstChild(element, L"Effect");
    return effect ? panel.Effect().Put(effect) : S_OK;
}

HRESULT ReadSource(IXMLDOMNode* element, ProductionLoad& load, CComPtr<IBaseObject>& panel)
{
    Reader read(element);
    SourceRequest request;
    request.file = read.Path(L"file");
    request.inPoint = read.Number(L"in");
    request.outPoint = read.Number(L"out");
    request.stereoType = read.Integer(L"stereo");
    request.leftEyeFirst = read.Flag(L"leftEyeFirst", true);
    request.nativeAudio = read.Flag(L"nativeAudio", true);
    LONG rotation = read.Integer(L"rotation");
    double volume = read.Number(L"volume", 1.0);
    if (FAILED(read.Result()) || request.file.empty())
        return FAILED(read.Result()) ? read.Result() : E_INVALIDARG;
    CComPtr<SourcePanel> source;
    HRESULT hr = SourcePanel::CreateRestored(request, rotation, load, source);
    if (SUCCEEDED(hr))
        hr = source->put_VolumeLevel(volume);
    CComPtr<IXMLDOMNode> panZoom = FirstChild(FirstChild(element, L"PanZoom"), L"*");
    if (SUCCEEDED(hr) && panZoom)
        hr = source->PutPanZoomEffect(panZoom);
    if (SUCCEEDED(hr))
        panel = source->Base();
    return hr;
}

HRESULT ReadColour(IXMLDOMNode* element, CComPtr<IBaseObject>& panel)
{
    Reader read(element);
    double colour = read.Number(L"color");
    double duration = read.Number(L"duration");
    if (!read.Valid() || !(duration > 0.0) || colour < 0.0 || colour > 0xFFFFFF)
        return E_INVALIDARG;
    panel = ColorPanel::Create(DWORD(colour), duration)->Base();
    return S_OK;
}

HRESULT ReadMoniker(IXMLDOMNode* element, const Production::State& state,
                    CComPtr<IBaseObject>& panel)
{
    Reader read(element);
    std::wstring moniker = read.Text(L"moniker");
    double offset = read.Number(L"offset");
    double duration = read.Number(L"duration");
    double volume = read.Number(L"volume", 1.0);
    bool native = read.Flag(L"nativeAudio", true);
    auto production = state.subProductions.find(moniker);
    if (!read.Valid() || production == state.subProductions.end() || offset < 0.0 || duration < 0.0)
        return E_INVALIDARG;
    CComPtr<ProductionPanel> nested =
        ProductionPanel::Create(moniker, production->second, offset, duration);
    nested->SetNativeAudio(native);
    HRESULT hr = nested->put_VolumeLevel(volume);
    if (SUCCEEDED(hr))
        panel = nested->Base();
    return hr;
}

HRESULT ReadTransition(IXMLDOMNode* element, CComPtr<IBaseObject>& panel)
{
    Reader read(element);
    if (read.Flag(L"cut", true)) {
        panel = TransitionPanel::MakeCut()->Base();
        return S_OK;
    }
    double duration = read.Number(L"duration");
    CComPtr<IXMLDOMNode> effect = FirstChild(element, L"*");
    if (!read.Valid() || !effect)
        return E_INVALIDARG;
    CComPtr<TransitionPanel> transition;
    HRESULT hr = TransitionPanel::CreateFromEffect(effect, &duration, transition);
    if (FAILED(hr))
        return hr;
    // The saved identity holds even where the effect data no longer names it; files written
    // before it was saved have only the effect's own.
    transition->RestoreIdentity(GetAttributeText(element, L"name", transition->Name()),
                                GetAttributeText(element, L"effectId", transition->EffectId()));
    panel = transition->Base();
    return S_OK;
}

HRESULT ReadPanel(IXMLDOMNode* element, const Production::State& state, ProductionLoad& load,
                  CComPtr<IBaseObject>& panel)
{
    CComBSTR name;
    element->get_nodeName(&name);
    HRESULT hr = E_INVALIDARG;
    if (name == L"SourceFile")
        hr = ReadSource(element, load, panel);
    else if (name == L"SolidColor")
        hr = ReadColour(element, panel);
    else if (name == L"ProductionMoniker")
        hr = ReadMoniker(element, state, panel);
    else if (name == L"Transition")
        hr = ReadTransition(element, panel);
    if (FAILED(hr))
        return hr;
    Reader read(element);
    LONG id = read.Integer(L"id");
    if (!read.Valid() || !ValidId(id))
        return E_INVALIDARG;
    PanelOf(panel)->SetId(id);
    return name == L"Transition" ? S_OK : ReadEffect(element, *PanelOf(panel));
}

HRESULT ReadPanels(IXMLDOMNode* root, ProductionLoad& load, Production::State& state)
{
    for (const CComPtr<IXMLDOMNode>& element : Children(FirstChild(root, L"Panels"), L"*")) {
        CComPtr<IBaseObject> panel;
        HRESULT hr = ReadPanel(element, state, load, panel);
        if (FAILED(hr))
            return hr;
        state.panels.push_back(panel);
    }
    return S_OK;
}

HRESULT ReadSubProductions(IXMLDOMNode* root, ProductionLoad& load, Production::State& state)
{
    for (const CComPtr<IXMLDOMNode>& entry :
         Children(FirstChild(root, L"SubProductions"), L"SubProduction")) {
        std::wstring moniker = GetAttributeText(entry, L"moniker");
        if (state.subProductions.count(moniker))
            return Refuse("two sub-productions are kept under the moniker \"" +
                          WideToUtf8(moniker) + "\"");
        CComPtr<Production> nested = Production::Create();
        HRESULT hr = moniker.empty() ? E_INVALIDARG
                                     : nested->ReadXml(FirstChild(entry, L"Production"), load);
        if (FAILED(hr))
            return hr;
        state.subProductions[moniker] = nested->GetUnknown();
    }
    return S_OK;
}

HRESULT ReadAudioEntry(IXMLDOMNode* entry, Production::State& state)
{
    Reader read(entry);
    AudioPlacement placed;
    placed.id = read.Integer(L"id");
    placed.kind = read.Integer(L"kind");
    placed.file = read.Path(L"file");
    placed.start = read.Number(L"start");
    placed.end = read.Number(L"end");
    placed.repeat = read.Flag(L"repeat", false);
    placed.fadeIn = read.Number(L"fadeIn", 0.0);
    placed.fadeOut = read.Number(L"fadeOut", 0.0);
    placed.sound.native = read.Flag(L"nativeAudio", true);
    HRESULT hr = placed.sound.PutVolume(read.Number(L"volume", 1.0));
    if (FAILED(read.Result()))
        return read.Result();
    if (FAILED(hr) || placed.file.empty() || !ValidId(placed.id))
        return E_INVALIDARG;
    CComBSTR name;
    entry->get_nodeName(&name);
    if (name != L"SmartAudio") {
        state.audio.push_back(ProductionAudio::Create(std::move(placed))->GetUnknown());
        return S_OK;
    }
    SmartAudioDescription track{read.Text(L"title"), read.Number(L"maxDuration", -1.0)};
    state.audio.push_back(SmartAudio::Create(std::move(placed), std::move(track))->GetUnknown());
    return S_OK;
}

HRESULT ReadAudio(IXMLDOMNode* root, Production::State& state)
{
    for (const CComPtr<IXMLDOMNode>& entry : Children(FirstChild(root, L"Audio"), L"*")) {
        HRESULT hr = ReadAudioEntry(entry, state);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

HRESULT ReadMarkers(IXMLDOMNode* root, Production::State& state)
{
    for (const CComPtr<IXMLDOMNode>& element : Children(FirstChild(root, L"Markers"), L"Marker")) {
        Reader read(element);
        MarkerList::Entry entry{};
        entry.marker.lID = read.Integer(L"id");
        entry.marker.lKind = read.Integer(L"kind");
        entry.marker.dTime = read.Number(L"time");
        entry.marker.lLink = read.Integer(L"link");
        entry.name = read.Text(L"name");
        if (!read.Valid())
            return E_INVALIDARG;
        state.markers.push_back(entry);
    }
    return S_OK;
}

HRESULT ReadMetaData(IXMLDOMNode* root, Production::State& state)
{
    for (const CComPtr<IXMLDOMNode>& item : Children(FirstChild(root, L"MetaData"), L"Item")) {
        std::wstring name = GetAttributeText(item, L"name");
        if (state.metadata.count(name))
            return Refuse("two metadata items are named \"" + WideToUtf8(name) + "\"");
        CComPtr<IXMLDOMNode> copy;
        HRESULT hr =
            name.empty() ? E_INVALIDARG : CopyIntoNewDocument(FirstChild(item, L"*"), copy);
        if (FAILED(hr))
            return hr == E_POINTER ? E_INVALIDARG : hr;
        state.metadata[name] = copy;
    }
    return S_OK;
}

HRESULT ReadElementItems(IXMLDOMNode* root, Production::State& state)
{
    for (const CComPtr<IXMLDOMNode>& item : Children(FirstChild(root, L"ElementItems"), L"Item")) {
        Reader read(item);
        LONG id = read.Integer(L"id");
        LONG elementId = read.Integer(L"elementId");
        if (!read.Valid() || !ValidId(id))
            return E_INVALIDARG;
        CComPtr<ElementItem> created = ElementItem::Create(elementId);
        CComPtr<IXMLDOMNode> effect = FirstChild(item, L"Effect");
        HRESULT hr = effect ? created->Effect().Put(effect) : S_OK;
        if (FAILED(hr))
            return hr;
        if (!state.elementItems.emplace(id, created).second)
            return Refuse("the element item ID " + std::to_string(id) + " is given twice");
    }
    return S_OK;
}

DrawnElement ReadDrawnElement(bool text, Reader& read)
{
    DrawnElement e;
    e.kind = text ? DrawnElement::Kind::Text : DrawnElement::Kind::Overlay;
    e.x = read.Number(L"x");
    e.y = read.Number(L"y");
    e.width = read.Number(L"width");
    e.height = read.Number(L"height");
    e.rotation = read.Number(L"rotation", 0.0);
    e.opacity = read.Number(L"opacity", 1.0);
    e.shownFrom = read.Number(L"shownFrom", 0.0);
    e.shownUntil = read.Number(L"shownUntil", 0.0);
    if (text) {
        e.label = read.Text(L"label");
        e.colour = read.Unsigned(L"colour", 0xFFFFFFFF);
        e.fontFamily = read.Text(L"font");
        e.fontSize = read.Number(L"fontSize", e.fontSize);
        e.bold = read.Flag(L"bold", false);
        e.italic = read.Flag(L"italic", false);
        e.alignment = read.Unsigned(L"alignment", e.alignment);
    } else {
        e.source = read.Path(L"source");
        e.sourceTime = read.Number(L"sourceTime", 0.0);
        e.still = read.Flag(L"still", false);
        e.alphaMask = read.Path(L"alphaMask");
        e.sourceScaleX = read.Number(L"sourceScaleX", 1.0);
        e.sourceScaleY = read.Number(L"sourceScaleY", 1.0);
        e.maskScaleX = read.Number(L"maskScaleX", 1.0);
        e.maskScaleY = read.Number(L"maskScaleY", 1.0);
    }
    return e;
}

HRESULT ReadMenu(IXMLDOMNode* root, Production::State& state)
{
    for (const CComPtr<IXMLDOMNode>& node : Children(FirstChild(root, L"Menu"), L"*")) {
        CComBSTR name;
        node->get_nodeName(&name);
        Reader read(node);
        state.menu.elements.push_back(ReadDrawnElement(name == L"Text", read));
        if (FAILED(read.Result()))
            return read.Result();
    }
    return S_OK;
}

HRESULT ReadInformation(IXMLDOMNode* root, Production::State& state)
{
    Reader read(root);
    double version = read.Number(L"version");
    state.aspect = read.Number(L"aspectRatio");
    state.frameRate = read.Number(L"frameRate");
    state.nextId = read.Integer(L"nextId");
    state.is3D = read.Flag(L"is3D", false);
    state.useSourceAspect = read.Flag(L"useSourceAspectRatio", true);
    bool known = version >= 1 && version <= kProductionXmlVersion;
    if (!read.Valid() || !known || !(state.aspect > 0.0) || !(state.frameRate > 0.0) ||
        state.nextId > Production::kMaxId)
        return E_INVALIDARG;
    return S_OK;
}

// Panels, audio objects and element items share the production's IDs: each is given once.
HRESULT CheckIdsGivenOnce(const Production::State& state)
{
    std::set<LONG> ids;
    auto givenTwice = [&ids](LONG id, const char* kind) {
        if (ids.insert(id).second)
            return false;
        Refuse(std::string("the ") + kind + " ID " + std::to_string(id) + " is given twice");
        return true;
    };
    for (const CComPtr<IBaseObject>& panel : state.panels) {
        if (givenTwice(PanelOf(panel)->Id(), "panel"))
            return E_INVALIDARG;
    }
    for (const CComPtr<IUnknown>& audio : state.audio) {
        if (givenTwice(PlacementOf(audio)->id, "audio"))
            return E_INVALIDARG;
    }
    for (const auto& item : state.elementItems) {
        if (givenTwice(item.first, "element item"))
            return E_INVALIDARG;
    }
    return S_OK;
}

// Markers have IDs of their own: each is given once.
HRESULT CheckMarkerIdsGivenOnce(const Production::State& state)
{
    std::set<LONG> ids;
    for (const MarkerList::Entry& entry : state.markers) {
        if (!ids.insert(entry.marker.lID).second)
            return Refuse("the marker ID " + std::to_string(entry.marker.lID) + " is given twice");
    }
    return S_OK;
}

} // namespace

HRESULT ReadProductionXml(IXMLDOMNode* element, ProductionLoad& load, Production::State& state)
{
    CComBSTR name;
    if (!element || FAILED(element->get_nodeName(&name)) || name != L"Production")
        return E_INVALIDARG;
    Production::State read;
    HRESULT hr = ReadInformation(element, read);
    if (SUCCEEDED(hr))
        hr = ReadSubProductions(element, load, read);
    if (SUCCEEDED(hr))
        hr = ReadPanels(element, load, read);
    if (SUCCEEDED(hr))
        hr = ReadAudio(element, read);
    if (SUCCEEDED(hr))
        hr = ReadMarkers(element, read);
    if (SUCCEEDED(hr))
        hr = ReadMetaData(element, read);
    if (SUCCEEDED(hr))
        hr = ReadElementItems(element, read);
    if (SUCCEEDED(hr))
        hr = ReadMenu(element, read);
    if (SUCCEEDED(hr))
        hr = CheckIdsGivenOnce(read);
    if (SUCCEEDED(hr))
        hr = CheckMarkerIdsGivenOnce(read);
    if (SUCCEEDED(hr))
        state = std::move(read);
    return hr;
}

// The editing operations of a production.
#include "ColorPanel.h"
#include "Production.h"
#include "ProductionPanel.h"
#include "SourcePanel.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/NativePath.h"
#include "platform/StringConv.h"
#include "platform/Variant.h"

namespace {

// A solid colour panel lasts this long until its duration is set.
constexpr double kDefaultColorDuration = 5.0;

HRESULT HandOutPanel(Panel* panel, IUnknown** out)
{
    if (!out)
        return S_OK;
    return panel->Base()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(out));
}

bool HasElement(SAFEARRAY* array, LONG index)
{
    LONG upper = -1;
    return array && SUCCEEDED(SafeArrayGetUBound(array, 1, &upper)) && index <= upper;
}

// Reads element i into value, which must be of the array's element type: the array copies
// elements by its own type, so an array of another type would write past value.
template <class T> HRESULT GetElement(SAFEARRAY* array, LONG index, VARTYPE type, T& value)
{
    VARTYPE held = VT_EMPTY;
    HRESULT hr = SafeArrayGetVartype(array, &held);
    if (SUCCEEDED(hr) && held != type)
        hr = DISP_E_TYPEMISMATCH;
    return SUCCEEDED(hr) ? SafeArrayGetElement(array, &index, &value) : hr;
}

// Element i of an optional array of numbers, or the fallback when the array is missing or
// shorter; an array of another type, or one that does not hold index i, fails.
template <class T>
HRESULT ElementOr(SAFEARRAY* array, LONG index, VARTYPE type, T fallback, T& value)
{
    value = fallback;
    return HasElement(array, index) ? GetElement(array, index, type, value) : S_OK;
}

HRESULT StringElement(SAFEARRAY* array, LONG index, std::wstring& value)
{
    CComBSTR text;
    HRESULT hr = HasElement(array, index) ? GetElement(array, index, VT_BSTR, text.m_str) : S_OK;
    value = text.Str();
    return hr;
}

// Keeps names with a protocol as they are, else reads "file://" names as plain paths.
std::wstring LocalName(const std::wstring& name, bool withProtocol)
{
    const std::wstring prefix = L"file://";
    if (!withProtocol && name.compare(0, prefix.size(), prefix) == 0)
        return name.substr(prefix.size());
    return name;
}

// Names the file a failure is about on the error stack.
HRESULT ReportFileFailure(HRESULT hr, const char* step, const std::wstring& file)
{
    if (FAILED(hr))
        LOG_HR(hr, (std::string(step) + " \"" + WideToUtf8(file) + "\"").c_str());
    return hr;
}

HRESULT CreateSourcePanel(const SourceRequest& request, CComPtr<SourcePanel>& panel)
{
    HRESULT hr = CheckPathLength(request.file);
    if (FAILED(hr)) {
        LOG_HR(hr, "a source path longer than the file system takes");
        return hr;
    }
    return ReportFileFailure(SourcePanel::CreateChecked(request, panel),
                             "SourcePanel::CreateChecked", request.file);
}

} // namespace

HRESULT Production::InsertSource(LONG position, Panel* panel, IUnknown** out)
{
    if (out)
        *out = nullptr;
    if (!IdsLeft(2))
        return E_UNEXPECTED;
    CComPtr<TransitionPanel> cut = TransitionPanel::MakeCut();
    HRESULT hr = m_timeline.InsertSource(position, panel, cut);
    if (FAILED(hr))
        return hr;
    panel->Attach(this, NextId());
    cut->Attach(this, NextId());
    ReportChange();
    return HandOutPanel(panel, out);
}

HRESULT Production::AddSourceFile(LONG position, BSTR file, double inPoint, double outPoint,
                                  VARIANT_BOOL useNativeAudio, IUnknown** panel)
{
    KVUClearErrorStack();
    SourceRequest request;
    request.file = CComBSTR(file).Str();
    if (request.file.empty())
        return E_INVALIDARG;
    request.inPoint = inPoint;
    request.outPoint = outPoint;
    request.nativeAudio = useNativeAudio != VARIANT_FALSE;
    CComPtr<SourcePanel> source;
    HRESULT hr = CreateSourcePanel(request, source);
    return FAILED(hr) ? hr : InsertSource(position, source, panel);
}

HRESULT Production::AddSolidColor(LONG position, DWORD colour, IUnknown** panel)
{
    CComPtr<ColorPanel> created = ColorPanel::Create(colour, kDefaultColorDuration);
    return InsertSource(position, created, panel);
}

HRESULT Production::AddProductionMoniker(LONG position, BSTR moniker, IUnknown* production,
                                         double offset, double duration,
                                         VARIANT_BOOL useNativeAudio, IUnknown** panel)
{
    std::wstring name = CComBSTR(moniker).Str();
    if (name.empty() || !production)
        return E_INVALIDARG;
    if (!CComQIPtr<IKVEProductionData>(production))
        return E_NOINTERFACE;
    // A production that plays itself, directly or through others, would never end.
    if (ProductionOf(production) && ProductionOf(production)->Holds(this))
        return E_INVALIDARG;
    CComPtr<ProductionPanel> created = ProductionPanel::Create(name, production, offset, duration);
    created->SetNativeAudio(useNativeAudio != VARIANT_FALSE);
    HRESULT hr = InsertSource(position, created, panel);
    if (SUCCEEDED(hr))
        m_subProductions[name] = production;
    return hr;
}

HRESULT Production::AddTransition(LONG position, IUnknown* effectXml, IUnknown** transition,
                                  const double* duration)
{
    if (transition)
        *transition = nullptr;
    CComQIPtr<IXMLDOMNode> effect(effectXml);
    if (!effect)
        return E_INVALIDARG;
    if (!IdsLeft(1))
        return E_UNEXPECTED;
    CComPtr<TransitionPanel> created;
    HRESULT hr = TransitionPanel::CreateFromEffect(effect, duration, created);
    if (SUCCEEDED(hr))
        hr = m_timeline.SetTransition(position, created);
    if (FAILED(hr))
        return hr;
    created->Attach(this, NextId());
    ReportChange();
    return HandOutPanel(created, transition);
}

HRESULT Production::AddAudioObject(IUnknown* audio, IUnknown** out)
{
    m_audio.push_back(audio);
    ReportChange();
    if (out)
        return audio->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(out));
    return S_OK;
}

HRESULT Production::AddProductionAudio(BSTR file, LONG kind, double start, IUnknown** audio)
{
    KVUClearErrorStack();
    if (audio)
        *audio = nullptr;
    AudioPlacement placement;
    placement.file = CComBSTR(file).Str();
    if (placement.file.empty() || !(start >= 0.0))
        return E_INVALIDARG;
    if (!IdsLeft(1))
        return E_UNEXPECTED;
    MediaInfo info = ProbeMediaFile(placement.file);
    if (FAILED(info.readResult))
        return ReportFileFailure(info.readResult, "ProbeMediaFile", placement.file);
    placement.id = NextId();
    placement.kind = kind;
    placement.start = start;
    return AddAudioObject(ProductionAudio::Create(std::move(placement))->GetUnknown(), audio);
}

HRESULT Production::AddProductionSmartAudio(BSTR file, LONG kind, double start, double duration,
                                            IUnknown** audio)
{
    KVUClearErrorStack();
    if (audio)
        *audio = nullptr;
    AudioPlacement placement;
    placement.file = CComBSTR(file).Str();
    if (placement.file.empty() || !(start >= 0.0) || !(duration >= 0.0))
        return E_INVALIDARG;
    if (!IdsLeft(1))
        return E_UNEXPECTED;
    SmartAudioDescription track;
    HRESULT hr = ReadSmartAudioFile(placement.file, track);
    if (hr != S_OK)
        return ReportFileFailure(FAILED(hr) ? hr : E_INVALIDARG, "ReadSmartAudioFile",
                                 placement.file);
    placement.id = NextId();
    placement.kind = kind;
    placement.start = start;
    placement.end = duration > 0.0 ? start + duration : 0.0;
    auto created = SmartAudio::Create(std::move(placement), std::move(track));
    return AddAudioObject(created->GetUnknown(), audio);
}

HRESULT Production::DeleteProductionAudio(LONG id)
{
    auto found = std::find_if(m_audio.begin(), m_audio.end(), [id](const CComPtr<IUnknown>& a) {
        return PlacementOf(a)->id == id;
    });
    if (found == m_audio.end())
        return S_FALSE;
    m_audio.erase(found);
    ReportChange();
    return S_OK;
}

HRESULT Production::Add3DVOBMoniker(LONG position, BSTR moniker, tagENM_3DSOURCE_TYPE type,
                                    VARIANT_BOOL leftEyeFirst, VARIANT_BOOL useNativeAudio,
                                    IUnknown** panel)
{
    KVUClearErrorStack();
    SourceRequest request;
    request.file = CComBSTR(moniker).Str();
    if (request.file.size() <= 4 || CompareNoCase(request.file.substr(0, 4), L"vob:") != 0)
        return E_INVALIDARG;
    request.nativeAudio = useNativeAudio != VARIANT_FALSE;
    request.stereoType = type;
    request.leftEyeFirst = leftEyeFirst != VARIANT_FALSE;
    CComPtr<SourcePanel> source;
    HRESULT hr = CreateSourcePanel(request, source);
    return FAILED(hr) ? hr : InsertSource(position, source, panel);
}

HRESULT Production::Add3DSourceFiles(SAFEARRAY* files, SAFEARRAY* sourceTypes,
                                     SAFEARRAY* leftEyeFirst, LONG position,
                                     VARIANT_BOOL withProtocol, IUnknown** first)
{
    KVUClearErrorStack();
    if (first)
        *first = nullptr;
    LONG upper = -1;
    if (!files || FAILED(SafeArrayGetUBound(files, 1, &upper)) || upper < 0)
        return E_INVALIDARG;
    // Every file is checked before any is added, so that a bad one changes nothing.
    std::vector<CComPtr<SourcePanel>> panels;
    for (LONG i = 0; i <= upper; ++i) {
        SourceRequest request;
        std::wstring file;
        VARIANT_BOOL leftFirst = VARIANT_TRUE;
        HRESULT hr = StringElement(files, i, file);
        if (SUCCEEDED(hr))
            hr = ElementOr<LONG>(sourceTypes, i, VT_I4, ENM_3DSOURCE_2D, request.stereoType);
        if (SUCCEEDED(hr))
            hr = ElementOr<VARIANT_BOOL>(leftEyeFirst, i, VT_BOOL, VARIANT_TRUE, leftFirst);
        if (FAILED(hr))
            return hr;
        request.file = LocalName(file, withProtocol != VARIANT_FALSE);
        request.leftEyeFirst = leftFirst != VARIANT_FALSE;
        CComPtr<SourcePanel> panel;
        hr = CreateSourcePanel(request, panel);
        if (FAILED(hr))
            return hr;
        panels.push_back(panel);
    }
    position = std::min(position, m_timeline.Count());
    for (size_t i = 0; i < panels.size(); ++i) {
        HRESULT hr = InsertSource(position + LONG(2 * i), panels[i], i == 0 ? first : nullptr);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

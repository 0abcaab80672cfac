#include "SourcePanel.h"
#include "ElementWriter.h"
#include "FrameRenderer.h"
#include "OutValue.h"
#include "Production.h"

#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

#include "platform/ClassFactory.h"
#include "platform/NativePath.h"
#include "platform/PathService.h"
#include "platform/StringConv.h"

#include <filesystem>

namespace {

// Out points may overshoot a file's end by this much: container durations are rounded.
constexpr double kEndTolerance = 0.05;

bool IsVobMoniker(const std::wstring& file)
{
    return file.size() > 4 && CompareNoCase(std::wstring_view(file).substr(0, 4), L"vob:") == 0;
}

KVESourceType TypeOfMedia(const MediaInfo& info)
{
    if (info.isStill)
        return KVE_SOURCE_STILL;
    return info.hasVideo ? KVE_SOURCE_VIDEO : KVE_SOURCE_AUDIO;
}

} // namespace

SourcePanel::SourcePanel(const SourceRequest& request) : m_request(request)
{
    m_audio.native = request.nativeAudio;
    // The panel keeps the name it was given; the file it reads may be content named through
    // "%CONTENT%" and in another case.
    m_mediaPath =
        ResolveContentPath(IsVobMoniker(request.file) ? request.file.substr(4) : request.file);
}

HRESULT SourcePanel::CreateChecked(const SourceRequest& request, CComPtr<SourcePanel>& panel)
{
    CComPtr<SourcePanel> created = Create(request);
    ProductionLoad load;
    HRESULT hr = created->Probe(true, load);
    if (SUCCEEDED(hr))
        hr = created->SetInterval(request.inPoint, request.outPoint, true);
    if (SUCCEEDED(hr))
        panel = created;
    return hr;
}

HRESULT SourcePanel::CreateRestored(const SourceRequest& request, LONG rotation,
                                    ProductionLoad& load, CComPtr<SourcePanel>& panel)
{
    CComPtr<SourcePanel> created = Create(request);
    HRESULT hr = created->Probe(false, load);
    created->m_rotation = rotation;
    if (SUCCEEDED(hr))
        hr = created->SetInterval(request.inPoint, request.outPoint, false);
    if (SUCCEEDED(hr))
        panel = created;
    return hr;
}

// Learns what the file holds. Only a strict probe fails for a file that cannot be read; a
// production file that plays itself or nests too deep fails every probe.
HRESULT SourcePanel::Probe(bool strict, ProductionLoad& load)
{
    HRESULT hr = CheckPathLength(m_mediaPath);
    if (FAILED(hr))
        return hr;
    if (IsProductionFileName(m_mediaPath)) {
        m_type = KVE_SOURCE_PRODUCTION_FILE;
        hr = LoadNestedProduction(load);
        return strict || FAILED(load.Refusal()) ? hr : S_OK;
    }
    m_info = ProbeMediaFile(m_mediaPath);
    if (FAILED(m_info.readResult))
        return strict ? m_info.readResult : S_OK;
    m_type = IsVobMoniker(m_request.file) ? KVE_SOURCE_VOB : TypeOfMedia(m_info);
    return S_OK;
}

HRESULT SourcePanel::LoadNestedProduction(ProductionLoad& load)
{
    CComPtr<Production> production = Production::Create();
    HRESULT hr = production->LoadFile(m_mediaPath, load);
    if (FAILED(hr))
        return hr;
    production->get_Duration(&m_info.duration);
    production->get_AspectRatio(&m_info.aspectRatio);
    m_info.readResult = S_OK;
    m_nested = production->GetUnknown();
    return S_OK;
}

bool SourcePanel::HoldsInterval(double in, double out) const
{
    if (!(in >= 0.0) || !(out > in))
        return false;
    bool timed = m_type == KVE_SOURCE_VIDEO || m_type == KVE_SOURCE_VOB ||
                 m_type == KVE_SOURCE_AUDIO || m_type == KVE_SOURCE_PRODUCTION_FILE;
    return !timed || m_info.duration <= 0.0 || out <= m_info.duration + kEndTolerance;
}

// An out point of 0 plays to the source's end; a still without an interval shows for the
// default still duration. A restored panel keeps an interval its missing file cannot check.
HRESULT SourcePanel::SetInterval(double in, double out, bool strict)
{
    if (out == 0.0)
        out = m_info.duration > in ? m_info.duration : in + kKVEDefaultStillDuration;
    if (!HoldsInterval(in, out) && (strict || !(out > in) || in < 0.0))
        return E_INVALIDARG;
    m_in = in;
    m_out = out;
    return S_OK;
}

HRESULT SourcePanel::DoSetDuration(double seconds)
{
    return HoldsInterval(m_in, m_in + seconds) ? SetInterval(m_in, m_in + seconds, true) : E_FAIL;
}

bool SourcePanel::FileExists() const
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(NativePath(m_mediaPath), ignored);
}

std::wstring SourcePanel::MissingFile() const
{
    return FileExists() ? std::wstring() : m_request.file;
}

HRESULT SourcePanel::WriteXml(ElementWriter& out) const
{
    out.Copy(Effect().Node())
        .Text(L"file", m_request.file)
        .Number(L"in", m_in)
        .Number(L"out", m_in + Duration())
        .Number(L"rotation", m_rotation)
        .Number(L"stereo", m_request.stereoType)
        .Flag(L"leftEyeFirst", m_request.leftEyeFirst)
        .Number(L"volume", m_audio.volume)
        .Flag(L"nativeAudio", m_audio.native);
    if (m_panZoom)
        out.Child(L"PanZoom", m_panZoom);
    return out.Result();
}

bool SourcePanel::IsPlainVideo() const
{
    return !m_nested && m_type != KVE_SOURCE_STILL && m_request.stereoType == ENM_3DSOURCE_2D &&
           !m_panZoom && m_rotation == 0;
}

HRESULT SourcePanel::Render(FrameRenderer& renderer, const Production& production, double time,
                            BgraImage& frame, int depth) const
{
    return renderer.RenderSource(production, *this, time, frame, depth);
}

HRESULT SourcePanel::get_FileName(BSTR* file)
{
    return CComBSTR(m_request.file).CopyTo(file);
}

HRESULT SourcePanel::get_InPoint(double* seconds)
{
    return ReturnValue(seconds, m_in);
}

HRESULT SourcePanel::put_InPoint(double seconds)
{
    if (!HoldsInterval(seconds, m_out))
        return E_INVALIDARG;
    m_in = seconds;
    Changed();
    return S_OK;
}

HRESULT SourcePanel::get_OutPoint(double* seconds)
{
    return ReturnValue(seconds, m_out);
}

HRESULT SourcePanel::put_OutPoint(double seconds)
{
    if (!HoldsInterval(m_in, seconds))
        return E_INVALIDARG;
    m_out = seconds;
    Changed();
    return S_OK;
}

HRESULT SourcePanel::get_SourceType(LONG* type)
{
    return ReturnValue(type, m_type);
}

HRESULT SourcePanel::get_AspectRatio(double* ratio)
{
    return ReturnValue(ratio, DisplayAspect());
}

double SourcePanel::DisplayAspect() const
{
    bool sideways = m_rotation == 90 || m_rotation == 270;
    double shown = m_info.aspectRatio;
    if (m_request.stereoType == ENM_3DSOURCE_SIDE_BY_SIDE)
        shown /= 2.0;
    else if (m_request.stereoType == ENM_3DSOURCE_TOP_BOTTOM)
        shown *= 2.0;
    return sideways && shown > 0.0 ? 1.0 / shown : shown;
}

HRESULT SourcePanel::get_FileDuration(double* seconds)
{
    return ReturnValue(seconds, m_type == KVE_SOURCE_STILL ? 0.0 : m_info.duration);
}

HRESULT SourcePanel::get_Rotation(LONG* degrees)
{
    return ReturnValue(degrees, m_rotation);
}

HRESULT SourcePanel::put_Rotation(LONG degrees)
{
    if (degrees % 90 != 0)
        return E_INVALIDARG;
    m_rotation = ((degrees % 360) + 360) % 360;
    Changed();
    return S_OK;
}

HRESULT SourcePanel::get_3DSourceType(LONG* type)
{
    return ReturnValue(type, m_request.stereoType);
}

HRESULT SourcePanel::get_LeftEyeFirst(VARIANT_BOOL* leftFirst)
{
    return ReturnFlag(leftFirst, m_request.leftEyeFirst);
}

HRESULT SourcePanel::PutPanZoomEffect(IUnknown* effect)
{
    if (!effect) {
        m_panZoom.Release();
        Changed();
        return S_OK;
    }
    CComQIPtr<IXMLDOMNode> node(effect);
    if (!node)
        return E_INVALIDARG;
    CComPtr<IXMLDOMNode> copy;
    HRESULT hr = CopyIntoNewDocument(node, copy);
    if (FAILED(hr))
        return hr;
    m_panZoom = copy;
    Changed();
    return S_OK;
}

HRESULT SourcePanel::GetPanZoomEffect(IXMLDOMNode** effect)
{
    if (!effect)
        return E_POINTER;
    m_panZoom.CopyTo(effect);
    return m_panZoom ? S_OK : S_FALSE;
}

HRESULT SourcePanel::get_VolumeLevel(double* level)
{
    return m_audio.GetVolume(level);
}

HRESULT SourcePanel::put_VolumeLevel(double level)
{
    return Notify(m_audio.PutVolume(level));
}

HRESULT SourcePanel::get_UseNativeAudio(VARIANT_BOOL* use)
{
    return m_audio.GetNative(use);
}

HRESULT SourcePanel::put_UseNativeAudio(VARIANT_BOOL use)
{
    return Notify(m_audio.PutNative(use));
}

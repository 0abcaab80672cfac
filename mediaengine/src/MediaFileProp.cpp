#include "MediaFileProp.h"

#include "ProductionPanel.h"
#include "SmartAudioFile.h"

#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

HRESULT MediaFileProp::SetFile(BSTR file)
{
    std::wstring path = CComBSTR(file).Str();
    if (path.empty())
        return E_INVALIDARG;
    m_set = true;
    m_info = MediaInfo();
    m_production = IsProductionFileName(path);
    SmartAudioDescription track;
    m_smartAudio = !m_production && ReadSmartAudioFile(path, track) == S_OK;
    if (m_production) {
        ProbeProductionFile(path);
    } else if (m_smartAudio) {
        m_info.readResult = S_OK;
        m_info.hasAudio = true;
    } else {
        m_info = ProbeMediaFile(path);
    }
    return SUCCEEDED(m_info.readResult) ? S_OK : S_FALSE;
}

// A production file is read by loading it; its frame size is the renderer's to choose.
void MediaFileProp::ProbeProductionFile(const std::wstring& path)
{
    CComPtr<IKVEProductionData> production;
    m_info.readResult = production.CoCreateInstance(CLSID_KVEProduction);
    if (SUCCEEDED(m_info.readResult))
        m_info.readResult = production->LoadProduction(CComBSTR(path), 0);
    if (FAILED(m_info.readResult))
        return;
    m_info.duration = ProductionDuration(production);
    CComQIPtr<IProductionInfo> info(production);
    if (info)
        info->get_AspectRatio(&m_info.aspectRatio);
}

HRESULT MediaFileProp::GetVideoInfoEx(LONG stream, LONG, KVGVideoInfo* info)
{
    if (!info)
        return E_POINTER;
    if (!m_set)
        return KVG_E_NO_FILE;
    if (FAILED(m_info.readResult))
        return m_info.readResult;
    if (stream != 1 || (!m_info.hasVideo && !m_production))
        return E_INVALIDARG;
    *info = KVGVideoInfo{m_info.width,
                         m_info.height,
                         m_info.frameRate,
                         m_info.duration,
                         m_info.aspectRatio,
                         m_info.hasAudio ? VARIANT_TRUE : VARIANT_FALSE,
                         m_info.isStill ? VARIANT_TRUE : VARIANT_FALSE};
    return S_OK;
}

HRESULT MediaFileProp::CanReadFile(LONG* reason)
{
    if (!reason)
        return E_POINTER;
    if (!m_set)
        return KVG_E_NO_FILE;
    *reason = SUCCEEDED(m_info.readResult) ? 0 : m_info.readResult;
    return S_OK;
}

HRESULT MediaFileProp::EditReason() const
{
    if (FAILED(m_info.readResult))
        return m_info.readResult;
    if (m_production)
        return S_OK;
    if (!m_info.hasVideo)
        return KVG_E_NO_VIDEO;
    if (m_info.width > kKVGMaxEditableSide || m_info.height > kKVGMaxEditableSide)
        return KVG_E_FRAME_TOO_LARGE;
    return S_OK;
}

HRESULT MediaFileProp::CanEditFile(LONG* reason)
{
    if (!reason)
        return E_POINTER;
    if (!m_set)
        return KVG_E_NO_FILE;
    *reason = EditReason();
    return S_OK;
}

HRESULT MediaFileProp::IsSmartAudio(VARIANT_BOOL* smart)
{
    if (!smart)
        return E_POINTER;
    if (!m_set)
        return KVG_E_NO_FILE;
    *smart = m_smartAudio ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

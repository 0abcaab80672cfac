// A panel that plays a source file: a video, a still picture, a production file or a title of
// a DVD-Video source.
#pragma once

#include "MediaProbe.h"
#include "Panel.h"
#include "ProductionLoad.h"

#include "model/KVEEditData.h"

#include <string>

struct SourceRequest
{
    std::wstring file;
    double inPoint = 0.0;
    double outPoint = 0.0;
    bool nativeAudio = true;
    LONG stereoType = ENM_3DSOURCE_2D;
    bool leftEyeFirst = true;
};

class SourcePanel : public PanelObject<SourcePanel, ISourceFile, IKVEAudioObject>
{
public:
    // A panel for a file that must be readable: a missing or unreadable file gives its failure,
    // an interval the file does not hold E_INVALIDARG.
    static HRESULT CreateChecked(const SourceRequest& request, CComPtr<SourcePanel>& panel);
    // A panel restored from a production file: the file may have gone missing since. A
    // production file it plays is read as part of load, whose refusals it passes on.
    static HRESULT CreateRestored(const SourceRequest& request, LONG rotation, ProductionLoad& load,
                                  CComPtr<SourcePanel>& panel);

    KVEPanelKind Kind() const override { return KVE_PANEL_SOURCE_FILE; }
    double Duration() const override { return m_out - m_in; }
    HRESULT DoSetDuration(double seconds);

    // ISourceFile
    HRESULT get_FileName(BSTR* file) override;
    HRESULT get_InPoint(double* seconds) override;
    HRESULT put_InPoint(double seconds) override;
    HRESULT get_OutPoint(double* seconds) override;
    HRESULT put_OutPoint(double seconds) override;
    HRESULT get_SourceType(LONG* type) override;
    HRESULT get_AspectRatio(double* ratio) override;
    HRESULT get_FileDuration(double* seconds) override;
    HRESULT get_Rotation(LONG* degrees) override;
    HRESULT put_Rotation(LONG degrees) override;
    HRESULT get_3DSourceType(LONG* type) override;
    HRESULT get_LeftEyeFirst(VARIANT_BOOL* leftFirst) override;
    HRESULT PutPanZoomEffect(IUnknown* effect) override;
    HRESULT GetPanZoomEffect(IXMLDOMNode** effect) override;

    // IKVEAudioObject
    HRESULT get_VolumeLevel(double* level) override;
    HRESULT put_VolumeLevel(double level) override;
    HRESULT get_UseNativeAudio(VARIANT_BOOL* use) override;
    HRESULT put_UseNativeAudio(VARIANT_BOOL use) override;

    // The file as the caller named it, and the file that holds the media ("vob:" removed).
    const std::wstring& FileName() const { return m_request.file; }
    const std::wstring& MediaPath() const { return m_mediaPath; }
    KVESourceType SourceType() const { return m_type; }
    double InPoint() const { return m_in; }
    LONG Rotation() const { return m_rotation; }
    const SourceRequest& Request() const { return m_request; }
    const AudioSettings& Audio() const { return m_audio; }
    bool FileExists() const;
    // Width / height of the picture as shown: its first view only, turned by the rotation.
    double DisplayAspect() const;
    IXMLDOMNode* PanZoom() const { return m_panZoom; }
    // Whether the source is a video shown whole and upright: nothing to cut or turn before it
    // is placed in the frame.
    bool IsPlainVideo() const;
    // The nested production of a production file source; null for other sources.
    IUnknown* NestedProduction() const override { return m_nested; }
    HRESULT WriteXml(ElementWriter& out) const override;
    HRESULT Render(FrameRenderer& renderer, const Production& production, double time,
                   BgraImage& frame, int depth) const override;
    std::wstring MissingFile() const override;

private:
    friend ComObject<SourcePanel, IBaseObject, IKVEEffectInfo, ISourceFile, IKVEAudioObject>;
    explicit SourcePanel(const SourceRequest& request);

    HRESULT Probe(bool strict, ProductionLoad& load);
    HRESULT LoadNestedProduction(ProductionLoad& load);
    HRESULT SetInterval(double in, double out, bool strict);
    bool HoldsInterval(double in, double out) const;

    SourceRequest m_request;
    std::wstring m_mediaPath;
    MediaInfo m_info;
    KVESourceType m_type = KVE_SOURCE_UNKNOWN;
    double m_in = 0.0;
    double m_out = 0.0;
    LONG m_rotation = 0;
    AudioSettings m_audio;
    CComPtr<IXMLDOMNode> m_panZoom;
    CComPtr<IUnknown> m_nested;
};

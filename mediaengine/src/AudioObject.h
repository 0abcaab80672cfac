// Audio added to a production: a file played from a start offset, once or repeated up to an
// end offset, and smart audio tracks arranged to fit.
#pragma once

#include "OutValue.h"
#include "Panel.h"
#include "SmartAudioFile.h"

#include "model/KVEAudio.h"

#include <string>

class ElementWriter;

// What every production audio object holds.
struct AudioPlacement
{
    LONG id = 0;
    LONG kind = enBackgroundAudio;
    std::wstring file;
    double start = 0.0;
    double end = 0.0;
    bool repeat = false;
    double fadeIn = 0.0;
    double fadeOut = 0.0;
    AudioSettings sound;
};

// The engine's view of an audio object, beside its COM interfaces: what differs between kinds
// is asked of the object itself.
class AudioObject
{
public:
    virtual ~AudioObject() = default;

    const AudioPlacement& Placement() const { return m_placement; }
    AudioPlacement& Placement() { return m_placement; }
    // The name of its element in a production file, and what it keeps there beyond its
    // placement.
    virtual const wchar_t* XmlName() const = 0;
    virtual HRESULT WriteXml(ElementWriter&) const { return S_OK; }

protected:
    explicit AudioObject(AudioPlacement placement) : m_placement(std::move(placement)) {}

    AudioPlacement m_placement;
};

template <class Derived, class... Extra>
class AudioObjectBase
    : public ComObject<Derived, IKVEAudioObject, IKVEAudioSource, IKVEAudioSubObject, Extra...>,
      public AudioObject
{
public:
    HRESULT get_VolumeLevel(double* level) override { return m_placement.sound.GetVolume(level); }
    HRESULT put_VolumeLevel(double level) override { return m_placement.sound.PutVolume(level); }
    HRESULT get_UseNativeAudio(VARIANT_BOOL* use) override
    {
        return m_placement.sound.GetNative(use);
    }
    HRESULT put_UseNativeAudio(VARIANT_BOOL use) override
    {
        return m_placement.sound.PutNative(use);
    }
    HRESULT get_FileName(BSTR* file) override { return CComBSTR(m_placement.file).CopyTo(file); }
    HRESULT get_Repeat(VARIANT_BOOL* repeat) override
    {
        return ReturnFlag(repeat, m_placement.repeat);
    }
    HRESULT put_Repeat(VARIANT_BOOL repeat) override
    {
        m_placement.repeat = repeat != VARIANT_FALSE;
        return S_OK;
    }
    HRESULT get_ID(LONG* id) override { return ReturnValue(id, m_placement.id); }
    HRESULT get_Kind(LONG* kind) override { return ReturnValue(kind, m_placement.kind); }
    HRESULT get_StartOffset(double* seconds) override
    {
        return ReturnValue(seconds, m_placement.start);
    }
    HRESULT put_StartOffset(double seconds) override { return PutTime(m_placement.start, seconds); }
    HRESULT get_EndOffset(double* seconds) override
    {
        return ReturnValue(seconds, m_placement.end);
    }
    HRESULT put_EndOffset(double seconds) override { return PutTime(m_placement.end, seconds); }
    HRESULT get_FadeIn(double* seconds) override
    {
        return ReturnValue(seconds, m_placement.fadeIn);
    }
    HRESULT put_FadeIn(double seconds) override { return PutTime(m_placement.fadeIn, seconds); }
    HRESULT get_FadeOut(double* seconds) override
    {
        return ReturnValue(seconds, m_placement.fadeOut);
    }
    HRESULT put_FadeOut(double seconds) override { return PutTime(m_placement.fadeOut, seconds); }

protected:
    explicit AudioObjectBase(AudioPlacement placement) : AudioObject(std::move(placement)) {}

private:
    static HRESULT PutTime(double& target, double seconds)
    {
        if (!(seconds >= 0.0))
            return E_INVALIDARG;
        target = seconds;
        return S_OK;
    }
};

class ProductionAudio : public AudioObjectBase<ProductionAudio>
{
public:
    const wchar_t* XmlName() const override { return L"ProductionAudio"; }

private:
    friend ComObject<ProductionAudio, IKVEAudioObject, IKVEAudioSource, IKVEAudioSubObject>;
    explicit ProductionAudio(AudioPlacement placement) : AudioObjectBase(std::move(placement)) {}
};

class SmartAudio : public AudioObjectBase<SmartAudio, IKVESmartAudio>
{
public:
    HRESULT get_Moniker(BSTR* moniker) override { return get_FileName(moniker); }
    HRESULT get_Title(BSTR* title) override { return CComBSTR(m_track.title).CopyTo(title); }
    HRESULT get_MaxDuration(double* seconds) override
    {
        return ReturnValue(seconds, m_track.maxDuration);
    }

    const SmartAudioDescription& Track() const { return m_track; }
    const wchar_t* XmlName() const override { return L"SmartAudio"; }
    HRESULT WriteXml(ElementWriter& out) const override;

private:
    friend ComObject<SmartAudio, IKVEAudioObject, IKVEAudioSource, IKVEAudioSubObject,
                     IKVESmartAudio>;
    SmartAudio(AudioPlacement placement, SmartAudioDescription track)
        : AudioObjectBase(std::move(placement)), m_track(std::move(track))
    {}

    SmartAudioDescription m_track;
};

// The audio object of ours behind an object, or null.
AudioObject* AudioOf(IUnknown* audio);
// The placement behind an audio object of ours, or null.
AudioPlacement* PlacementOf(IUnknown* audio);

#include "AudioObject.h"
#include "ElementWriter.h"

AudioObject* AudioOf(IUnknown* audio)
{
    CComQIPtr<IKVEAudioSubObject> placed(audio);
    return dynamic_cast<AudioObject*>(placed.p);
}

AudioPlacement* PlacementOf(IUnknown* audio)
{
    AudioObject* object = AudioOf(audio);
    return object ? &object->Placement() : nullptr;
}

HRESULT SmartAudio::WriteXml(ElementWriter& out) const
{
    return out.Text(L"title", m_track.title).Number(L"maxDuration", m_track.maxDuration).Result();
}

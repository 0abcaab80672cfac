#include "AudioObject.h"

AudioPlacement* PlacementOf(IUnknown* audio)
{
    CComQIPtr<IKVEAudioSubObject> placed(audio);
    if (auto* plain = dynamic_cast<ProductionAudio*>(placed.p))
        return &plain->Placement();
    if (auto* smart = dynamic_cast<SmartAudio*>(placed.p))
        return &smart->Placement();
    return nullptr;
}

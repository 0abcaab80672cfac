#include "mediaengine/MediaEngine.h"

#include "GraphManager.h"
#include "MediaFileProp.h"
#include "Production.h"

#include "platform/ClassFactory.h"

HRESULT RegisterMediaEngineClasses()
{
    HRESULT hr = CoRegisterClass(CLSID_KVEProduction, CreatorOf<Production>());
    if (SUCCEEDED(hr))
        hr = CoRegisterClass(CLSID_KVEGraphManager, CreatorOf<GraphManager>());
    if (SUCCEEDED(hr))
        hr = CoRegisterClass(CLSID_KVGMediaFileProp, CreatorOf<MediaFileProp>());
    return hr;
}

#include "dsutils/DSProductionUtils.h"

#include "model/KVEGraphManager.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"
#include "platform/TaskMemory.h"

#include <cstddef>

namespace {

// What a caller's graph manager was set to before a frame was taken with it. Whatever way
// the capture ends, the graph manager gets it back.
class GraphManagerState
{
public:
    explicit GraphManagerState(IKVEGraphManager* pGM) : m_spGM(pGM) {}
    ~GraphManagerState()
    {
        if (m_saved)
            Restore();
    }
    GraphManagerState(const GraphManagerState&) = delete;
    GraphManagerState& operator=(const GraphManagerState&) = delete;

    // Remembers the settings, after stopping a preview that is running: a frame cannot be
    // taken in the middle of one.
    HRESULT Save();
    HRESULT Restore();

private:
    CComPtr<IKVEGraphManager> m_spGM;
    bool m_saved = false;
    HWND m_hWnd = nullptr;
    CComPtr<IUnknown> m_spPrevProduction;
    VARIANT_BOOL m_bAutoShow = VARIANT_FALSE;
    LONG m_nPrevMode = 0;
    CComPtr<IUnknown> m_spPrevContext;
};

HRESULT GraphManagerState::Save()
{
    IKVEGraphManager* spGM = m_spGM;
    LONG lState = KVE_PREVIEW_STOPPED;
    CHECK_HR(spGM->GetPreviewState(&lState));
    if (lState != KVE_PREVIEW_STOPPED)
        CHECK_HR(spGM->Stop());
    CHECK_HR(spGM->GetParentWindow(&m_hWnd));
    CHECK_HR(spGM->GetProduction(&m_spPrevProduction));
    CHECK_HR(spGM->GetAutoShowPreview(&m_bAutoShow));
    CHECK_HR(spGM->GetGraphContext(&m_nPrevMode, &m_spPrevContext));
    m_saved = true;
    return S_OK;
}

// The context object goes back with the mode: a caller's graph manager must not lose it to
// a frame taken in between.
HRESULT GraphManagerState::Restore()
{
    m_saved = false;
    IKVEGraphManager* spGM = m_spGM;
    CHECK_HR(spGM->SetProduction(m_spPrevProduction));
    CHECK_HR(spGM->SetAutoShowPreview(m_bAutoShow));
    CHECK_HR(spGM->SetParentWindow(m_hWnd));
    CHECK_HR(spGM->SetGraphContext(m_nPrevMode, m_spPrevContext));
    return S_OK;
}

HRESULT GraphManagerFor(IUnknown* pGM, CComPtr<IKVEGraphManager>& spGM)
{
    if (!pGM) {
        CHECK_HR(spGM.CoCreateInstance(CLSID_KVEGraphManager));
        return S_OK;
    }
    spGM = CComQIPtr<IKVEGraphManager>(pGM);
    if (!spGM)
        CHECK_HR_TEXT(E_NOINTERFACE, "(IKVEGraphManager*)pGM");
    return S_OK;
}

HRESULT ExtractFrame(IKVEGraphManager* spGM, IKVEProductionData* spProd, int nX, int nY,
                     BYTE** ppBytes, double dTime)
{
    LONG nMode = KVE_GRAPH_CONTEXT_FRAME_EXTRACTION;
    CHECK_HR(spGM->SetParentWindow(NULL));
    CHECK_HR(spGM->SetProduction(spProd));
    CHECK_HR(spGM->SetAutoShowPreview(VARIANT_FALSE));
    CHECK_HR(spGM->SetGraphContext(nMode, NULL));
    CHECK_HR(spGM->Preview());
    SIZE sSize{nX, nY};
    CHECK_HR(spGM->ExtractThumbnail(dTime, sSize, ppBytes));
    return S_OK;
}

} // namespace

HRESULT CDSProductionUtils::GetImage_32(IUnknown* pProduction, IUnknown* pGM, int nX, int nY,
                                        BYTE** ppBytes, double dTime)
{
    KVUClearErrorStack();
    CKVUTimer timer("GetImage_32()", 0);
    CHECK_NULL(pProduction);
    CHECK_NULL(ppBytes);
    *ppBytes = nullptr;
    CComQIPtr<IKVEProductionData> spProd(pProduction);
    if (!spProd)
        CHECK_HR_TEXT(E_NOINTERFACE, "(IKVEProductionData*)pProduction");
    CComPtr<IKVEGraphManager> spGM;
    CHECK_HR_SHORT(GraphManagerFor(pGM, spGM));
    // A graph manager of our own goes away afterwards: only a caller's needs its settings
    // back.
    GraphManagerState state(spGM);
    if (pGM)
        CHECK_HR_SHORT(state.Save());
    HRESULT hr = ExtractFrame(spGM, spProd, nX, nY, ppBytes, dTime);
    HRESULT hrRestore = pGM ? state.Restore() : S_OK;
    if (SUCCEEDED(hr) && FAILED(hrRestore)) {
        CoTaskMemFree(*ppBytes);
        *ppBytes = nullptr;
        hr = hrRestore;
    }
    CHECK_HR_SHORT(hr);
    return S_OK;
}

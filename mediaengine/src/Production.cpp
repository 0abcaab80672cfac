#include "Production.h"
#include "OutValue.h"

#include "TransitionPanel.h"

#include "platform/Variant.h"

#include <algorithm>
#include <set>

namespace {

HRESULT HandOut(IUnknown* object, IUnknown** out)
{
    if (!out)
        return S_OK;
    *out = nullptr;
    return object ? object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(out)) : S_OK;
}

HRESULT MakeStringArray(const std::vector<std::wstring>& texts, VARIANT* names)
{
    SAFEARRAY* array = SafeArrayCreateVector(VT_BSTR, 0, ULONG(texts.size()));
    if (!array)
        return E_OUTOFMEMORY;
    HRESULT hr = S_OK;
    for (LONG i = 0; SUCCEEDED(hr) && i < LONG(texts.size()); ++i) {
        CComBSTR text(texts[size_t(i)]);
        hr = SafeArrayPutElement(array, &i, text.m_str);
    }
    if (FAILED(hr)) {
        SafeArrayDestroy(array);
        return hr;
    }
    names->vt = VT_ARRAY | VT_BSTR;
    names->parray = array;
    return S_OK;
}

void AddIfNew(std::vector<std::wstring>& names, const std::wstring& name)
{
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

// Adds the names of an array of strings that are not there yet.
HRESULT AddNewNames(SAFEARRAY* array, std::vector<std::wstring>& names)
{
    LONG upper = -1;
    HRESULT hr = SafeArrayGetUBound(array, 1, &upper);
    for (LONG k = 0; SUCCEEDED(hr) && k <= upper; ++k) {
        CComBSTR name;
        hr = SafeArrayGetElement(array, &k, &name);
        if (SUCCEEDED(hr))
            AddIfNew(names, name.Str());
    }
    return hr;
}

} // namespace

Production* ProductionOf(IUnknown* object)
{
    CComQIPtr<IKVEProductionData> data(object);
    return dynamic_cast<Production*>(data.p);
}

namespace {

bool HoldsFrom(const Production& production, const Production* target, int depth,
               std::set<const Production*>& visited)
{
    if (&production == target || depth > ProductionLoad::kMaxDepth)
        return true;
    if (!visited.insert(&production).second)
        return false;
    auto holds = [&](IUnknown* nested) {
        const Production* inner = ProductionOf(nested);
        return inner && HoldsFrom(*inner, target, depth + 1, visited);
    };
    for (LONG i = 0; i < production.Panels().Count(); ++i) {
        if (holds(production.Panels().At(i)->NestedProduction()))
            return true;
    }
    return std::any_of(production.SubProductions().begin(), production.SubProductions().end(),
                       [&](const auto& entry) { return holds(entry.second); });
}

} // namespace

bool Production::Holds(const Production* target) const
{
    std::set<const Production*> visited;
    return HoldsFrom(*this, target, 0, visited);
}

Production::~Production()
{
    DetachPanels();
}

void Production::DetachPanels()
{
    for (LONG i = 0; i < m_timeline.Count(); ++i)
        m_timeline.At(i)->Attach(nullptr, 0);
}

void Production::OnPanelChanged()
{
    m_timeline.LayOut();
    ReportChange();
}

void Production::ReportChange()
{
    if (!m_updatesEnabled) {
        m_pendingChange = true;
        return;
    }
    m_changed = true;
    ++m_revision;
}

HRESULT Production::GetNumberOfPanels(LONG* count)
{
    return ReturnValue(count, m_timeline.Count());
}

HRESULT Production::GetPanelBaseObject(LONG position, IBaseObject** panel)
{
    if (!panel)
        return E_POINTER;
    *panel = nullptr;
    IBaseObject* object = m_timeline.ObjectAt(position);
    if (!object)
        return E_INVALIDARG;
    return CComPtr<IBaseObject>(object).CopyTo(panel);
}

HRESULT Production::GetPanelAt(double time, LONG* position, IBaseObject** panel)
{
    LONG found = m_timeline.SourcePositionAt(time);
    if (position)
        *position = found;
    if (panel)
        CComPtr<IBaseObject>(m_timeline.ObjectAt(found)).CopyTo(panel);
    return found >= 0 ? S_OK : S_FALSE;
}

HRESULT Production::DeletePanel(LONG position)
{
    return DeletePanels(&position, 1, FALSE);
}

HRESULT Production::DeletePanels(const LONG* entries, LONG count, BOOL byId)
{
    if (count < 0 || (count > 0 && !entries))
        return E_POINTER;
    // Each deleted source may leave a cut that joins its neighbours.
    if (!IdsLeft(count))
        return E_UNEXPECTED;
    std::vector<LONG> positions;
    for (LONG i = 0; i < count; ++i)
        positions.push_back(byId ? m_timeline.PositionOf(entries[i]) : entries[i]);
    std::vector<CComPtr<IBaseObject>> leaving;
    for (LONG position : positions) {
        if (Panel* panel = m_timeline.At(position))
            leaving.push_back(panel->Base());
    }
    HRESULT hr = m_timeline.Delete(positions, [this] {
        CComPtr<TransitionPanel> cut = TransitionPanel::MakeCut();
        cut->Attach(this, NextId());
        return cut;
    });
    if (FAILED(hr))
        return hr;
    for (IBaseObject* object : leaving)
        PanelOf(object)->Attach(nullptr, 0);
    ReportChange();
    return S_OK;
}

HRESULT Production::GetProductionObj(IUnknown** production)
{
    if (!production)
        return E_POINTER;
    return HandOut(GetUnknown(), production);
}

HRESULT Production::GetSubProduction(BSTR moniker, IUnknown** production)
{
    if (!production)
        return E_POINTER;
    *production = nullptr;
    auto found = m_subProductions.find(CComBSTR(moniker).Str());
    if (found == m_subProductions.end())
        return S_FALSE;
    return found->second.CopyTo(production);
}

HRESULT Production::SetSubProduction(BSTR moniker, IUnknown* production)
{
    std::wstring name = CComBSTR(moniker).Str();
    if (name.empty())
        return E_INVALIDARG;
    if (production && !CComQIPtr<IKVEProductionData>(production))
        return E_NOINTERFACE;
    // A production kept inside itself would be written out without end.
    if (ProductionOf(production) && ProductionOf(production)->Holds(this))
        return E_INVALIDARG;
    if (production)
        m_subProductions[name] = production;
    else
        m_subProductions.erase(name);
    ReportChange();
    return S_OK;
}

HRESULT Production::GetObjectByID(LONG id, IUnknown** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IBaseObject* panel = m_timeline.ObjectAt(m_timeline.PositionOf(id)))
        return HandOut(panel, object);
    for (const CComPtr<IUnknown>& audio : m_audio) {
        if (PlacementOf(audio)->id == id)
            return HandOut(audio, object);
    }
    auto item = m_elementItems.find(id);
    if (item != m_elementItems.end())
        return HandOut(item->second->GetUnknown(), object);
    return E_INVALIDARG;
}

HRESULT Production::GetMissingSourceFileNames(LONG firstPanel, LONG panelCount,
                                              VARIANT_BOOL searchNested, VARIANT* names)
{
    if (!names)
        return E_POINTER;
    if (firstPanel < 0 || panelCount < 0)
        return E_INVALIDARG;
    VariantInit(names);
    LONG last = panelCount == 0 ? m_timeline.Count()
                                : std::min(m_timeline.Count(), firstPanel + panelCount);
    std::vector<std::wstring> missing;
    for (LONG i = firstPanel; i < last; ++i) {
        Panel* panel = m_timeline.At(i);
        if (std::wstring file = panel->MissingFile(); !file.empty())
            AddIfNew(missing, file);
        CComQIPtr<IKVEProductionData> inner(panel->NestedProduction());
        if (searchNested == VARIANT_FALSE || !inner)
            continue;
        CComVariant innerNames;
        HRESULT hr = inner->GetMissingSourceFileNames(0, 0, VARIANT_TRUE, &innerNames);
        if (hr == S_OK)
            hr = AddNewNames(innerNames.parray, missing);
        if (FAILED(hr))
            return hr;
    }
    HRESULT hr = MakeStringArray(missing, names);
    return FAILED(hr) ? hr : (missing.empty() ? S_FALSE : S_OK);
}

HRESULT Production::GetAudioAt(LONG kind, double time, IUnknown** audio)
{
    if (!audio)
        return E_POINTER;
    *audio = nullptr;
    double duration = m_timeline.Duration();
    for (const CComPtr<IUnknown>& object : m_audio) {
        const AudioPlacement& placed = *PlacementOf(object);
        double end = placed.end > 0.0 ? placed.end : std::max(duration, placed.start);
        if (placed.kind == kind && placed.start <= time && time <= end)
            return HandOut(object, audio);
    }
    return S_FALSE;
}

HRESULT Production::GetEffectAt(LONG layer, double time, IUnknown** effect)
{
    if (!effect)
        return E_POINTER;
    *effect = nullptr;
    if (layer != 0)
        return layer > 0 && layer <= 4 ? S_FALSE : E_INVALIDARG;
    for (LONG i = 1; i < m_timeline.Count(); i += 2) {
        Panel* transition = m_timeline.At(i);
        if (transition->Duration() > 0.0 && transition->Start() <= time && time < transition->End())
            return HandOut(transition->Base(), effect);
    }
    LONG position = m_timeline.SourcePositionAt(time);
    return position >= 0 ? HandOut(m_timeline.ObjectAt(position), effect) : S_FALSE;
}

HRESULT Production::get_UseSourceAspectRatio(VARIANT_BOOL* use)
{
    return ReturnFlag(use, m_useSourceAspect);
}

HRESULT Production::put_UseSourceAspectRatio(VARIANT_BOOL use)
{
    m_useSourceAspect = use != VARIANT_FALSE;
    ReportChange();
    return S_OK;
}

HRESULT Production::EnableUpdates(VARIANT_BOOL enable)
{
    m_updatesEnabled = enable != VARIANT_FALSE;
    if (m_updatesEnabled && m_pendingChange) {
        m_pendingChange = false;
        ReportChange();
    }
    return S_OK;
}

HRESULT Production::IsChanged(VARIANT_BOOL* changed)
{
    return ReturnFlag(changed, m_changed);
}

HRESULT Production::ClearChangeMark()
{
    m_changed = false;
    return S_OK;
}

HRESULT Production::GetNumberOfAudios(LONG* count)
{
    return ReturnValue(count, LONG(m_audio.size()));
}

HRESULT Production::GetAudioItem(LONG index, IUnknown** audio)
{
    if (!audio)
        return E_POINTER;
    *audio = nullptr;
    if (index < 0 || index >= LONG(m_audio.size()))
        return E_INVALIDARG;
    return HandOut(m_audio[size_t(index)], audio);
}

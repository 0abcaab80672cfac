// The information, markers and menu link of a production.
#include "OutValue.h"
#include "Production.h"

#include <cmath>

HRESULT Production::get_AspectRatio(double* ratio)
{
    return ReturnValue(ratio, m_aspect);
}

HRESULT Production::put_AspectRatio(double ratio)
{
    if (!(ratio > 0.0) || !std::isfinite(ratio))
        return E_INVALIDARG;
    m_aspect = ratio;
    ReportChange();
    return S_OK;
}

HRESULT Production::get_Duration(double* seconds)
{
    return ReturnValue(seconds, m_timeline.Duration());
}

HRESULT Production::get_EditingFrameRate(double* rate)
{
    return ReturnValue(rate, m_frameRate);
}

HRESULT Production::put_EditingFrameRate(double rate)
{
    if (!(rate > 0.0) || !std::isfinite(rate))
        return E_INVALIDARG;
    m_frameRate = rate;
    ReportChange();
    return S_OK;
}

HRESULT Production::get_Is3D(VARIANT_BOOL* is3D)
{
    return ReturnFlag(is3D, m_is3D);
}

HRESULT Production::put_Is3D(VARIANT_BOOL is3D)
{
    m_is3D = is3D != VARIANT_FALSE;
    ReportChange();
    return S_OK;
}

HRESULT Production::GetMetaData(BSTR name, IXMLDOMNode** node)
{
    if (!node)
        return E_POINTER;
    *node = nullptr;
    auto found = m_metadata.find(CComBSTR(name).Str());
    if (found == m_metadata.end())
        return S_FALSE;
    return found->second.CopyTo(node);
}

HRESULT Production::SetMetaData(BSTR name, IXMLDOMNode* node)
{
    std::wstring key = CComBSTR(name).Str();
    if (key.empty())
        return E_INVALIDARG;
    if (!node) {
        m_metadata.erase(key);
        ReportChange();
        return S_OK;
    }
    CComPtr<IXMLDOMNode> copy;
    HRESULT hr = CopyIntoNewDocument(node, copy);
    if (FAILED(hr))
        return hr;
    m_metadata[key] = copy;
    ReportChange();
    return S_OK;
}

HRESULT Production::AddMarker(double time, LONG kind, LONG, LONG* id)
{
    return m_markers.Add(time, kind, id);
}

HRESULT Production::RemoveMarker(LONG id)
{
    return m_markers.Remove(id);
}

HRESULT Production::GetMarkerCount(LONG kind, LONG* count)
{
    return ReturnValue(count, m_markers.Count(kind));
}

HRESULT Production::GetMarkerItem(LONG index, LONG kind, KVEMarker* marker)
{
    return m_markers.Item(index, kind, marker);
}

HRESULT Production::GetMarkerByID(LONG id, KVEMarker* marker)
{
    return m_markers.ById(id, marker);
}

HRESULT Production::GetMarkerIndex(LONG id, LONG* index)
{
    return m_markers.IndexOf(id, index);
}

HRESULT Production::SetMarkerLink(LONG id, LONG link)
{
    return m_markers.SetLink(id, link);
}

HRESULT Production::RemoveAllMarkers()
{
    m_markers.RemoveAll();
    return S_OK;
}

HRESULT Production::SetMarkerName(LONG id, BSTR name)
{
    return m_markers.SetName(id, CComBSTR(name).Str());
}

HRESULT Production::GetMarkerName(LONG id, BSTR* name)
{
    return m_markers.Name(id, name);
}

HRESULT Production::RemoveMarkersOfKind(LONG kind)
{
    m_markers.RemoveKind(kind);
    return S_OK;
}

HRESULT Production::FindMarkerNear(double time, LONG kind, double tolerance, LONG* id)
{
    if (!id)
        return E_POINTER;
    *id = m_markers.FindNear(time, kind, tolerance);
    return *id >= 0 ? S_OK : S_FALSE;
}

HRESULT Production::GetTotalMarkerCount(LONG* count)
{
    return ReturnValue(count, m_markers.Total());
}

HRESULT Production::CopyMarkersFrom(IKVEMarkerList* source)
{
    if (!source)
        return E_POINTER;
    std::vector<MarkerList::Entry> entries;
    for (LONG kind : {KVE_MARKER_CHAPTER, KVE_MARKER_THUMBNAIL}) {
        LONG count = 0;
        HRESULT hr = source->GetMarkerCount(kind, &count);
        for (LONG i = 0; SUCCEEDED(hr) && i < count; ++i) {
            MarkerList::Entry entry{};
            hr = source->GetMarkerItem(i, kind, &entry.marker);
            CComBSTR name;
            if (SUCCEEDED(hr) && SUCCEEDED(source->GetMarkerName(entry.marker.lID, &name)))
                entry.name = name.Str();
            entries.push_back(entry);
        }
        if (FAILED(hr))
            return hr;
    }
    return m_markers.Restore(std::move(entries));
}

HRESULT Production::SetMarkerTime(LONG id, double time)
{
    return m_markers.SetTime(id, time);
}

HRESULT Production::SetMenu(IUnknown* menu)
{
    m_menu = menu;
    ReportChange();
    return S_OK;
}

HRESULT Production::GetMenu(IUnknown** menu)
{
    if (!menu)
        return E_POINTER;
    *menu = nullptr;
    if (!m_menu)
        return S_FALSE;
    return m_menu->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(menu));
}

HRESULT Production::AddElementItem(LONG elementId, LONG* itemId)
{
    if (!itemId)
        return E_POINTER;
    *itemId = 0;
    if (!IdsLeft(1))
        return E_UNEXPECTED;
    *itemId = NextId();
    m_elementItems[*itemId] = ElementItem::Create(elementId);
    return S_OK;
}

HRESULT Production::RemoveElementItem(LONG itemId)
{
    return m_elementItems.erase(itemId) ? S_OK : S_FALSE;
}

HRESULT Production::GetElementOfItem(LONG itemId, LONG* elementId)
{
    if (!elementId)
        return E_POINTER;
    auto found = m_elementItems.find(itemId);
    if (found == m_elementItems.end())
        return E_INVALIDARG;
    *elementId = found->second->ElementId();
    return S_OK;
}

HRESULT Production::GetElementItemCount(LONG* count)
{
    return ReturnValue(count, LONG(m_elementItems.size()));
}

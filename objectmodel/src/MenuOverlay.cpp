#include "MenuOverlay.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "PropertyAccess.h"

namespace objectmodel {

OverlayProperties OverlayProperties::AsFileSource() const
{
    OverlayProperties native = *this;
    if (sourceType != OverlaySource_None && sourceType != OverlaySource_File) {
        native.sourceType = OverlaySource_File;
        native.sourceId = 0;
        native.privateId = 0;
    }
    return native;
}

HRESULT CMenuOverlay::get_Source(BSTR* source)
{
    return CopyOut(m_overlay.source, source);
}

HRESULT CMenuOverlay::put_Source(BSTR source)
{
    return StorePath(m_overlay.source, TextOf(source));
}

HRESULT CMenuOverlay::get_AlphaMask(BSTR* path)
{
    return CopyOut(m_overlay.alphaMask, path);
}

HRESULT CMenuOverlay::put_AlphaMask(BSTR path)
{
    return StorePath(m_overlay.alphaMask, TextOf(path));
}

HRESULT CMenuOverlay::get_InPoint(double* seconds)
{
    return CopyOut(m_overlay.inPoint, seconds);
}

HRESULT CMenuOverlay::put_InPoint(double seconds)
{
    return StoreFinite(m_overlay.inPoint, seconds);
}

HRESULT CMenuOverlay::get_OutPoint(double* seconds)
{
    return CopyOut(m_overlay.outPoint, seconds);
}

HRESULT CMenuOverlay::put_OutPoint(double seconds)
{
    return StoreFinite(m_overlay.outPoint, seconds);
}

HRESULT CMenuOverlay::get_StillImage(VARIANT_BOOL* still)
{
    return CopyOut(m_overlay.stillImage, still);
}

HRESULT CMenuOverlay::put_StillImage(VARIANT_BOOL still)
{
    return StoreSwitch(m_overlay.stillImage, still);
}

HRESULT CMenuOverlay::get_PrivateId(LONG* id)
{
    return CopyOut(m_overlay.privateId, id);
}

HRESULT CMenuOverlay::put_PrivateId(LONG id)
{
    return Store(m_overlay.privateId, id);
}

HRESULT CMenuOverlay::get_DynamicScalingFactor(double* factor)
{
    return CopyOut(m_overlay.dynamicScalingFactor, factor);
}

HRESULT CMenuOverlay::put_DynamicScalingFactor(double factor)
{
    return StoreFinite(m_overlay.dynamicScalingFactor, factor);
}

HRESULT CMenuOverlay::get_SourceRotation(LONG* degrees)
{
    return CopyOut(m_overlay.sourceRotation, degrees);
}

HRESULT CMenuOverlay::put_SourceRotation(LONG degrees)
{
    return Store(m_overlay.sourceRotation, degrees);
}

HRESULT CMenuOverlay::get_ZoomToFill(VARIANT_BOOL* fill)
{
    return CopyOut(m_overlay.zoomToFill, fill);
}

HRESULT CMenuOverlay::put_ZoomToFill(VARIANT_BOOL fill)
{
    return StoreSwitch(m_overlay.zoomToFill, fill);
}

HRESULT CMenuOverlay::get_FitMaskToMenu(VARIANT_BOOL* fit)
{
    return CopyOut(m_overlay.fitMaskToMenu, fit);
}

HRESULT CMenuOverlay::put_FitMaskToMenu(VARIANT_BOOL fit)
{
    return StoreSwitch(m_overlay.fitMaskToMenu, fit);
}

HRESULT CMenuOverlay::get_SourceTime(double* seconds)
{
    return CopyOut(m_overlay.sourceTime, seconds);
}

HRESULT CMenuOverlay::put_SourceTime(double seconds)
{
    return StoreFinite(m_overlay.sourceTime, seconds);
}

HRESULT CMenuOverlay::GetSourceType(LONG* type, LONG* id)
{
    if (!type || !id)
        return E_POINTER;
    *type = m_overlay.sourceType;
    *id = m_overlay.sourceId;
    return S_OK;
}

HRESULT CMenuOverlay::SetSourceType(LONG type, LONG id)
{
    m_overlay.sourceType = type;
    m_overlay.sourceId = id;
    MarkProjectChanged();
    return S_OK;
}

HRESULT CMenuOverlay::GetSourceScale(double* x, double* y)
{
    return ReadPair(m_overlay.sourceScaleX, m_overlay.sourceScaleY, x, y);
}

HRESULT CMenuOverlay::SetSourceScale(double x, double y)
{
    return StorePair(m_overlay.sourceScaleX, m_overlay.sourceScaleY, x, y);
}

HRESULT CMenuOverlay::GetMaskSize(double* x, double* y)
{
    return ReadPair(m_overlay.maskSizeX, m_overlay.maskSizeY, x, y);
}

HRESULT CMenuOverlay::SetMaskSize(double x, double y)
{
    return StorePair(m_overlay.maskSizeX, m_overlay.maskSizeY, x, y);
}

HRESULT CMenuOverlay::ResetResolvedSource()
{
    if (m_overlay.sourceType != OverlaySource_File) {
        m_overlay.source.clear();
        m_overlay.inPoint = 0.0;
        m_overlay.outPoint = 0.0;
    }
    m_overlay.privateId = 0;
    m_overlay.sourceScaleX = m_overlay.sourceScaleY = 1.0;
    m_overlay.maskSizeX = m_overlay.maskSizeY = 1.0;
    MarkProjectChanged();
    return S_OK;
}

HRESULT CMenuOverlay::Duplicate(CComPtr<IDSMenuElement>& copy)
{
    CComPtr<CMenuOverlay> duplicate = Create();
    duplicate->CopyPropertiesFrom(*this);
    duplicate->m_overlay = m_overlay;
    copy = duplicate.p;
    return S_OK;
}

void CMenuOverlay::WriteOwnFields(AttributeWriter& writer, bool nativeSources)
{
    OverlayProperties written = nativeSources ? m_overlay.AsFileSource() : m_overlay;
    written.VisitFields(writer);
}

void CMenuOverlay::ReadOwnFields(AttributeReader& reader)
{
    m_overlay.VisitFields(reader);
    reader.CheckPath(L"source", m_overlay.source);
    reader.CheckPath(L"alphaMask", m_overlay.alphaMask);
}

HRESULT CMenuOverlay::ReadPair(double first, double second, double* x, double* y)
{
    if (!x || !y)
        return E_POINTER;
    *x = first;
    *y = second;
    return S_OK;
}

HRESULT CMenuOverlay::StorePair(double& first, double& second, double x, double y)
{
    if (!AllFinite({x, y}))
        return E_INVALIDARG;
    first = x;
    second = y;
    MarkProjectChanged();
    return S_OK;
}

} // namespace objectmodel

// An overlay: a picture, a video or a nested production shown on a menu or inside a button.
#pragma once

#include "MenuElementImpl.h"

#include "platform/ComObject.h"

namespace objectmodel {

struct OverlayProperties
{
    std::wstring source;
    std::wstring alphaMask;
    double inPoint = 0.0;
    double outPoint = 0.0;
    VARIANT_BOOL stillImage = VARIANT_FALSE;
    LONG privateId = 0;
    double dynamicScalingFactor = 1.0;
    LONG sourceRotation = 0;
    VARIANT_BOOL zoomToFill = VARIANT_FALSE;
    VARIANT_BOOL fitMaskToMenu = VARIANT_FALSE;
    double sourceTime = -1.0;
    LONG sourceType = OverlaySource_None;
    LONG sourceId = 0;
    double sourceScaleX = 1.0;
    double sourceScaleY = 1.0;
    double maskSizeX = 1.0;
    double maskSizeY = 1.0;

    template <class Fields> void VisitFields(Fields& f)
    {
        f.Field(L"source", source);
        f.Field(L"alphaMask", alphaMask);
        f.Field(L"inPoint", inPoint);
        f.Field(L"outPoint", outPoint);
        f.Field(L"stillImage", stillImage);
        f.Field(L"privateID", privateId);
        f.Field(L"dynamicScalingFactor", dynamicScalingFactor);
        f.Field(L"sourceRotation", sourceRotation);
        f.Field(L"zoomToFill", zoomToFill);
        f.Field(L"fitMaskToMenu", fitMaskToMenu);
        f.Field(L"sourceTime", sourceTime);
        f.Field(L"sourceType", sourceType);
        f.Field(L"sourceID", sourceId);
        f.Field(L"sourceScaleX", sourceScaleX);
        f.Field(L"sourceScaleY", sourceScaleY);
        f.Field(L"maskSizeX", maskSizeX);
        f.Field(L"maskSizeY", maskSizeY);
    }

    // The same overlay showing the picture it shows now as a plain file source, so that it
    // depends on no title.
    OverlayProperties AsFileSource() const;
};

class CMenuOverlay : public ComObject<CMenuOverlay, MenuElementImpl<IDSMenuOverlay>>
{
public:
    HRESULT get_Source(BSTR* source) override;
    HRESULT put_Source(BSTR source) override;
    HRESULT get_AlphaMask(BSTR* path) override;
    HRESULT put_AlphaMask(BSTR path) override;
    HRESULT get_InPoint(double* seconds) override;
    HRESULT put_InPoint(double seconds) override;
    HRESULT get_OutPoint(double* seconds) override;
    HRESULT put_OutPoint(double seconds) override;
    HRESULT get_StillImage(VARIANT_BOOL* still) override;
    HRESULT put_StillImage(VARIANT_BOOL still) override;
    HRESULT get_PrivateId(LONG* id) override;
    HRESULT put_PrivateId(LONG id) override;
    HRESULT get_DynamicScalingFactor(double* factor) override;
    HRESULT put_DynamicScalingFactor(double factor) override;
    HRESULT get_SourceRotation(LONG* degrees) override;
    HRESULT put_SourceRotation(LONG degrees) override;
    HRESULT get_ZoomToFill(VARIANT_BOOL* fill) override;
    HRESULT put_ZoomToFill(VARIANT_BOOL fill) override;
    HRESULT get_FitMaskToMenu(VARIANT_BOOL* fit) override;
    HRESULT put_FitMaskToMenu(VARIANT_BOOL fit) override;
    HRESULT get_SourceTime(double* seconds) override;
    HRESULT put_SourceTime(double seconds) override;
    HRESULT GetSourceType(LONG* type, LONG* id) override;
    HRESULT SetSourceType(LONG type, LONG id) override;
    HRESULT GetSourceScale(double* x, double* y) override;
    HRESULT SetSourceScale(double x, double y) override;
    HRESULT GetMaskSize(double* x, double* y) override;
    HRESULT SetMaskSize(double x, double y) override;
    HRESULT ResetResolvedSource() override;

    HRESULT Duplicate(CComPtr<IDSMenuElement>& copy) override;
    const wchar_t* XmlName() const override { return L"Overlay"; }
    void ForgetPrivateTitles() override { m_overlay.privateId = 0; }

protected:
    ~CMenuOverlay() override = default;

    void WriteOwnFields(AttributeWriter& writer, bool nativeSources) override;
    void ReadOwnFields(AttributeReader& reader) override;

private:
    HRESULT ReadPair(double first, double second, double* x, double* y);
    HRESULT StorePair(double& first, double& second, double x, double y);

    OverlayProperties m_overlay;
};

} // namespace objectmodel

// The methods of the project and menu interfaces as E_NOTIMPL mixins over a base that derives
// from the interface, and the identity and element basics, for the stand-ins of tests that must
// make the object model fail where the real one never does. Stand-ins derive from them and
// override what a test reads.
#pragma once

#include "model/IDSEncodingParams.h"
#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "platform/ComObject.h"

template <class Base> class StubProjectData : public Base
{
public:
    HRESULT get_Name(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Name(BSTR) override { return E_NOTIMPL; }
    HRESULT get_DiscFormat(DiscFormat*) override { return E_NOTIMPL; }
    HRESULT put_DiscFormat(DiscFormat) override { return E_NOTIMPL; }
    HRESULT get_DiscSize(DiscSize*) override { return E_NOTIMPL; }
    HRESULT put_DiscSize(DiscSize) override { return E_NOTIMPL; }
    HRESULT get_TVStandard(TVStandard*) override { return E_NOTIMPL; }
    HRESULT put_TVStandard(TVStandard) override { return E_NOTIMPL; }
    HRESULT get_FitToDisc(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_FitToDisc(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT get_DoCompression(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_DoCompression(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT get_Flags(ULONG*) override { return E_NOTIMPL; }
    HRESULT put_Flags(ULONG) override { return E_NOTIMPL; }
    HRESULT get_CreationSetting(LONG*) override { return E_NOTIMPL; }
    HRESULT put_CreationSetting(LONG) override { return E_NOTIMPL; }
    HRESULT get_SingleSourceOverlays(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_SingleSourceOverlays(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT get_ProjectSize(LONGLONG*) override { return E_NOTIMPL; }
    HRESULT get_Modified(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT ResetModified() override { return E_NOTIMPL; }
    HRESULT Clear() override { return E_NOTIMPL; }
    HRESULT AddTitle(LONG, IDSTitle**) override { return E_NOTIMPL; }
    HRESULT RemoveTitle(LONG, IDSTitle**) override { return E_NOTIMPL; }
    HRESULT get_TitleCount(LONG*) override { return E_NOTIMPL; }
    HRESULT get_Title(LONG, IDSTitle**) override { return E_NOTIMPL; }
    HRESULT AddMenu(LONG, IDSMenu**) override { return E_NOTIMPL; }
    HRESULT RemoveMenu(LONG, IDSMenu**) override { return E_NOTIMPL; }
    HRESULT get_MenuCount(LONG*) override { return E_NOTIMPL; }
    HRESULT get_Menu(LONG, IDSMenu**) override { return E_NOTIMPL; }
    HRESULT AddDataFile(BSTR, IDSDataFile**) override { return E_NOTIMPL; }
    HRESULT RemoveDataFile(LONG, IDSDataFile**) override { return E_NOTIMPL; }
    HRESULT get_DataFileCount(LONG*) override { return E_NOTIMPL; }
    HRESULT get_DataFile(LONG, IDSDataFile**) override { return E_NOTIMPL; }
    HRESULT FindByID(LONG, IUnknown**) override { return E_NOTIMPL; }
    HRESULT BeginStoryboardUndo(IUnknown*, DWORD) override { return E_NOTIMPL; }
    HRESULT UndoStoryboard() override { return E_NOTIMPL; }
    HRESULT get_StoryboardUndoCount(LONG*) override { return E_NOTIMPL; }
};

template <class Base> class StubEncodingParams : public Base
{
public:
    HRESULT get_AspectRatio(AspectRatio*) override { return E_NOTIMPL; }
    HRESULT put_AspectRatio(AspectRatio) override { return E_NOTIMPL; }
    HRESULT get_VideoFormat(VideoFormat*) override { return E_NOTIMPL; }
    HRESULT put_VideoFormat(VideoFormat) override { return E_NOTIMPL; }
    HRESULT get_VideoResolution(VideoResolution*) override { return E_NOTIMPL; }
    HRESULT put_VideoResolution(VideoResolution) override { return E_NOTIMPL; }
    HRESULT get_VideoBitrate(LONG*) override { return E_NOTIMPL; }
    HRESULT put_VideoBitrate(LONG) override { return E_NOTIMPL; }
    HRESULT get_AudioFormat(AudioFormat*) override { return E_NOTIMPL; }
    HRESULT put_AudioFormat(AudioFormat) override { return E_NOTIMPL; }
    HRESULT get_AudioChannels(LONG*) override { return E_NOTIMPL; }
    HRESULT put_AudioChannels(LONG) override { return E_NOTIMPL; }
    HRESULT get_AudioBitrate(LONG*) override { return E_NOTIMPL; }
    HRESULT put_AudioBitrate(LONG) override { return E_NOTIMPL; }
    HRESULT get_SubpictureFormat(SubpictureFormat*) override { return E_NOTIMPL; }
    HRESULT put_SubpictureFormat(SubpictureFormat) override { return E_NOTIMPL; }
    HRESULT get_TwoPassEncoding(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_TwoPassEncoding(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT get_SyncToProject(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_SyncToProject(VARIANT_BOOL) override { return E_NOTIMPL; }
};

template <class Base> class StubMenu : public Base
{
public:
    HRESULT get_ID(LONG*) override { return E_NOTIMPL; }
    HRESULT get_Tag(ULONG*) override { return E_NOTIMPL; }
    HRESULT put_Tag(ULONG) override { return E_NOTIMPL; }
    HRESULT get_Flags(ULONG*) override { return E_NOTIMPL; }
    HRESULT put_Flags(ULONG) override { return E_NOTIMPL; }
    HRESULT get_Name(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Name(BSTR) override { return E_NOTIMPL; }
    HRESULT get_Background(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Background(BSTR) override { return E_NOTIMPL; }
    HRESULT get_BkgndID(LONG*) override { return E_NOTIMPL; }
    HRESULT put_BkgndID(LONG) override { return E_NOTIMPL; }
    HRESULT get_Audio(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Audio(BSTR) override { return E_NOTIMPL; }
    HRESULT GetSmartAudio(BSTR*) override { return E_NOTIMPL; }
    HRESULT SetSmartAudio(BSTR) override { return E_NOTIMPL; }
    HRESULT get_Duration(double*) override { return E_NOTIMPL; }
    HRESULT put_Duration(double) override { return E_NOTIMPL; }
    HRESULT get_ButtonLayout(ULONG*) override { return E_NOTIMPL; }
    HRESULT put_ButtonLayout(ULONG) override { return E_NOTIMPL; }
    HRESULT get_LayoutRect(FloatRect*) override { return E_NOTIMPL; }
    HRESULT put_LayoutRect(const FloatRect*) override { return E_NOTIMPL; }
    HRESULT get_TemplateID(LONG*) override { return E_NOTIMPL; }
    HRESULT put_TemplateID(LONG) override { return E_NOTIMPL; }
    HRESULT GetProject(IDSProjectData**) override { return E_NOTIMPL; }
    HRESULT GetProduction(IUnknown**) override { return E_NOTIMPL; }
    HRESULT GetBackgroundProduction(IUnknown**) override { return E_NOTIMPL; }
    HRESULT GetSubpictureColours(LONG, BYTE*, BYTE*) override { return E_NOTIMPL; }
    HRESULT SetSubpictureColours(LONG, const BYTE*, const BYTE*) override { return E_NOTIMPL; }
    HRESULT GetPalette(PaletteEntry*) override { return E_NOTIMPL; }
    HRESULT SetPalette(const PaletteEntry*) override { return E_NOTIMPL; }
    HRESULT SaveXML(IXMLDOMNode*, VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT loadXML(IXMLDOMNode*, VARIANT_BOOL) override { return E_NOTIMPL; }
};

template <class Base> class StubTitle : public Base
{
public:
    HRESULT get_ID(LONG*) override { return E_NOTIMPL; }
    HRESULT get_Tag(ULONG*) override { return E_NOTIMPL; }
    HRESULT put_Tag(ULONG) override { return E_NOTIMPL; }
    HRESULT get_Flags(ULONG*) override { return E_NOTIMPL; }
    HRESULT put_Flags(ULONG) override { return E_NOTIMPL; }
    HRESULT get_Name(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Name(BSTR) override { return E_NOTIMPL; }
    HRESULT get_Excluded(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_Excluded(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT get_OnDiscCount(LONG*) override { return E_NOTIMPL; }
    HRESULT put_OnDiscCount(LONG) override { return E_NOTIMPL; }
    HRESULT get_ProductionCurrent(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_ProductionCurrent(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT GetProduction(IUnknown**) override { return E_NOTIMPL; }
    HRESULT GetProject(IDSProjectData**) override { return E_NOTIMPL; }
};

template <class Base> class StubMenuElementList : public Base
{
public:
    HRESULT AddElement(const GUID*, void**) override { return E_NOTIMPL; }
    HRESULT InsertElement(LONG, IDSMenuElement*) override { return E_NOTIMPL; }
    HRESULT RemoveElement(LONG, IDSMenuElement**) override { return E_NOTIMPL; }
    HRESULT get_Count(LONG*) override { return E_NOTIMPL; }
    HRESULT get_Item(LONG, IDSMenuElement**) override { return E_NOTIMPL; }
};

template <class Base> class StubMenuElement : public Base
{
public:
    HRESULT get_ID(LONG*) override { return E_NOTIMPL; }
    HRESULT get_Tag(ULONG*) override { return E_NOTIMPL; }
    HRESULT put_Tag(ULONG) override { return E_NOTIMPL; }
    HRESULT get_Flags(ULONG*) override { return E_NOTIMPL; }
    HRESULT put_Flags(ULONG) override { return E_NOTIMPL; }
    HRESULT get_Name(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Name(BSTR) override { return E_NOTIMPL; }
    HRESULT get_Label(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Label(BSTR) override { return E_NOTIMPL; }
    HRESULT get_Rotation(float*) override { return E_NOTIMPL; }
    HRESULT put_Rotation(float) override { return E_NOTIMPL; }
    HRESULT get_Opacity(float*) override { return E_NOTIMPL; }
    HRESULT put_Opacity(float) override { return E_NOTIMPL; }
    HRESULT get_Highlight(LONG*) override { return E_NOTIMPL; }
    HRESULT put_Highlight(LONG) override { return E_NOTIMPL; }
    HRESULT GetPosition(float*, float*) override { return E_NOTIMPL; }
    HRESULT SetPosition(float, float) override { return E_NOTIMPL; }
    HRESULT GetSize(float*, float*) override { return E_NOTIMPL; }
    HRESULT SetSize(float, float) override { return E_NOTIMPL; }
    HRESULT GetExtent(FloatRect*) override { return E_NOTIMPL; }
    HRESULT GetEffectInterval(double*, double*) override { return E_NOTIMPL; }
    HRESULT SetEffectInterval(double, double) override { return E_NOTIMPL; }
    HRESULT GetNeighbours(ElementNeighbours**) override { return E_NOTIMPL; }
    HRESULT SetNeighbours(LONG, LONG, LONG, LONG) override { return E_NOTIMPL; }
    HRESULT get_EffectID(LONG*) override { return E_NOTIMPL; }
    HRESULT Copy(IDSMenuElement**) override { return E_NOTIMPL; }
    HRESULT GetMenu(IDSMenu**) override { return E_NOTIMPL; }
    HRESULT GetParentList(IDSMenuElementList**) override { return E_NOTIMPL; }
};

template <class Base> class StubMenuButton : public Base
{
public:
    HRESULT get_ActiveRegion(FloatRect*, VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_ActiveRegion(const FloatRect*, VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT GetHighlightRegion(FloatRect*) override { return E_NOTIMPL; }
    HRESULT get_ColourScheme(LONG*) override { return E_NOTIMPL; }
    HRESULT put_ColourScheme(LONG) override { return E_NOTIMPL; }
    HRESULT get_ChapterMarkerID(LONG*) override { return E_NOTIMPL; }
    HRESULT put_ChapterMarkerID(LONG) override { return E_NOTIMPL; }
    HRESULT get_CommandCount(LONG*) override { return E_NOTIMPL; }
    HRESULT GetLabel(IDSMenuText**) override { return E_NOTIMPL; }
    HRESULT ApplyTo(IDSMenuButton*) override { return E_NOTIMPL; }
    HRESULT SaveXML(IXMLDOMNode*) override { return E_NOTIMPL; }
    HRESULT loadXML(IXMLDOMNode*) override { return E_NOTIMPL; }
};

template <class Base> class StubMenuText : public Base
{
public:
    HRESULT get_Alignment(LONG*) override { return E_NOTIMPL; }
    HRESULT put_Alignment(LONG) override { return E_NOTIMPL; }
    HRESULT get_FontName(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_FontName(BSTR) override { return E_NOTIMPL; }
    HRESULT get_FontSize(float*) override { return E_NOTIMPL; }
    HRESULT put_FontSize(float) override { return E_NOTIMPL; }
    HRESULT GetColor(LONG, COLORREF*) override { return E_NOTIMPL; }
    HRESULT SetColor(LONG, COLORREF) override { return E_NOTIMPL; }
    HRESULT GetEffectXML(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT SetEffectXML(IXMLDOMNode*) override { return E_NOTIMPL; }
};

template <class Base> class StubMenuOverlay : public Base
{
public:
    HRESULT get_Source(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Source(BSTR) override { return E_NOTIMPL; }
    HRESULT get_AlphaMask(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_AlphaMask(BSTR) override { return E_NOTIMPL; }
    HRESULT get_InPoint(double*) override { return E_NOTIMPL; }
    HRESULT put_InPoint(double) override { return E_NOTIMPL; }
    HRESULT get_OutPoint(double*) override { return E_NOTIMPL; }
    HRESULT put_OutPoint(double) override { return E_NOTIMPL; }
    HRESULT get_StillImage(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_StillImage(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT get_PrivateId(LONG*) override { return E_NOTIMPL; }
    HRESULT put_PrivateId(LONG) override { return E_NOTIMPL; }
    HRESULT get_DynamicScalingFactor(double*) override { return E_NOTIMPL; }
    HRESULT put_DynamicScalingFactor(double) override { return E_NOTIMPL; }
    HRESULT get_SourceRotation(LONG*) override { return E_NOTIMPL; }
    HRESULT put_SourceRotation(LONG) override { return E_NOTIMPL; }
    HRESULT get_ZoomToFill(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_ZoomToFill(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT get_FitMaskToMenu(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_FitMaskToMenu(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT get_SourceTime(double*) override { return E_NOTIMPL; }
    HRESULT put_SourceTime(double) override { return E_NOTIMPL; }
    HRESULT GetSourceType(LONG*, LONG*) override { return E_NOTIMPL; }
    HRESULT SetSourceType(LONG, LONG) override { return E_NOTIMPL; }
    HRESULT GetSourceScale(double*, double*) override { return E_NOTIMPL; }
    HRESULT SetSourceScale(double, double) override { return E_NOTIMPL; }
    HRESULT GetMaskSize(double*, double*) override { return E_NOTIMPL; }
    HRESULT SetMaskSize(double, double) override { return E_NOTIMPL; }
    HRESULT ResetResolvedSource() override { return E_NOTIMPL; }
};

namespace fake {

template <class T> HRESULT Give(T* out, T value)
{
    *out = value;
    return S_OK;
}

template <class T> HRESULT Take(T& field, T value)
{
    field = value;
    return S_OK;
}

} // namespace fake

// ID, tag and flags, which elements, menus and titles all have.
template <class Base> class FakeIdentity : public Base
{
public:
    HRESULT get_ID(LONG* value) override { return fake::Give(value, id); }
    HRESULT get_Tag(ULONG* value) override { return fake::Give(value, tag); }
    HRESULT put_Tag(ULONG value) override { return fake::Take(tag, value); }
    HRESULT get_Flags(ULONG* value) override { return fake::Give(value, flags); }
    HRESULT put_Flags(ULONG value) override { return fake::Take(flags, value); }

    LONG id = 0;
    ULONG tag = 0;
    ULONG flags = 0;
};

// Name, label and the menu of an element.
template <class Base> class FakeElementCore : public FakeIdentity<StubMenuElement<Base>>
{
public:
    HRESULT get_Name(BSTR* value) override { return name.CopyTo(value); }
    HRESULT get_Label(BSTR* value) override { return label.CopyTo(value); }
    HRESULT GetMenu(IDSMenu** value) override
    {
        CComPtr<IDSMenu>(menu).CopyTo(value);
        return menu ? S_OK : S_FALSE;
    }

    CComBSTR name;
    CComBSTR label;
    IDSMenu* menu = nullptr;
};

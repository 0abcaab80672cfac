// Small stand-ins for a project, its titles and their productions: stored values, and one
// property that can be made to fail.
#pragma once

#include "model/IDSEncodingParams.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"
#include "platform/ComObject.h"

#include <string>
#include <vector>

namespace encoding_test {

// The code a failing property answers; distinct from every code the library makes itself.
inline constexpr HRESULT kPropertyFailure = E_ACCESSDENIED;

// A property pair over a stored field that fails with kPropertyFailure while the property is
// the one named by the object's failing field.
#define FAKE_PROPERTY(Name, Type, field)                                                           \
    HRESULT get_##Name(Type* value) override                                                       \
    {                                                                                              \
        if (failing == #Name)                                                                      \
            return kPropertyFailure;                                                               \
        *value = field;                                                                            \
        return S_OK;                                                                               \
    }                                                                                              \
    HRESULT put_##Name(Type value) override                                                        \
    {                                                                                              \
        if (failing == #Name)                                                                      \
            return kPropertyFailure;                                                               \
        field = value;                                                                             \
        return S_OK;                                                                               \
    }

// What an encoding object stores.
struct EncodingValues
{
    AspectRatio aspect = AspectRatio_4x3;
    VideoFormat video = VideoFormat_MPEG2;
    VideoResolution resolution = VideoResolution_720;
    LONG videoBitrate = 6000000;
    AudioFormat audio = AudioFormat_AC3;
    LONG channels = 2;
    LONG audioBitrate = 192000;
    SubpictureFormat subpicture = SubpictureFormat_SD;
    VARIANT_BOOL twoPass = VARIANT_FALSE;
    VARIANT_BOOL sync = VARIANT_FALSE;

    bool operator==(const EncodingValues&) const = default;
};

// Implements IDSEncodingParams over EncodingValues for a fake that also implements More.
template <class Derived, class... More>
class FakeEncoding : public ComObject<Derived, IDSEncodingParams, More...>
{
public:
    EncodingValues values;
    // The property (as named after get_/put_) that fails, in both directions.
    std::string failing;

    FAKE_PROPERTY(AspectRatio, AspectRatio, values.aspect)
    FAKE_PROPERTY(VideoFormat, VideoFormat, values.video)
    FAKE_PROPERTY(VideoResolution, VideoResolution, values.resolution)
    FAKE_PROPERTY(VideoBitrate, LONG, values.videoBitrate)
    FAKE_PROPERTY(AudioFormat, AudioFormat, values.audio)
    FAKE_PROPERTY(AudioChannels, LONG, values.channels)
    FAKE_PROPERTY(AudioBitrate, LONG, values.audioBitrate)
    FAKE_PROPERTY(SubpictureFormat, SubpictureFormat, values.subpicture)
    FAKE_PROPERTY(TwoPassEncoding, VARIANT_BOOL, values.twoPass)
    FAKE_PROPERTY(SyncToProject, VARIANT_BOOL, values.sync)
};

// An encoding object on its own.
class FakeEncodingParams : public FakeEncoding<FakeEncodingParams>
{};

// The metadata element a slideshow production hands out; the library only asks for it.
class FakeMetaDataNode : public ComObject<FakeMetaDataNode, IXMLDOMNode>
{
public:
    HRESULT get_nodeName(BSTR*) override { return E_NOTIMPL; }
    HRESULT get_nodeValue(VARIANT*) override { return E_NOTIMPL; }
    HRESULT put_nodeValue(VARIANT) override { return E_NOTIMPL; }
    HRESULT get_nodeType(DOMNodeType*) override { return E_NOTIMPL; }
    HRESULT get_parentNode(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_childNodes(IXMLDOMNodeList**) override { return E_NOTIMPL; }
    HRESULT get_firstChild(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_lastChild(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_previousSibling(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_nextSibling(IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_attributes(IXMLDOMNamedNodeMap**) override { return E_NOTIMPL; }
    HRESULT insertBefore(IXMLDOMNode*, VARIANT, IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT replaceChild(IXMLDOMNode*, IXMLDOMNode*, IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT removeChild(IXMLDOMNode*, IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT appendChild(IXMLDOMNode*, IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT hasChildNodes(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT get_ownerDocument(IXMLDOMDocument**) override { return E_NOTIMPL; }
    HRESULT cloneNode(VARIANT_BOOL, IXMLDOMNode**) override { return E_NOTIMPL; }
    HRESULT get_text(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_text(BSTR) override { return E_NOTIMPL; }
    HRESULT get_xml(BSTR*) override { return E_NOTIMPL; }
    HRESULT get_nodeTypedValue(VARIANT*) override { return E_NOTIMPL; }
    HRESULT put_nodeTypedValue(VARIANT) override { return E_NOTIMPL; }
    HRESULT get_dataType(VARIANT*) override { return E_NOTIMPL; }
    HRESULT put_dataType(BSTR) override { return E_NOTIMPL; }
    HRESULT selectNodes(BSTR, IXMLDOMNodeList**) override { return E_NOTIMPL; }
    HRESULT selectSingleNode(BSTR, IXMLDOMNode**) override { return E_NOTIMPL; }
};

// A production whose information says whether it is a slideshow.
class FakeProduction : public ComObject<FakeProduction, IKVEProductionData, IProductionInfo>
{
public:
    bool slideShow = false;

    HRESULT GetProductionObj(IUnknown** production) override;
    HRESULT GetMetaData(BSTR name, IXMLDOMNode** node) override;

    HRESULT GetNumberOfPanels(LONG*) override { return E_NOTIMPL; }
    HRESULT GetPanelBaseObject(LONG, IBaseObject**) override { return E_NOTIMPL; }
    HRESULT GetPanelAt(double, LONG*, IBaseObject**) override { return E_NOTIMPL; }
    HRESULT DeletePanel(LONG) override { return E_NOTIMPL; }
    HRESULT DeletePanels(const LONG*, LONG, BOOL) override { return E_NOTIMPL; }
    HRESULT LoadProduction(BSTR, LONG) override { return E_NOTIMPL; }
    HRESULT SaveAsProduction(BSTR) override { return E_NOTIMPL; }
    HRESULT GetSubProduction(BSTR, IUnknown**) override { return E_NOTIMPL; }
    HRESULT SetSubProduction(BSTR, IUnknown*) override { return E_NOTIMPL; }
    HRESULT GetObjectByID(LONG, IUnknown**) override { return E_NOTIMPL; }
    HRESULT GetMissingSourceFileNames(LONG, LONG, VARIANT_BOOL, VARIANT*) override
    {
        return E_NOTIMPL;
    }
    HRESULT GetAudioAt(LONG, double, IUnknown**) override { return E_NOTIMPL; }
    HRESULT GetEffectAt(LONG, double, IUnknown**) override { return E_NOTIMPL; }
    HRESULT Add3DSourceFiles(SAFEARRAY*, SAFEARRAY*, SAFEARRAY*, LONG, VARIANT_BOOL,
                             IUnknown**) override
    {
        return E_NOTIMPL;
    }
    HRESULT get_UseSourceAspectRatio(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_UseSourceAspectRatio(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT EnableUpdates(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT IsChanged(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT ClearChangeMark() override { return E_NOTIMPL; }
    HRESULT GetNumberOfAudios(LONG*) override { return E_NOTIMPL; }
    HRESULT GetAudioItem(LONG, IUnknown**) override { return E_NOTIMPL; }

    HRESULT get_AspectRatio(double*) override { return E_NOTIMPL; }
    HRESULT put_AspectRatio(double) override { return E_NOTIMPL; }
    HRESULT get_Duration(double*) override { return E_NOTIMPL; }
    HRESULT get_EditingFrameRate(double*) override { return E_NOTIMPL; }
    HRESULT put_EditingFrameRate(double) override { return E_NOTIMPL; }
    HRESULT get_Is3D(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT put_Is3D(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT SetMetaData(BSTR, IXMLDOMNode*) override { return E_NOTIMPL; }
};

class FakeProject;

// A title with its production; it knows its project without holding it, as the project
// holds its titles.
class FakeTitle : public FakeEncoding<FakeTitle, IDSTitle>
{
public:
    FakeProject* project = nullptr;
    CComPtr<FakeProduction> production = FakeProduction::Create();

    HRESULT GetProduction(IUnknown** out) override;
    HRESULT GetProject(IDSProjectData** out) override;

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
};

// What a project stores besides its encoding values.
struct ProjectValues
{
    DiscFormat format = DiscFormat_DVD;
    DiscSize size = SZ_None;
    TVStandard tv = TVStandard_NTSC;
    VARIANT_BOOL fitToDisc = VARIANT_FALSE;
    VARIANT_BOOL compression = VARIANT_FALSE;
};

class FakeProject : public FakeEncoding<FakeProject, IDSProjectData>
{
public:
    ProjectValues disc;
    std::vector<CComPtr<FakeTitle>> titles;

    // Appends a title with the given encoding values.
    FakeTitle& AppendTitle(const EncodingValues& titleValues);

    FAKE_PROPERTY(DiscFormat, DiscFormat, disc.format)
    FAKE_PROPERTY(DiscSize, DiscSize, disc.size)
    FAKE_PROPERTY(TVStandard, TVStandard, disc.tv)
    FAKE_PROPERTY(FitToDisc, VARIANT_BOOL, disc.fitToDisc)
    FAKE_PROPERTY(DoCompression, VARIANT_BOOL, disc.compression)
    HRESULT get_TitleCount(LONG* count) override;
    HRESULT get_Title(LONG index, IDSTitle** title) override;

    HRESULT get_Name(BSTR*) override { return E_NOTIMPL; }
    HRESULT put_Name(BSTR) override { return E_NOTIMPL; }
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

// A project of a disc format and TV standard whose master values are given.
CComPtr<FakeProject> MakeProject(DiscFormat format, TVStandard tv,
                                 const EncodingValues& master = {});

} // namespace encoding_test

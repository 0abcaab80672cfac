#include "EncodingParamsImpl.h"

#include "AttributeReader.h"
#include "AttributeWriter.h"
#include "PropertyAccess.h"
#include "XmlNodes.h"

#include "platform/Check.h"

namespace objectmodel {

HRESULT EncodingParamsImpl::get_AspectRatio(AspectRatio* value)
{
    return CopyOut(m_values.aspectRatio, value);
}

HRESULT EncodingParamsImpl::put_AspectRatio(AspectRatio value)
{
    return Store(m_values.aspectRatio, value);
}

HRESULT EncodingParamsImpl::get_VideoFormat(VideoFormat* value)
{
    return CopyOut(m_values.videoFormat, value);
}

HRESULT EncodingParamsImpl::put_VideoFormat(VideoFormat value)
{
    return Store(m_values.videoFormat, value);
}

HRESULT EncodingParamsImpl::get_VideoResolution(VideoResolution* value)
{
    return CopyOut(m_values.videoResolution, value);
}

HRESULT EncodingParamsImpl::put_VideoResolution(VideoResolution value)
{
    return Store(m_values.videoResolution, value);
}

HRESULT EncodingParamsImpl::get_VideoBitrate(LONG* value)
{
    return CopyOut(m_values.videoBitrate, value);
}

HRESULT EncodingParamsImpl::put_VideoBitrate(LONG value)
{
    return Store(m_values.videoBitrate, value);
}

HRESULT EncodingParamsImpl::get_AudioFormat(AudioFormat* value)
{
    return CopyOut(m_values.audioFormat, value);
}

HRESULT EncodingParamsImpl::put_AudioFormat(AudioFormat value)
{
    return Store(m_values.audioFormat, value);
}

HRESULT EncodingParamsImpl::get_AudioChannels(LONG* value)
{
    return CopyOut(m_values.audioChannels, value);
}

HRESULT EncodingParamsImpl::put_AudioChannels(LONG value)
{
    return Store(m_values.audioChannels, value);
}

HRESULT EncodingParamsImpl::get_AudioBitrate(LONG* value)
{
    return CopyOut(m_values.audioBitrate, value);
}

HRESULT EncodingParamsImpl::put_AudioBitrate(LONG value)
{
    return Store(m_values.audioBitrate, value);
}

HRESULT EncodingParamsImpl::get_SubpictureFormat(SubpictureFormat* value)
{
    return CopyOut(m_values.subpictureFormat, value);
}

HRESULT EncodingParamsImpl::put_SubpictureFormat(SubpictureFormat value)
{
    return Store(m_values.subpictureFormat, value);
}

HRESULT EncodingParamsImpl::get_TwoPassEncoding(VARIANT_BOOL* value)
{
    return CopyOut(m_values.twoPassEncoding, value);
}

HRESULT EncodingParamsImpl::put_TwoPassEncoding(VARIANT_BOOL value)
{
    return StoreSwitch(m_values.twoPassEncoding, value);
}

HRESULT EncodingParamsImpl::get_SyncToProject(VARIANT_BOOL* value)
{
    return CopyOut(m_values.syncToProject, value);
}

HRESULT EncodingParamsImpl::put_SyncToProject(VARIANT_BOOL value)
{
    return StoreSwitch(m_values.syncToProject, value);
}

HRESULT EncodingParamsImpl::WriteEncodingXml(IXMLDOMNode* parent)
{
    CComPtr<IXMLDOMElement> element;
    CHECK_HR(AppendElement(parent, L"Encoding", element));
    AttributeWriter writer(element);
    m_values.VisitFields(writer);
    return writer.Result();
}

HRESULT EncodingParamsImpl::ReadEncodingXml(IXMLDOMElement* element)
{
    EncodingValues values;
    AttributeReader reader(element);
    values.VisitFields(reader);
    CHECK_HR(reader.Result());
    m_values = values;
    return S_OK;
}

} // namespace objectmodel

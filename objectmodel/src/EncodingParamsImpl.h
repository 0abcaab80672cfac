// IDSEncodingParams for projects and titles, over stored EncodingValues.
#pragma once

#include "EncodingValues.h"
#include "PropertyStore.h"

#include "model/IDSEncodingParams.h"
#include "platform/Xml.h"

namespace objectmodel {

class EncodingParamsImpl : public IDSEncodingParams, protected PropertyStore
{
public:
    HRESULT get_AspectRatio(AspectRatio* value) override;
    HRESULT put_AspectRatio(AspectRatio value) override;
    HRESULT get_VideoFormat(VideoFormat* value) override;
    HRESULT put_VideoFormat(VideoFormat value) override;
    HRESULT get_VideoResolution(VideoResolution* value) override;
    HRESULT put_VideoResolution(VideoResolution value) override;
    HRESULT get_VideoBitrate(LONG* value) override;
    HRESULT put_VideoBitrate(LONG value) override;
    HRESULT get_AudioFormat(AudioFormat* value) override;
    HRESULT put_AudioFormat(AudioFormat value) override;
    HRESULT get_AudioChannels(LONG* value) override;
    HRESULT put_AudioChannels(LONG value) override;
    HRESULT get_AudioBitrate(LONG* value) override;
    HRESULT put_AudioBitrate(LONG value) override;
    HRESULT get_SubpictureFormat(SubpictureFormat* value) override;
    HRESULT put_SubpictureFormat(SubpictureFormat value) override;
    HRESULT get_TwoPassEncoding(VARIANT_BOOL* value) override;
    HRESULT put_TwoPassEncoding(VARIANT_BOOL value) override;
    HRESULT get_SyncToProject(VARIANT_BOOL* value) override;
    HRESULT put_SyncToProject(VARIANT_BOOL value) override;

    const EncodingValues& Encoding() const { return m_values; }
    void SetEncoding(const EncodingValues& values) { m_values = values; }

    // Appends an "Encoding" element holding the values to parent.
    HRESULT WriteEncodingXml(IXMLDOMNode* parent);
    // Replaces the values by those of an "Encoding" element; unchanged on failure.
    HRESULT ReadEncodingXml(IXMLDOMElement* element);

protected:
    ~EncodingParamsImpl() = default;

private:
    EncodingValues m_values;
};

} // namespace objectmodel

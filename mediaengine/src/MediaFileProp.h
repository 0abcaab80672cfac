// The properties of one media file, probed from its contents when the file is set.
#pragma once

#include "MediaProbe.h"

#include "model/KVGMediaFileProp.h"

#include "platform/ComObject.h"

#include <string>

class MediaFileProp : public ComObject<MediaFileProp, IKVGMediaFileProp>
{
public:
    HRESULT SetFile(BSTR file) override;
    HRESULT GetVideoInfoEx(LONG stream, LONG flags, KVGVideoInfo* info) override;
    HRESULT CanReadFile(LONG* reason) override;
    HRESULT CanEditFile(LONG* reason) override;
    HRESULT IsSmartAudio(VARIANT_BOOL* smart) override;

private:
    friend ComObject<MediaFileProp, IKVGMediaFileProp>;
    MediaFileProp() = default;

    void ProbeProductionFile(const std::wstring& path);
    HRESULT EditReason() const;

    bool m_set = false;
    MediaInfo m_info;
    bool m_smartAudio = false;
    bool m_production = false;
};

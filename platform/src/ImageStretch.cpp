#include "platform/AvHandles.h"
#include "platform/Image.h"

#include <algorithm>
#include <cstring>

HRESULT StretchImage(const BgraImage& source, int width, int height, BgraImage& result)
{
    if (source.Empty())
        return E_INVALIDARG;
    BgraImage stretched;
    HRESULT hr = BgraImage::Create(width, height, 0, stretched);
    if (FAILED(hr))
        return hr;
    if (width == source.Width() && height == source.Height()) {
        std::memcpy(stretched.Data(), source.Data(), source.ByteSize());
        result = std::move(stretched);
        return S_OK;
    }
    int flags = SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT | SWS_FULL_CHR_H_INP;
    SwsContextPtr scaler(sws_getContext(source.Width(), source.Height(), AV_PIX_FMT_BGRA, width,
                                        height, AV_PIX_FMT_BGRA, flags, nullptr, nullptr, nullptr));
    if (!scaler)
        return E_FAIL;
    const uint8_t* from[4] = {source.Data(), nullptr, nullptr, nullptr};
    int fromStrides[4] = {int(source.Stride()), 0, 0, 0};
    uint8_t* to[4] = {stretched.Data(), nullptr, nullptr, nullptr};
    int toStrides[4] = {int(stretched.Stride()), 0, 0, 0};
    if (sws_scale(scaler.get(), from, fromStrides, 0, source.Height(), to, toStrides) <= 0)
        return E_FAIL;
    result = std::move(stretched);
    return S_OK;
}

HRESULT StretchImageInto(const BgraImage& source, BgraImage& destination, const RECT& target)
{
    BgraImage stretched;
    HRESULT hr =
        StretchImage(source, target.right - target.left, target.bottom - target.top, stretched);
    if (FAILED(hr))
        return hr;
    int left = std::max<LONG>(target.left, 0);
    int right = std::min<LONG>(target.right, destination.Width());
    for (int y = std::max<LONG>(target.top, 0);
         y < std::min<LONG>(target.bottom, destination.Height()); ++y) {
        if (right <= left)
            break;
        const BYTE* from = stretched.Row(y - target.top) + size_t(left - target.left) * 4;
        std::memcpy(destination.Row(y) + size_t(left) * 4, from, size_t(right - left) * 4);
    }
    return S_OK;
}

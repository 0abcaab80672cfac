#include "platform/AvVideoInput.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/FileReplace.h"
#include "platform/Image.h"
#include "platform/NativePath.h"
#include "platform/StringConv.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <filesystem>
#include <string>

namespace {

struct Encoding
{
    AVCodecID codec;
    AVPixelFormat format;
};

std::wstring LowerExtension(const std::wstring& path)
{
    std::wstring extension = PathExtension(path);
    for (wchar_t& c : extension)
        c = ToLowerChar(c);
    return extension;
}

bool EncodingForExtension(const std::wstring& extension, Encoding& encoding)
{
    if (extension == L".png")
        encoding = {AV_CODEC_ID_PNG, AV_PIX_FMT_RGBA};
    else if (extension == L".jpg" || extension == L".jpeg")
        encoding = {AV_CODEC_ID_MJPEG, AV_PIX_FMT_YUVJ420P};
    else if (extension == L".bmp")
        encoding = {AV_CODEC_ID_BMP, AV_PIX_FMT_BGRA};
    else if (extension == L".tif" || extension == L".tiff")
        encoding = {AV_CODEC_ID_TIFF, AV_PIX_FMT_RGBA};
    else if (extension == L".tga")
        encoding = {AV_CODEC_ID_TARGA, AV_PIX_FMT_BGRA};
    else
        return false;
    return true;
}

HRESULT DecodeFirstPicture(const std::wstring& path, BgraImage& image)
{
    AvVideoInput input;
    HRESULT hr = input.Open(path);
    if (FAILED(hr))
        return hr;
    AvFramePtr frame = MakeAvFrame();
    hr = input.DecodeNext(frame.get());
    if (hr != S_OK)
        return FAILED(hr) ? hr : E_IMAGE_UNREADABLE;
    return ImageFromAvFrame(*frame, 0, 0, image);
}

// A frame of the encoder's pixel format holding the picture; the JPEG format is full range.
HRESULT FrameFromImage(const BgraImage& image, AVPixelFormat format, AvFramePtr& frame)
{
    frame = MakeAvFrame();
    frame->format = format;
    frame->width = image.Width();
    frame->height = image.Height();
    if (av_frame_get_buffer(frame.get(), 0) < 0)
        return E_OUTOFMEMORY;
    bool full = format == AV_PIX_FMT_YUVJ420P;
    AVPixelFormat target = full ? AV_PIX_FMT_YUV420P : format;
    SwsContextPtr scaler(sws_getContext(image.Width(), image.Height(), AV_PIX_FMT_BGRA,
                                        image.Width(), image.Height(), target,
                                        SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
    if (!scaler)
        return E_IMAGE_NO_ENCODER;
    const int* coefficients = sws_getCoefficients(SWS_CS_DEFAULT);
    sws_setColorspaceDetails(scaler.get(), coefficients, 1, coefficients, full ? 1 : 0, 0, 1 << 16,
                             1 << 16);
    const uint8_t* planes[4] = {image.Data(), nullptr, nullptr, nullptr};
    int strides[4] = {int(image.Stride()), 0, 0, 0};
    sws_scale(scaler.get(), planes, strides, 0, image.Height(), frame->data, frame->linesize);
    return S_OK;
}

HRESULT OpenEncoder(const Encoding& encoding, const BgraImage& image, AvCodecContextPtr& codec)
{
    const AVCodec* encoder = avcodec_find_encoder(encoding.codec);
    if (!encoder)
        return E_IMAGE_NO_ENCODER;
    codec.reset(avcodec_alloc_context3(encoder));
    if (!codec)
        return E_OUTOFMEMORY;
    codec->width = image.Width();
    codec->height = image.Height();
    codec->pix_fmt = encoding.format;
    codec->time_base = {1, 25};
    codec->thread_count = 1;
    // Predicting each byte from its neighbours makes pictures of menus and video frames some
    // fifteen times smaller and their compression faster than FFmpeg's default of none.
    if (encoding.codec == AV_CODEC_ID_PNG)
        av_opt_set(codec->priv_data, "pred", "paeth", 0);
    if (encoding.codec == AV_CODEC_ID_MJPEG) {
        // A fixed fine quantiser: stills are looked at closely.
        codec->flags |= AV_CODEC_FLAG_QSCALE;
        codec->global_quality = FF_QP2LAMBDA * 2;
        codec->color_range = AVCOL_RANGE_JPEG;
    }
    int error = avcodec_open2(codec.get(), encoder, nullptr);
    return error < 0 ? HResultFromAvError(error) : S_OK;
}

HRESULT EncodePicture(const BgraImage& image, const Encoding& encoding, std::string& bytes)
{
    AvCodecContextPtr codec;
    HRESULT hr = OpenEncoder(encoding, image, codec);
    if (FAILED(hr))
        return hr;
    AvFramePtr frame;
    hr = FrameFromImage(image, encoding.format, frame);
    if (FAILED(hr))
        return hr;
    frame->quality = codec->global_quality;
    int error = avcodec_send_frame(codec.get(), frame.get());
    if (error >= 0)
        error = avcodec_send_frame(codec.get(), nullptr);
    AvPacketPtr packet = MakeAvPacket();
    while (error >= 0 && (error = avcodec_receive_packet(codec.get(), packet.get())) >= 0) {
        bytes.append(reinterpret_cast<const char*>(packet->data), size_t(packet->size));
        av_packet_unref(packet.get());
    }
    if (error != AVERROR_EOF)
        return HResultFromAvError(error);
    return bytes.empty() ? E_FAIL : S_OK;
}

std::string Describe(const char* what, const std::wstring& path)
{
    return std::string(what) + " \"" + WideToUtf8(path) + "\"";
}

} // namespace

HRESULT LoadImageFile(const std::wstring& path, BgraImage& image)
{
    KVUClearErrorStack();
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(NativePath(path), ignored)) {
        LOG_HR(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), Describe("LoadImageFile", path).c_str());
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    }
    HRESULT hr = DecodeFirstPicture(path, image);
    CHECK_HR_TEXT(hr, Describe("DecodeFirstPicture", path).c_str());
    return S_OK;
}

HRESULT SaveImageFile(const BgraImage& image, const std::wstring& path)
{
    KVUClearErrorStack();
    if (image.Empty())
        return E_INVALIDARG;
    Encoding encoding;
    if (!EncodingForExtension(LowerExtension(path), encoding)) {
        LOG_HR(E_IMAGE_NO_ENCODER, Describe("EncodingForExtension", path).c_str());
        return E_IMAGE_NO_ENCODER;
    }
    std::string bytes;
    CHECK_HR_TEXT(EncodePicture(image, encoding, bytes), Describe("EncodePicture", path).c_str());
    CHECK_HR_TEXT(WriteFileReplacing(path, bytes), Describe("WriteFileReplacing", path).c_str());
    return S_OK;
}

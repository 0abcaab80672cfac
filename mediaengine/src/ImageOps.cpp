#include "ImageOps.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

BYTE Mix(BYTE a, BYTE b, unsigned weight)
{
    return BYTE((a * (256 - weight) + b * weight + 128) >> 8);
}

// The colour of a picture at a fractional position, 0 outside it.
DWORD SampleBilinear(const BgraImage& picture, double x, double y)
{
    int x0 = int(std::floor(x));
    int y0 = int(std::floor(y));
    double fx = x - x0;
    double fy = y - y0;
    double channels[4] = {};
    for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
            double weight = (dx ? fx : 1.0 - fx) * (dy ? fy : 1.0 - fy);
            DWORD pixel = picture.PixelAt(x0 + dx, y0 + dy);
            double alpha = (pixel >> 24) * weight;
            // Colours are weighted by their alpha so that transparent neighbours add no fringe.
            for (int c = 0; c < 3; ++c)
                channels[c] += ((pixel >> (8 * c)) & 0xFF) * alpha;
            channels[3] += alpha;
        }
    }
    if (channels[3] <= 0.0)
        return 0;
    DWORD result = DWORD(std::lround(channels[3])) << 24;
    for (int c = 0; c < 3; ++c)
        result |= DWORD(std::lround(channels[c] / channels[3])) << (8 * c);
    return result;
}

} // namespace

HRESULT CropImage(const BgraImage& source, const RECT& part, BgraImage& result)
{
    int left = std::clamp<int>(part.left, 0, source.Width());
    int top = std::clamp<int>(part.top, 0, source.Height());
    int right = std::clamp<int>(part.right, left, source.Width());
    int bottom = std::clamp<int>(part.bottom, top, source.Height());
    BgraImage cropped;
    HRESULT hr = BgraImage::Create(right - left, bottom - top, 0, cropped);
    if (FAILED(hr))
        return hr;
    for (int y = top; y < bottom; ++y)
        std::memcpy(cropped.Row(y - top), source.Row(y) + size_t(left) * 4, cropped.Stride());
    result = std::move(cropped);
    return S_OK;
}

BgraImage RotateQuarterTurns(const BgraImage& source, LONG degrees)
{
    degrees = ((degrees % 360) + 360) % 360;
    bool sideways = degrees == 90 || degrees == 270;
    int width = sideways ? source.Height() : source.Width();
    int height = sideways ? source.Width() : source.Height();
    BgraImage turned(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sx = x, sy = y;
            if (degrees == 90) {
                sx = y;
                sy = source.Height() - 1 - x;
            } else if (degrees == 180) {
                sx = source.Width() - 1 - x;
                sy = source.Height() - 1 - y;
            } else if (degrees == 270) {
                sx = source.Width() - 1 - y;
                sy = x;
            }
            turned.SetPixel(x, y, source.PixelAt(sx, sy));
        }
    }
    return turned;
}

RECT FitInside(int width, int height, double pictureAspect, double frameAspect)
{
    if (!(pictureAspect > 0.0) || !(frameAspect > 0.0))
        return {0, 0, width, height};
    if (pictureAspect >= frameAspect) {
        int shown = std::max(1, int(std::lround(height * frameAspect / pictureAspect)));
        int top = (height - shown) / 2;
        return {0, top, width, top + shown};
    }
    int shown = std::max(1, int(std::lround(width * pictureAspect / frameAspect)));
    int left = (width - shown) / 2;
    return {left, 0, left + shown, height};
}

void DissolveInto(BgraImage& frame, const BgraImage& other, double progress)
{
    unsigned weight = unsigned(std::lround(std::clamp(progress, 0.0, 1.0) * 256));
    BYTE* to = frame.Data();
    const BYTE* from = other.Data();
    for (size_t i = 0; i < frame.ByteSize(); ++i)
        to[i] = Mix(to[i], from[i], weight);
}

void FadeThroughBlackInto(BgraImage& frame, const BgraImage& other, double progress)
{
    progress = std::clamp(progress, 0.0, 1.0);
    // The picture on screen and how bright it still is.
    double brightness = progress < 0.5 ? 1.0 - 2.0 * progress : 2.0 * progress - 1.0;
    if (progress >= 0.5)
        std::memcpy(frame.Data(), other.Data(), frame.ByteSize());
    unsigned weight = unsigned(std::lround(brightness * 256));
    BYTE* pixel = frame.Data();
    for (size_t i = 0; i < frame.ByteSize(); i += 4) {
        for (size_t c = 0; c < 3; ++c)
            pixel[i + c] = Mix(0, pixel[i + c], weight);
    }
}

void WipeInto(BgraImage& frame, const BgraImage& other, double progress, WipeDirection direction)
{
    progress = std::clamp(progress, 0.0, 1.0);
    if (direction == WipeDirection::TopToBottom) {
        int rows = int(std::lround(progress * frame.Height()));
        std::memcpy(frame.Data(), other.Data(), frame.Stride() * size_t(rows));
        return;
    }
    size_t columns = size_t(std::lround(progress * frame.Width()));
    for (int y = 0; y < frame.Height(); ++y)
        std::memcpy(frame.Row(y), other.Row(y), columns * 4);
}

void ApplyAlphaMask(BgraImage& picture, const BgraImage& mask)
{
    for (int y = 0; y < picture.Height(); ++y) {
        BYTE* row = picture.Row(y);
        const BYTE* masks = mask.Row(y);
        for (int x = 0; x < picture.Width(); ++x) {
            const BYTE* m = masks + size_t(x) * 4;
            unsigned brightness = (m[2] * 77u + m[1] * 150u + m[0] * 29u) >> 8;
            unsigned opacity = brightness * m[3] / 255;
            row[x * 4 + 3] = BYTE((row[x * 4 + 3] * opacity + 127) / 255);
        }
    }
}

void BlendOver(BgraImage& frame, const BgraImage& picture, int left, int top)
{
    int x0 = std::max(0, left);
    int x1 = std::min(frame.Width(), left + picture.Width());
    for (int y = std::max(0, top); y < std::min(frame.Height(), top + picture.Height()); ++y) {
        BYTE* to = frame.Row(y);
        const BYTE* from = picture.Row(y - top);
        for (int x = x0; x < x1; ++x) {
            DWORD pixel;
            std::memcpy(&pixel, from + size_t(x - left) * 4, 4);
            BlendPixelOver(to + size_t(x) * 4, pixel, 255);
        }
    }
}

void BlendRotated(BgraImage& frame, const BgraImage& picture, double centreX, double centreY,
                  double degrees)
{
    double radians = degrees * std::numbers::pi / 180.0;
    double c = std::cos(radians);
    double s = std::sin(radians);
    double halfW = picture.Width() / 2.0;
    double halfH = picture.Height() / 2.0;
    double reach = std::hypot(halfW, halfH) + 1.0;
    auto within = [](double position, int side) {
        return std::isnan(position) ? 0 : int(std::clamp(position, 0.0, double(side)));
    };
    int x0 = within(centreX - reach, frame.Width());
    int x1 = within(centreX + reach + 1.0, frame.Width());
    int y0 = within(centreY - reach, frame.Height());
    int y1 = within(centreY + reach + 1.0, frame.Height());
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            // Turning the frame position back by the angle finds it in the picture.
            double dx = x + 0.5 - centreX;
            double dy = y + 0.5 - centreY;
            double px = dx * c + dy * s + halfW - 0.5;
            double py = -dx * s + dy * c + halfH - 0.5;
            if (px < -1.0 || py < -1.0 || px > picture.Width() || py > picture.Height())
                continue;
            BlendPixelOver(frame.Row(y) + size_t(x) * 4, SampleBilinear(picture, px, py), 255);
        }
    }
}

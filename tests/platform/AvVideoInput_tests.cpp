#include "platform/AvVideoInput.h"

#include "support/ColourCheck.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kBlue = 0xFF0000FF;

// A decoded frame of one colour in a pixel format of FFmpeg's.
AvFramePtr FrameOf(AVPixelFormat format, int width, int height, DWORD argb)
{
    BgraImage picture;
    EXPECT_EQ(S_OK, BgraImage::Create(width, height, argb, picture));
    AvFramePtr frame = MakeAvFrame();
    frame->format = format;
    frame->width = width;
    frame->height = height;
    EXPECT_GE(av_frame_get_buffer(frame.get(), 0), 0);
    SwsContextPtr scaler(sws_getContext(width, height, AV_PIX_FMT_BGRA, width, height, format,
                                        SWS_POINT, nullptr, nullptr, nullptr));
    const uint8_t* planes[4] = {picture.Data(), nullptr, nullptr, nullptr};
    int strides[4] = {int(picture.Stride()), 0, 0, 0};
    sws_scale(scaler.get(), planes, strides, 0, height, frame->data, frame->linesize);
    return frame;
}

BgraImage Blue(int width, int height)
{
    BgraImage image;
    EXPECT_EQ(S_OK, BgraImage::Create(width, height, kBlue, image));
    return image;
}

// The fast conversion of a frame to its own size writes whole vectors of 8 pixels; a
// rectangle narrower than the picture must still leave every pixel beside it as it was.
TEST(DrawAvFrameInto, NarrowRectangleLeavesItsNeighboursAlone)
{
    AvFramePtr frame = FrameOf(AV_PIX_FMT_YUV420P, 36, 50, 0xFFFF0000);
    BgraImage image = Blue(100, 60);
    RECT target{13, 5, 13 + 36, 55};
    ASSERT_EQ(S_OK, DrawAvFrameInto(*frame, image, target, FrameScaling::Fast));
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 100; ++x) {
            bool inside =
                x >= target.left && x < target.right && y >= target.top && y < target.bottom;
            if (inside)
                EXPECT_COLOUR_NEAR(0xFFFF0000u, image.PixelAt(x, y), 8) << x << "," << y;
            else
                EXPECT_EQ(kBlue, image.PixelAt(x, y)) << x << "," << y;
        }
    }
}

TEST(DrawAvFrameInto, FullWidthRectangleKeepsTheRowsAboveAndBelow)
{
    AvFramePtr frame = FrameOf(AV_PIX_FMT_YUV420P, 64, 48, 0xFF00FF00);
    BgraImage image = Blue(72, 40);
    ASSERT_EQ(S_OK, DrawAvFrameInto(*frame, image, RECT{0, 5, 72, 35}, FrameScaling::Fast));
    EXPECT_EQ(kBlue, image.PixelAt(71, 4));
    EXPECT_COLOUR_NEAR(0xFF00FF00u, image.PixelAt(0, 5), 8);
    EXPECT_COLOUR_NEAR(0xFF00FF00u, image.PixelAt(71, 34), 8);
    EXPECT_EQ(kBlue, image.PixelAt(0, 35));
    // Rows that end short of a step of the vector code are converted to their last pixel.
    AvFramePtr narrow = FrameOf(AV_PIX_FMT_YUV420P, 36, 30, 0xFF00FF00);
    BgraImage same = Blue(36, 40);
    ASSERT_EQ(S_OK, DrawAvFrameInto(*narrow, same, RECT{0, 5, 36, 35}, FrameScaling::Fast));
    EXPECT_COLOUR_NEAR(0xFF00FF00u, same.PixelAt(35, 5), 8);
    EXPECT_COLOUR_NEAR(0xFF00FF00u, same.PixelAt(35, 34), 8);
    EXPECT_EQ(kBlue, same.PixelAt(35, 35));
}

TEST(DrawAvFrameInto, FrameWithAlphaIsLaidOverThePicture)
{
    AvFramePtr frame = FrameOf(AV_PIX_FMT_RGBA, 8, 8, 0x80FF0000);
    BgraImage image = Blue(8, 8);
    ASSERT_EQ(S_OK, DrawAvFrameInto(*frame, image, RECT{0, 0, 8, 8}, FrameScaling::Fine));
    EXPECT_COLOUR_NEAR(0xFF80007Fu, image.PixelAt(4, 4), 2);
}

TEST(DrawAvFrameInto, RectangleMustLieInsideThePicture)
{
    AvFramePtr frame = FrameOf(AV_PIX_FMT_YUV420P, 16, 16, 0xFFFFFFFF);
    BgraImage image = Blue(16, 16);
    for (RECT outside : {RECT{-1, 0, 8, 8}, RECT{0, 0, 17, 8}, RECT{4, 4, 4, 8}})
        EXPECT_EQ(E_INVALIDARG, DrawAvFrameInto(*frame, image, outside, FrameScaling::Fast));
    EXPECT_EQ(kBlue, image.PixelAt(0, 0));
}

} // namespace

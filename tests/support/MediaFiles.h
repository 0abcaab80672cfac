// Media made in a test's scratch folder: clips whose frames are told apart by colour, and
// pictures of one colour.
#pragma once

#include "support/ClipWriter.h"
#include "support/ScratchFolder.h"

#include "platform/Image.h"

#include <gtest/gtest.h>

#include <string>

inline std::wstring MakeClip(const ScratchFolder& folder, const char* name,
                             const ClipShape& shape = ClipShape())
{
    std::wstring path = folder.File(name);
    EXPECT_EQ(S_OK, WriteColourClip(path, shape));
    return path;
}

// A clip of frameCount frames of that size and pixel shape.
inline std::wstring MakeClip(const ScratchFolder& folder, const char* name, int width, int height,
                             int frameCount, int pixelWidth = 1, int pixelHeight = 1)
{
    ClipShape shape;
    shape.width = width;
    shape.height = height;
    shape.frameCount = frameCount;
    shape.pixelWidth = pixelWidth;
    shape.pixelHeight = pixelHeight;
    return MakeClip(folder, name, shape);
}

inline std::wstring MakePicture(const ScratchFolder& folder, const char* name, int width,
                                int height, DWORD argb)
{
    BgraImage picture;
    EXPECT_EQ(S_OK, BgraImage::Create(width, height, argb, picture));
    std::wstring path = folder.File(name);
    EXPECT_EQ(S_OK, SaveImageFile(picture, path));
    return path;
}

// Saving the library's pictures: through the encoder the file's extension chooses, with the
// raw bitmap writer as the fallback of subpicture files, and the letterbox form of a picture.
#pragma once

#include "platform/Image.h"

#include <string>

// Writes a picture to a file; the image layer's SaveImageFile unless a caller (a test) gives
// another.
using PictureEncoder = HRESULT (*)(const BgraImage& image, const std::wstring& path);

// Saves with the encoder. When that fails, a file whose extension is ".bmp" in any case is
// written as a raw 32-bit bitmap, and so is a file whose name starts with "MenuSPU", with
// ".BMP" appended to its name; *pWritten (optional) receives the path written. When the raw
// writer cannot help or fails too, the encoder's failure is returned.
HRESULT SavePicture(const BgraImage& image, const std::wstring& path,
                    std::wstring* pWritten = nullptr, PictureEncoder encode = SaveImageFile);

// The picture squeezed to three quarters of its height, starting at row height / 8, between
// transparent bands. Rows are taken whole, without blending, so that a picture of a few
// colours (a subpicture) keeps exactly those colours.
BgraImage LetterboxOf(const BgraImage& image);

// The name of the letterbox picture of a file: "_ltrbx" before the extension, or with
// attempt > 0, "_ltrbx1", "_ltrbx2" ….
std::wstring LetterboxName(const std::wstring& path, int attempt);

// Saves LetterboxOf(image) like SavePicture under the first letterbox name that no file has
// or whose file can be deleted, and hands out the path written.
HRESULT SaveLetterbox(const BgraImage& image, const std::wstring& path, std::wstring& written,
                      PictureEncoder encode = SaveImageFile);

// Text drawn into BGRA pictures with FreeType, in a font that fontconfig finds for a family
// name ("sans" by default).
#pragma once

#include "platform/Image.h"

#include <memory>
#include <string>
#include <string_view>

// Placement flags, with the values of the desktop platform's DrawText.
inline constexpr UINT DT_TOP = 0x00;
inline constexpr UINT DT_LEFT = 0x00;
inline constexpr UINT DT_CENTER = 0x01;
inline constexpr UINT DT_RIGHT = 0x02;
inline constexpr UINT DT_VCENTER = 0x04;
inline constexpr UINT DT_BOTTOM = 0x08;
inline constexpr UINT DT_WORDBREAK = 0x10;
inline constexpr UINT DT_SINGLELINE = 0x20;

struct TextFont
{
    std::wstring family = L"sans";
    // The em size in pixels.
    double pixelSize = 16.0;
    bool bold = false;
    bool italic = false;
};

class TextRenderer
{
public:
    TextRenderer();
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // Draws text into box, clipped to the box and the picture, in a colour 0xAARRGGBB. Lines
    // break at '\n' (not with DT_SINGLELINE) and, with DT_WORDBREAK, between words so that
    // each fits the box's width. The flags place the block of lines in the box. E_FAIL when
    // no font is found for the family.
    HRESULT DrawText(BgraImage& image, std::wstring_view text, const RECT& box,
                     const TextFont& font, DWORD argb, UINT format);

    // The width and height the text would take when drawn with DrawText into a box maxWidth
    // pixels wide.
    HRESULT MeasureText(std::wstring_view text, const TextFont& font, int maxWidth, UINT format,
                        SIZE& size);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

#include "platform/TextRenderer.h"

#include "FontLocator.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

// A laid-out block: its lines and the face's vertical metrics in pixels.
struct TextBlock
{
    std::vector<std::wstring> lines;
    std::vector<int> widths;
    int lineHeight = 0;
    int ascender = 0;
};

long Kerning(FT_Face face, FT_UInt previous, FT_UInt glyph)
{
    FT_Vector kerning{0, 0};
    if (previous && FT_HAS_KERNING(face) &&
        FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kerning) == 0)
        return kerning.x;
    return 0;
}

// The advance from the previous glyph to this one in 26.6 fixed point, kerning included.
long Advance(FT_Face face, FT_UInt previous, FT_UInt glyph)
{
    long advance = Kerning(face, previous, glyph);
    if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) == 0)
        advance += face->glyph->advance.x;
    return advance;
}

int LineWidth(FT_Face face, std::wstring_view line)
{
    long width = 0;
    FT_UInt previous = 0;
    for (wchar_t c : line) {
        FT_UInt glyph = FT_Get_Char_Index(face, FT_ULong(c));
        width += Advance(face, previous, glyph);
        previous = glyph;
    }
    return int((width + 63) >> 6);
}

std::vector<std::wstring> SplitParagraphs(std::wstring_view text, bool singleLine)
{
    std::vector<std::wstring> paragraphs(1);
    for (wchar_t c : text) {
        if (c == L'\n' && !singleLine)
            paragraphs.emplace_back();
        else if (c != L'\r' && c != L'\n')
            paragraphs.back() += c;
    }
    return paragraphs;
}

// Breaks one paragraph between words so that each line fits maxWidth; a word wider than the
// box stands on a line of its own.
void WrapParagraph(FT_Face face, const std::wstring& paragraph, int maxWidth,
                   std::vector<std::wstring>& lines)
{
    std::wstring line;
    size_t start = 0;
    while (start <= paragraph.size()) {
        size_t end = std::min(paragraph.find(L' ', start), paragraph.size());
        std::wstring word = paragraph.substr(start, end - start);
        std::wstring candidate = line.empty() ? word : line + L' ' + word;
        if (!line.empty() && LineWidth(face, candidate) > maxWidth) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        start = end + 1;
    }
    lines.push_back(line);
}

TextBlock LayOut(FT_Face face, std::wstring_view text, int maxWidth, UINT format)
{
    TextBlock block;
    for (const std::wstring& paragraph : SplitParagraphs(text, format & DT_SINGLELINE)) {
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE))
            WrapParagraph(face, paragraph, maxWidth, block.lines);
        else
            block.lines.push_back(paragraph);
    }
    for (const std::wstring& line : block.lines)
        block.widths.push_back(LineWidth(face, line));
    block.lineHeight = int((face->size->metrics.height + 63) >> 6);
    block.ascender = int((face->size->metrics.ascender + 63) >> 6);
    return block;
}

void BlendGlyph(BgraImage& image, const FT_Bitmap& bitmap, int left, int top, const RECT& clip,
                DWORD argb)
{
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
        return;
    for (int row = 0; row < int(bitmap.rows); ++row) {
        int y = top + row;
        if (y < clip.top || y >= clip.bottom)
            continue;
        const unsigned char* coverage = bitmap.buffer + row * bitmap.pitch;
        for (int column = 0; column < int(bitmap.width); ++column) {
            int x = left + column;
            if (x >= clip.left && x < clip.right && coverage[column])
                BlendPixelOver(image.Row(y) + size_t(x) * 4, argb, coverage[column]);
        }
    }
}

void DrawLine(FT_Face face, BgraImage& image, std::wstring_view line, int x, int baseline,
              const RECT& clip, DWORD argb)
{
    long pen = long(x) << 6;
    FT_UInt previous = 0;
    for (wchar_t c : line) {
        FT_UInt glyph = FT_Get_Char_Index(face, FT_ULong(c));
        pen += Kerning(face, previous, glyph);
        previous = glyph;
        if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        BlendGlyph(image, slot->bitmap, int(pen >> 6) + slot->bitmap_left,
                   baseline - slot->bitmap_top, clip, argb);
        pen += slot->advance.x;
    }
}

int BlockTop(const RECT& box, int height, UINT format)
{
    if (format & DT_BOTTOM)
        return box.bottom - height;
    if (format & DT_VCENTER)
        return box.top + (box.bottom - box.top - height) / 2;
    return box.top;
}

int LineLeft(const RECT& box, int width, UINT format)
{
    if (format & DT_RIGHT)
        return box.right - width;
    if (format & DT_CENTER)
        return box.left + (box.right - box.left - width) / 2;
    return box.left;
}

RECT Intersect(const RECT& box, const BgraImage& image)
{
    return {std::max<LONG>(box.left, 0), std::max<LONG>(box.top, 0),
            std::min<LONG>(box.right, image.Width()), std::min<LONG>(box.bottom, image.Height())};
}

} // namespace

struct TextRenderer::Impl
{
    FT_Library library = nullptr;
    FontLocator fonts;
    // Faces by file, and the file fontconfig chose for each family, weight and slant asked.
    std::map<std::string, FT_Face> faces;
    std::map<std::wstring, FontFile> located;

    Impl() { FT_Init_FreeType(&library); }
    ~Impl()
    {
        for (auto& entry : faces)
            FT_Done_Face(entry.second);
        if (library)
            FT_Done_FreeType(library);
    }

    bool Locate(const TextFont& font, FontFile& file)
    {
        std::wstring key = font.family + (font.bold ? L"|b" : L"|") + (font.italic ? L"i" : L"");
        auto found = located.find(key);
        if (found == located.end()) {
            if (!fonts.Locate(font.family, font.bold, font.italic, file))
                return false;
            found = located.emplace(key, file).first;
        }
        file = found->second;
        return true;
    }

    // The face for a font at its pixel size; null when none can be opened.
    FT_Face FaceFor(const TextFont& font)
    {
        FontFile file;
        if (!library || !Locate(font, file))
            return nullptr;
        std::string key = file.path + "#" + std::to_string(file.faceIndex);
        auto found = faces.find(key);
        if (found == faces.end()) {
            FT_Face face = nullptr;
            if (FT_New_Face(library, file.path.c_str(), file.faceIndex, &face) != 0)
                return nullptr;
            found = faces.emplace(key, face).first;
        }
        FT_UInt size = FT_UInt(std::clamp(std::lround(font.pixelSize), 1L, 4096L));
        if (FT_Set_Pixel_Sizes(found->second, 0, size) != 0)
            return nullptr;
        return found->second;
    }
};

TextRenderer::TextRenderer() : m_impl(std::make_unique<Impl>()) {}

TextRenderer::~TextRenderer() = default;

HRESULT TextRenderer::DrawText(BgraImage& image, std::wstring_view text, const RECT& box,
                               const TextFont& font, DWORD argb, UINT format)
{
    FT_Face face = m_impl->FaceFor(font);
    if (!face)
        return E_FAIL;
    TextBlock block = LayOut(face, text, box.right - box.left, format);
    RECT clip = Intersect(box, image);
    int top = BlockTop(box, block.lineHeight * int(block.lines.size()), format);
    for (size_t i = 0; i < block.lines.size(); ++i) {
        int baseline = top + block.lineHeight * int(i) + block.ascender;
        DrawLine(face, image, block.lines[i], LineLeft(box, block.widths[i], format), baseline,
                 clip, argb);
    }
    return S_OK;
}

HRESULT TextRenderer::MeasureText(std::wstring_view text, const TextFont& font, int maxWidth,
                                  UINT format, SIZE& size)
{
    FT_Face face = m_impl->FaceFor(font);
    if (!face)
        return E_FAIL;
    TextBlock block = LayOut(face, text, maxWidth, format);
    size.cx =
        block.widths.empty() ? 0 : *std::max_element(block.widths.begin(), block.widths.end());
    size.cy = block.lineHeight * LONG(block.lines.size());
    return S_OK;
}

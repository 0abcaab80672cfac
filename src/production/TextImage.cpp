#include "dsutils/DSProductionUtils.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/Image.h"
#include "platform/TextRenderer.h"

#include <algorithm>
#include <string>

namespace {

constexpr DWORD kBlack = 0xFF000000;
constexpr DWORD kWhite = 0xFFFFFFFF;
// Text takes a twelfth of the picture's height, but stays readable on small pictures.
constexpr int kLinesPerHeight = 12;
constexpr int kSmallestText = 12;

// Placements of the three lines: top and centred; centred on one line; bottom and centred on
// one line.
constexpr UINT kTopLine = DT_CENTER;
constexpr UINT kMiddleLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kBottomLine = DT_CENTER | DT_BOTTOM | DT_SINGLELINE;

DWORD ArgbOfColorref(DWORD crColour)
{
    return MakeArgb(255, GetRValue(crColour), GetGValue(crColour), GetBValue(crColour));
}

// Black on a light fill, white on a dark one.
DWORD TextColourOn(DWORD crColour)
{
    int luma = 299 * GetRValue(crColour) + 587 * GetGValue(crColour) + 114 * GetBValue(crColour);
    return luma >= 128 * 1000 ? kBlack : kWhite;
}

HRESULT DrawLine(TextRenderer& text, BgraImage& image, const wchar_t* pszText, DWORD argb,
                 UINT placement)
{
    if (!pszText || !*pszText)
        return S_OK;
    TextFont font;
    font.pixelSize = std::max(kSmallestText, image.Height() / kLinesPerHeight);
    RECT box{0, 0, image.Width(), image.Height()};
    CHECK_HR(text.DrawText(image, pszText, box, font, argb, placement));
    return S_OK;
}

} // namespace

HRESULT CDSProductionUtils::CreateImageWithText(const wchar_t* pszFile, int nX, int nY,
                                                DWORD crColour, const wchar_t* pszText1,
                                                const wchar_t* pszText2, const wchar_t* pszText3)
{
    KVUClearErrorStack();
    CHECK_NULL(pszFile);
    BgraImage image;
    CHECK_HR(BgraImage::Create(nX, nY, ArgbOfColorref(crColour), image));
    TextRenderer text;
    DWORD ink = TextColourOn(crColour);
    CHECK_HR_SHORT(DrawLine(text, image, pszText1, ink, kTopLine));
    CHECK_HR_SHORT(DrawLine(text, image, pszText2, ink, kMiddleLine));
    CHECK_HR_SHORT(DrawLine(text, image, pszText3, ink, kBottomLine));
    CHECK_HR(SaveImageFile(image, pszFile));
    return S_OK;
}

#include "dsutils/DSLayout.h"

namespace {

constexpr int kVersionShift = 0;
constexpr int kVersionWidth = 4;
constexpr int kLinesShift = 4;
constexpr int kLinesWidth = 6;
constexpr int kButtonsShift = 10;
constexpr int kButtonsWidth = 6;
constexpr int kStyleShift = 16;
constexpr int kStyleWidth = 4;
constexpr int kLineJustifyShift = 20;
constexpr int kButtonJustifyShift = 22;
constexpr int kWeightShift = 24;
constexpr int kTwoBits = 2;

ULONG Mask(int width)
{
    return (1u << width) - 1u;
}

bool IsDiagonal(ULONG style)
{
    return style == LayoutStyle_DiagonalDown || style == LayoutStyle_DiagonalUp;
}

} // namespace

CDSLayout::CDSLayout(unsigned int lines, unsigned int buttonsPerLine, LayoutStyle style,
                     LayoutJustify lineJustify, LayoutJustify buttonJustify, Weight weight)
    : m_word(0)
{
    SetNumberOfLines(lines);
    SetButtonsPerLine(buttonsPerLine);
    SetStyle(style);
    SetLineJustify(lineJustify);
    SetButtonJustify(buttonJustify);
    SetWeight(weight);
}

ULONG CDSLayout::Field(int shift, int width) const
{
    return (m_word >> shift) & Mask(width);
}

void CDSLayout::SetField(int shift, int width, ULONG value)
{
    ULONG mask = Mask(width) << shift;
    m_word = (m_word & ~mask) | ((value << shift) & mask);
}

void CDSLayout::KeepDiagonalsOnOneLine()
{
    if (IsDiagonal(GetStyle()))
        SetField(kLinesShift, kLinesWidth, 1);
}

ULONG CDSLayout::GetVersion() const
{
    return Field(kVersionShift, kVersionWidth);
}

void CDSLayout::SetVersion(ULONG version)
{
    SetField(kVersionShift, kVersionWidth, version);
}

ULONG CDSLayout::GetNumberOfLines() const
{
    return Field(kLinesShift, kLinesWidth);
}

void CDSLayout::SetNumberOfLines(ULONG lines)
{
    SetField(kLinesShift, kLinesWidth, lines);
    KeepDiagonalsOnOneLine();
}

ULONG CDSLayout::GetButtonsPerLine() const
{
    return Field(kButtonsShift, kButtonsWidth);
}

void CDSLayout::SetButtonsPerLine(ULONG buttons)
{
    SetField(kButtonsShift, kButtonsWidth, buttons);
}

LayoutStyle CDSLayout::GetStyle() const
{
    return static_cast<LayoutStyle>(Field(kStyleShift, kStyleWidth));
}

void CDSLayout::SetStyle(ULONG style)
{
    SetField(kStyleShift, kStyleWidth, style);
    KeepDiagonalsOnOneLine();
}

LayoutJustify CDSLayout::GetLineJustify() const
{
    return static_cast<LayoutJustify>(Field(kLineJustifyShift, kTwoBits));
}

void CDSLayout::SetLineJustify(ULONG justify)
{
    SetField(kLineJustifyShift, kTwoBits, justify);
}

LayoutJustify CDSLayout::GetButtonJustify() const
{
    return static_cast<LayoutJustify>(Field(kButtonJustifyShift, kTwoBits));
}

void CDSLayout::SetButtonJustify(ULONG justify)
{
    SetField(kButtonJustifyShift, kTwoBits, justify);
}

Weight CDSLayout::GetWeight() const
{
    return static_cast<Weight>(Field(kWeightShift, kTwoBits));
}

void CDSLayout::SetWeight(ULONG weight)
{
    SetField(kWeightShift, kTwoBits, weight);
}

int CDSLayout::GetMaxButtons() const
{
    return static_cast<int>(GetNumberOfLines() * GetButtonsPerLine());
}

HorizontalJustify CDSLayout::GetButtonHJustify() const
{
    if (GetStyle() != LayoutStyle_Columns)
        return HJustify_Center;
    switch (GetLineJustify()) {
    case Justify_Start:
        return HJustify_Left;
    case Justify_End:
        return HJustify_Right;
    default:
        return HJustify_Center;
    }
}

VerticalJustify CDSLayout::GetButtonVJustify() const
{
    if (GetStyle() != LayoutStyle_Rows)
        return VJustify_Center;
    switch (GetLineJustify()) {
    case Justify_Start:
        return VJustify_Top;
    case Justify_End:
        return VJustify_Bottom;
    default:
        return VJustify_Center;
    }
}

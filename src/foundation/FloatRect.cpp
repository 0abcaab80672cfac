#include "dsutils/FloatRect.h"

CFloatRect& CFloatRect::operator=(const FloatRect& rect)
{
    left = rect.left;
    top = rect.top;
    right = rect.right;
    bottom = rect.bottom;
    return *this;
}

bool CFloatRect::IsEmpty() const
{
    return right - left == 0.0f || top - bottom == 0.0f;
}

// Each comparison asks whether this rectangle's edge is the outer one, so that a NaN on
// either side yields other's edge.
FloatRect CFloatRect::Union(const FloatRect& other)
{
    left = left < other.left ? left : other.left;
    top = top > other.top ? top : other.top;
    right = right > other.right ? right : other.right;
    bottom = bottom < other.bottom ? bottom : other.bottom;
    return *this;
}

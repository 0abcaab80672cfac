// A rectangle of menu space as a value: both axes run from -1 to +1 over the menu frame, y
// upward, so a well-formed rectangle has left < right and top > bottom.
#pragma once

#include "model/FloatRect.h"

// The fields are those of FloatRect (left, top, right, bottom); the object's address converts
// to a FloatRect*, so it can be handed to every operation that fills one:
//
//     CFloatRect extent;
//     CHECK_HR(pElement->GetExtent(&extent));
class CFloatRect : public FloatRect
{
public:
    CFloatRect() : FloatRect{0.0f, 0.0f, 0.0f, 0.0f} {}
    CFloatRect(float left, float top, float right, float bottom)
        : FloatRect{left, top, right, bottom}
    {}
    CFloatRect(const FloatRect& rect) : FloatRect(rect) {}
    CFloatRect(const CFloatRect& other) = default;
    CFloatRect& operator=(const CFloatRect& other) = default;
    CFloatRect& operator=(const FloatRect& rect);

    operator FloatRect*() { return this; }
    FloatRect* operator&() { return this; }
    const FloatRect* operator&() const { return this; }

    float GetCenterX() const { return (right + left) * 0.5f; }
    float GetCenterY() const { return (bottom + top) * 0.5f; }
    float GetSizeX() const { return right - left; }
    // Positive for a well-formed rectangle.
    float GetSizeY() const { return top - bottom; }
    // True when the width or the height is exactly 0; a rectangle of negative width or height
    // is not empty.
    bool IsEmpty() const;

    // Grows this rectangle to cover other as well and returns a copy of the result. Where a
    // comparison involves a NaN, other's value is taken.
    FloatRect Union(const FloatRect& other);
};

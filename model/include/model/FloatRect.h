// A rectangle in menu space: both axes run from -1 to +1 over the whole menu frame, x to the
// right and y upward, so a well-formed rectangle has left < right and top > bottom. The full
// frame is (-1, +1, +1, -1).
#pragma once

struct FloatRect
{
    float left;
    float top;
    float right;
    float bottom;
};

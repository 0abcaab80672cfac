// The rectangle of the n-th button of a menu from its layout word, the number of buttons to
// place and the layout area, in menu space (FloatRect.h). Pure single-precision arithmetic:
//
//     CDSPositioningAlgorithm algorithm;
//     algorithm.setLayout(&layout);          // first: the count is limited by the layout
//     algorithm.setNumberOfButtons(count);
//     algorithm.setRectangle(area);
//     CFloatRect rect;
//     if (algorithm.getButtonPosition(1, rect)) ...
//
// Every button takes 0.8 of its cell in each direction. A button past the count repeats the
// slot it wraps around to, moved by 0.04 up and to the right, so that it lies visibly over the
// button it repeats.
#pragma once

#include "dsutils/DSLayout.h"

#include "model/FloatRect.h"

class CDSPositioningAlgorithm
{
public:
    // The default layout over the whole frame (-1, +1, +1, -1), with no button to place.
    CDSPositioningAlgorithm() = default;
    CDSPositioningAlgorithm(const CDSPositioningAlgorithm&) = default;
    CDSPositioningAlgorithm& operator=(const CDSPositioningAlgorithm&) = default;
    virtual ~CDSPositioningAlgorithm() = default;

    // Copies the layout word.
    void setLayout(CDSLayout* layout);
    // The number of buttons to place, at most the layout's capacity (lines × buttons per
    // line); a negative number counts as none.
    void setNumberOfButtons(int count);
    void setRectangle(FloatRect& area);
    void setRectangle(float left, float top, float right, float bottom);

    // The rectangle of the button at index (from 1). False, with nothing written, when there
    // is no position: index below 1, no button to place, a grid without lines or buttons per
    // line, a style above 3, a button justify of 3, or, for rows and columns, a weight of 2 or
    // 3 (no rule says which line holds the remainder then).
    bool getButtonPosition(int index, FloatRect& out) const;
    bool getButtonPosition(int index, float& left, float& top, float& right, float& bottom) const;

private:
    struct Slot;

    bool Locate(Slot& slot) const;
    int LineOf(int index, int& onLine) const;
    bool PlaceOnDiagonal(const Slot& slot, FloatRect& rect) const;
    bool PlaceInRows(const Slot& slot, FloatRect& rect) const;
    bool PlaceInColumns(const Slot& slot, FloatRect& rect) const;

    CDSLayout m_layout;
    float m_left = -1.0f;
    float m_top = 1.0f;
    float m_right = 1.0f;
    float m_bottom = -1.0f;
    int m_count = 0;
};

#include "dsutils/DSPositioningAlgorithm.h"

#include <algorithm>
#include <cmath>

// Where one button sits on the grid: its line, its place on the line and the number of
// buttons that line holds.
struct CDSPositioningAlgorithm::Slot
{
    int index = 0;
    int line = 0;
    int position = 0;
    int onLine = 0;
};

namespace {

// Every button takes this share of its cell in each direction.
constexpr float kButtonShare = 0.8f;
// A button past the count is moved this far up and to the right.
constexpr float kOverflowShift = 0.04f;

// Quotients of counts are taken in single precision and then rounded, as the layout rules
// are written.
int FloorOf(int numerator, int denominator)
{
    return static_cast<int>(std::floor(static_cast<float>(numerator) / denominator));
}

int CeilOf(int numerator, int denominator)
{
    return static_cast<int>(std::ceil(static_cast<float>(numerator) / denominator));
}

void Shift(FloatRect& rect, float by)
{
    rect.left += by;
    rect.top += by;
    rect.right += by;
    rect.bottom += by;
}

} // namespace

void CDSPositioningAlgorithm::setLayout(CDSLayout* layout)
{
    if (layout)
        m_layout = *layout;
}

void CDSPositioningAlgorithm::setNumberOfButtons(int count)
{
    m_count = std::clamp(count, 0, m_layout.GetMaxButtons());
}

void CDSPositioningAlgorithm::setRectangle(FloatRect& area)
{
    setRectangle(area.left, area.top, area.right, area.bottom);
}

void CDSPositioningAlgorithm::setRectangle(float left, float top, float right, float bottom)
{
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
}

bool CDSPositioningAlgorithm::getButtonPosition(int index, FloatRect& out) const
{
    return getButtonPosition(index, out.left, out.top, out.right, out.bottom);
}

bool CDSPositioningAlgorithm::getButtonPosition(int index, float& left, float& top, float& right,
                                                float& bottom) const
{
    LayoutStyle style = m_layout.GetStyle();
    if (index < 1 || m_count < 1 || style > LayoutStyle_DiagonalUp ||
        m_layout.GetButtonJustify() > Justify_End || m_layout.GetNumberOfLines() == 0 ||
        m_layout.GetButtonsPerLine() == 0)
        return false;
    bool overflow = index > m_count;
    Slot slot;
    slot.index = overflow ? (index % m_count == 0 ? m_count : index % m_count) : index;
    FloatRect rect = {};
    bool placed = false;
    if (style == LayoutStyle_DiagonalDown || style == LayoutStyle_DiagonalUp)
        placed = PlaceOnDiagonal(slot, rect);
    else if (Locate(slot))
        placed = style == LayoutStyle_Rows ? PlaceInRows(slot, rect) : PlaceInColumns(slot, rect);
    if (!placed)
        return false;
    if (overflow)
        Shift(rect, kOverflowShift);
    left = rect.left;
    top = rect.top;
    right = rect.right;
    bottom = rect.bottom;
    return true;
}

// The line of the button at index and the number of buttons on that line (weights 0 and 1).
int CDSPositioningAlgorithm::LineOf(int index, int& onLine) const
{
    int perLine = static_cast<int>(m_layout.GetButtonsPerLine());
    int row = 0;
    if (m_layout.GetWeight() == Weight_FirstLinesFull) {
        row = FloorOf(index - 1, perLine) + 1;
        onLine = row > FloorOf(m_count, perLine) ? m_count % perLine : perLine;
    } else {
        int remainder = m_count % perLine;
        if (remainder == 0) {
            row = FloorOf(index - 1, perLine) + 1;
            onLine = perLine;
        } else if (index > remainder) {
            row = FloorOf(index - remainder - 1, perLine) + 2;
            onLine = perLine;
        } else {
            row = 1;
            onLine = remainder;
        }
    }
    // Lines justified to the end use the last lines of the grid.
    if (m_layout.GetLineJustify() == Justify_Start || m_layout.GetLineJustify() == Justify_Center)
        return row;
    int used = CeilOf(m_count, perLine);
    return row + static_cast<int>(m_layout.GetNumberOfLines()) - used;
}

bool CDSPositioningAlgorithm::Locate(Slot& slot) const
{
    int index = slot.index;
    if (m_layout.GetWeight() > Weight_LastLinesFull)
        return false;
    slot.line = LineOf(index, slot.onLine);
    int first = 1;
    int ignored = 0;
    while (first < index && LineOf(first, ignored) != slot.line)
        ++first;
    if (m_layout.GetButtonJustify() == Justify_End)
        slot.position = static_cast<int>(m_layout.GetButtonsPerLine()) - (index - first);
    else
        slot.position = index - first + 1;
    return true;
}

bool CDSPositioningAlgorithm::PlaceOnDiagonal(const Slot& slot, FloatRect& rect) const
{
    float perLine = static_cast<float>(m_layout.GetButtonsPerLine());
    float width = m_right - m_left;
    float height = m_top - m_bottom;
    float cellWidth = width / perLine;
    float cellHeight = height / perLine;
    float buttonWidth = kButtonShare * cellWidth;
    float buttonHeight = kButtonShare * cellHeight;
    int k = slot.index - 1;
    bool down = m_layout.GetStyle() == LayoutStyle_DiagonalDown;
    switch (m_layout.GetButtonJustify()) {
    case Justify_Start:
        rect.left = m_left + k * cellWidth;
        rect.top = m_top - k * cellHeight;
        rect.bottom = m_bottom + k * cellHeight;
        break;
    case Justify_Center:
        // Centred buttons are spread over count + 1 intervals and sized by the grid.
        buttonWidth = kButtonShare * width / (perLine + 1);
        buttonHeight = kButtonShare * height / (perLine + 1);
        rect.left = m_left + slot.index * width / (m_count + 1) - 0.5f * buttonWidth;
        rect.top = m_top - slot.index * height / (m_count + 1) + 0.5f * buttonHeight;
        rect.bottom = m_bottom + slot.index * height / (m_count + 1) - 0.5f * buttonHeight;
        break;
    default:
        rect.left = m_right - k * cellWidth - buttonWidth;
        rect.top = m_bottom + k * cellHeight + buttonHeight;
        rect.bottom = m_top - k * cellHeight - buttonHeight;
        break;
    }
    rect.right = rect.left + buttonWidth;
    if (down)
        rect.bottom = rect.top - buttonHeight;
    else
        rect.top = rect.bottom + buttonHeight;
    return true;
}

bool CDSPositioningAlgorithm::PlaceInRows(const Slot& slot, FloatRect& rect) const
{
    float width = m_right - m_left;
    float height = m_top - m_bottom;
    float lines = static_cast<float>(m_layout.GetNumberOfLines());
    float cellWidth = width / static_cast<float>(m_layout.GetButtonsPerLine());
    float cellHeight = height / lines;
    float buttonWidth = kButtonShare * cellWidth;
    float buttonHeight = kButtonShare * cellHeight;
    int before = slot.position - 1;
    switch (m_layout.GetButtonJustify()) {
    case Justify_Start:
        rect.left = m_left + before * cellWidth;
        break;
    case Justify_Center: {
        float share = width / slot.onLine;
        rect.left = m_left + before * share + 0.5f * (share - buttonWidth);
        break;
    }
    default:
        rect.left = m_left + before * cellWidth + (cellWidth - buttonWidth);
        break;
    }
    switch (m_layout.GetLineJustify()) {
    case Justify_Start:
        rect.top = m_top - (slot.line - 1) * cellHeight;
        break;
    case Justify_End:
        rect.top = m_top - (slot.line - 1) * cellHeight - (cellHeight - buttonHeight);
        break;
    default: {
        // Centred lines sit on lines + 1 equal intervals.
        float spacing = height / (lines + 1);
        buttonHeight = kButtonShare * spacing;
        rect.top = m_top - slot.line * spacing + 0.5f * buttonHeight;
        break;
    }
    }
    rect.right = rect.left + buttonWidth;
    rect.bottom = rect.top - buttonHeight;
    return true;
}

bool CDSPositioningAlgorithm::PlaceInColumns(const Slot& slot, FloatRect& rect) const
{
    float width = m_right - m_left;
    float height = m_top - m_bottom;
    float lines = static_cast<float>(m_layout.GetNumberOfLines());
    float cellWidth = width / lines;
    float cellHeight = height / static_cast<float>(m_layout.GetButtonsPerLine());
    float buttonWidth = kButtonShare * cellWidth;
    float buttonHeight = kButtonShare * cellHeight;
    switch (m_layout.GetLineJustify()) {
    case Justify_Start:
        rect.left = m_left + (slot.line - 1) * cellWidth;
        break;
    case Justify_End:
        rect.left = m_left + (slot.line - 1) * cellWidth + (cellWidth - buttonWidth);
        break;
    default: {
        // Centred columns sit on lines + 1 equal intervals; the button is centred on the
        // line-th of them.
        float spacing = width / (lines + 1);
        buttonWidth = kButtonShare * spacing;
        rect.left = m_left + (slot.line - 1) * spacing + 0.75f * buttonWidth;
        break;
    }
    }
    int before = slot.position - 1;
    switch (m_layout.GetButtonJustify()) {
    case Justify_Start:
        rect.top = m_top - before * cellHeight;
        break;
    case Justify_Center: {
        float share = height / slot.onLine;
        rect.top = m_top - before * share - 0.5f * (share - buttonHeight);
        break;
    }
    default:
        rect.top = m_top - (before * cellHeight + (cellHeight - buttonHeight));
        break;
    }
    rect.right = rect.left + buttonWidth;
    rect.bottom = rect.top - buttonHeight;
    return true;
}

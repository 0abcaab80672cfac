#include "FreePlacement.h"

#include "dsutils/DSLayout.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSPositioningAlgorithm.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/FloatRect.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <algorithm>
#include <cmath>

namespace {

// The layout version whose grid is spread for the buttons the menu has rather than for its
// capacity, and whose labels follow the line justify.
constexpr ULONG kSpreadVersion = 2;

enum class Fill
{
    Vacant,
    Overflowing
};

// Compares the menu's command buttons with its layout's capacity. A menu without command
// buttons counts as both vacant and overflowing.
bool HasFill(IDSMenu* pMenu, Fill fill)
{
    ULONG word = 0;
    if (!pMenu || FAILED(pMenu->get_ButtonLayout(&word)))
        return false;
    size_t buttons = GetButtonList(pMenu, ButtonType_Command).size();
    size_t capacity = static_cast<size_t>(CDSLayout(word).GetMaxButtons());
    if (buttons == 0)
        return true;
    return fill == Fill::Vacant ? buttons < capacity : buttons > capacity;
}

// The chapter a button's link plays; 0 for a button that plays none.
int LinkedChapter(IDSMenuButton* pButton)
{
    int chapter = 0;
    CDSMenuUtils::GetLinkedTitle(pButton, &chapter, false);
    return chapter;
}

// The command buttons in the order they take the slots of the grid: by the chapter they play,
// buttons of one chapter in element order.
DSMenuButtonVec ButtonsInChapterOrder(IDSMenu* pMenu)
{
    std::vector<std::pair<int, CComPtr<IDSMenuButton>>> keyed;
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, ButtonType_Command))
        keyed.emplace_back(LinkedChapter(spButton), spButton);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    DSMenuButtonVec buttons;
    for (auto& [chapter, spButton] : keyed)
        buttons.push_back(std::move(spButton));
    return buttons;
}

// The label alignment code in the same row of the 3 × 3 grid and the given column (1 left, 2
// centre, 3 right); a code off the grid becomes the centre.
LONG InColumn(LONG code, LONG column)
{
    LONG moved = (code - 1) / 3 * 3 + column;
    return moved >= TextAlign_TopLeft && moved <= TextAlign_BottomRight ? moved : TextAlign_Center;
}

// Surplus buttons of the effect variant line up along the top edge of the menu, ten to a run.
constexpr int kSurplusRun = 10;
constexpr float kSurplusMargin = 0.95f;
constexpr float kSurplusSpacing = 0.7f;

// The button's label when it holds nothing but its label (any label with anyContent).
CComPtr<IDSMenuText> LabelOf(IDSMenuButton* pButton, bool anyContent)
{
    CComQIPtr<IDSMenuElementList> spList(pButton);
    LONG count = 0;
    CComPtr<IDSMenuText> spLabel;
    if (!anyContent && (!spList || FAILED(spList->get_Count(&count)) || count != 1))
        return nullptr;
    if (FAILED(pButton->GetLabel(&spLabel)))
        return nullptr;
    return spLabel;
}

HRESULT SetAlignment(IDSMenuText* pLabel, LONG code, LONG aligned)
{
    if (aligned != code)
        CHECK_HR(pLabel->put_Alignment(aligned));
    return S_OK;
}

// The grid of one menu and the slot of the next button.
class Arrangement
{
public:
    // Prepares the grid for the menu's command buttons. With bSpread a layout of the spread
    // version is laid out for the buttons the menu has rather than for its capacity.
    HRESULT Prepare(IDSMenu* pMenu, size_t buttons, bool bSpread);
    // Puts the button into the next slot. S_FALSE, the button left where it is, when the
    // layout gives that slot no position.
    HRESULT Place(IDSMenuButton* pButton);
    // The same through the effect object: the place goes to the button's item in the menu's
    // storyboard, and buttons beyond the capacity line up along the top edge.
    HRESULT PlaceInEffect(IUnknown* pEffect, IDSMenuButton* pButton);

private:
    HRESULT AlignLabel(IDSMenuButton* pButton, const CFloatRect& slot, float& x) const;
    HRESULT AlignLabelToSide(IDSMenuText* pLabel) const;
    HRESULT PlaceSurplus(IUnknown* pEffect, IDSMenuButton* pButton) const;

    CDSPositioningAlgorithm m_algorithm;
    CDSLayout m_layout;
    int m_number = 0;
    // The size of the menu's first command button.
    float m_width = 0.0f;
    float m_height = 0.0f;
};

HRESULT Arrangement::Prepare(IDSMenu* pMenu, size_t buttons, bool bSpread)
{
    ULONG word = 0;
    CHECK_HR(pMenu->get_ButtonLayout(&word));
    m_layout = CDSLayout(word);
    m_algorithm.setLayout(&m_layout);
    int count = m_layout.GetMaxButtons();
    if (bSpread && m_layout.GetVersion() == kSpreadVersion)
        count = static_cast<int>(std::min<size_t>(buttons, static_cast<size_t>(count)));
    m_algorithm.setNumberOfButtons(count);
    DSMenuButtonVec commands = GetButtonList(pMenu, ButtonType_Command);
    if (!commands.empty()) {
        CFloatRect first;
        CHECK_HR(CDSMenuUtils::GetAlignmentRect(commands.front(), &first));
        m_width = std::fabs(first.right - first.left);
        m_height = std::fabs(first.bottom - first.top);
    }
    CFloatRect area;
    CHECK_HR(pMenu->get_LayoutRect(&area));
    // A menu whose layout area was never set lays its buttons out over the whole frame.
    if (!area.IsEmpty())
        m_algorithm.setRectangle(area);
    return S_OK;
}

HRESULT Arrangement::Place(IDSMenuButton* pButton)
{
    ++m_number;
    CFloatRect slot;
    int placed = m_algorithm.getButtonPosition(m_number, slot) ? 1 : 0;
    LONG id = GetID(pButton);
    TRACE_LINE("*** Position %d Id: %d %f,%f  %f,%f, %d", m_number, id, slot.left, slot.top,
               slot.right, slot.bottom, placed);
    float x = slot.left + (slot.right - slot.left) / 2;
    float y = slot.top + (slot.bottom - slot.top) / 2;
    TRACE_LINE("*** Position %d Id: %d %f,%f %d", m_number, id, x, y, placed);
    if (!placed)
        return S_FALSE;
    CHECK_HR(AlignLabel(pButton, slot, x));
    CHECK_HR(pButton->SetPosition(x, y));
    return S_OK;
}

HRESULT Arrangement::PlaceInEffect(IUnknown* pEffect, IDSMenuButton* pButton)
{
    ++m_number;
    CFloatRect slot;
    bool placed = m_algorithm.getButtonPosition(m_number, slot);
    if (m_number > m_layout.GetMaxButtons())
        return PlaceSurplus(pEffect, pButton);
    if (!placed)
        return S_FALSE;
    if (CComPtr<IDSMenuText> spLabel = LabelOf(pButton, true))
        CHECK_HR(AlignLabelToSide(spLabel));
    float x = slot.left + (slot.right - slot.left) / 2;
    float y = slot.top + (slot.bottom - slot.top) / 2;
    CHECK_HR(CDSProductionUtils::PositionBtnEffect(pEffect, pButton, x, y));
    return S_OK;
}

HRESULT Arrangement::PlaceSurplus(IUnknown* pEffect, IDSMenuButton* pButton) const
{
    TRACE_LINE("*** Extra button (%d) not positioned", m_number);
    int k = (m_number - m_layout.GetMaxButtons() - 1) % kSurplusRun;
    float x = m_width / 2 - kSurplusMargin + kSurplusSpacing * m_width * static_cast<float>(k);
    float y = kSurplusMargin - m_height;
    CHECK_HR(CDSProductionUtils::PositionBtnEffect(pEffect, pButton, x, y));
    return S_OK;
}

// A button that is nothing but its label aligns the label by the line justify: with the
// spread layout the label keeps its row, takes the column of the justify and the button moves
// to that edge of its slot; otherwise labels of lines from the start or the end are aligned
// left or right in the middle row.
HRESULT Arrangement::AlignLabel(IDSMenuButton* pButton, const CFloatRect& slot, float& x) const
{
    CComPtr<IDSMenuText> spLabel = LabelOf(pButton, false);
    if (!spLabel)
        return S_OK;
    if (m_layout.GetVersion() != kSpreadVersion)
        return AlignLabelToSide(spLabel);
    LONG code = 0;
    CHECK_HR(spLabel->get_Alignment(&code));
    LayoutJustify justify = m_layout.GetLineJustify();
    if (justify == Justify_Start)
        x = slot.left;
    else if (justify == Justify_End)
        x = slot.right;
    if (justify > Justify_End)
        return S_OK;
    CHECK_HR(SetAlignment(spLabel, code, InColumn(code, static_cast<LONG>(justify) + 1)));
    return S_OK;
}

// Lines from the start or the end align their labels left or right in the middle row.
HRESULT Arrangement::AlignLabelToSide(IDSMenuText* pLabel) const
{
    LayoutJustify justify = m_layout.GetLineJustify();
    if (justify != Justify_Start && justify != Justify_End)
        return S_OK;
    LONG code = 0;
    CHECK_HR(pLabel->get_Alignment(&code));
    CHECK_HR(SetAlignment(pLabel, code,
                          justify == Justify_Start ? TextAlign_MiddleLeft : TextAlign_MiddleRight));
    return S_OK;
}

HRESULT ArrangeOnGrid(IDSMenu* pMenu)
{
    DSMenuButtonVec buttons = ButtonsInChapterOrder(pMenu);
    Arrangement arrangement;
    CHECK_HR_SHORT(arrangement.Prepare(pMenu, buttons.size(), true));
    HRESULT hr = S_FALSE;
    for (const CComPtr<IDSMenuButton>& spButton : buttons) {
        hr = arrangement.Place(spButton);
        CHECK_HR_SHORT(hr);
    }
    return hr;
}

HRESULT ArrangeInEffect(IDSMenu* pMenu, IUnknown* pEffect)
{
    DSMenuButtonVec buttons = ButtonsInChapterOrder(pMenu);
    Arrangement arrangement;
    CHECK_HR_SHORT(arrangement.Prepare(pMenu, buttons.size(), false));
    HRESULT hr = S_FALSE;
    for (const CComPtr<IDSMenuButton>& spButton : buttons) {
        hr = arrangement.PlaceInEffect(pEffect, spButton);
        CHECK_HR_SHORT(hr);
    }
    return hr;
}

} // namespace

HRESULT CDSMenuUtils::LayoutArrangeButtons(IDSMenu* pMenu, bool bForce)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    if ((GetFlag(pMenu) & MenuFlag_FreePlacement) && !bForce) {
        CHECK_HR_SHORT(SpreadHandPlacedButtons(pMenu));
        return S_FALSE;
    }
    HRESULT hr = ArrangeOnGrid(pMenu);
    CHECK_HR_SHORT(hr);
    ClearFlag(pMenu, MenuFlag_FreePlacement);
    return hr;
}

HRESULT CDSMenuUtils::LayoutArrangeBtnFx(IDSMenu* pMenu, IUnknown* pEffect)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(pEffect);
    HRESULT hr = ArrangeInEffect(pMenu, pEffect);
    CHECK_HR_SHORT(hr);
    ClearFlag(pMenu, MenuFlag_FreePlacement);
    return hr;
}

bool CDSMenuUtils::LayoutMenuVacant(IDSMenu* pMenu)
{
    return HasFill(pMenu, Fill::Vacant);
}

bool CDSMenuUtils::LayoutMenuOverflow(IDSMenu* pMenu)
{
    return HasFill(pMenu, Fill::Overflowing);
}

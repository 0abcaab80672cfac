#include "dsutils/DSLayout.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

namespace {

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

} // namespace

bool CDSMenuUtils::LayoutMenuVacant(IDSMenu* pMenu)
{
    return HasFill(pMenu, Fill::Vacant);
}

bool CDSMenuUtils::LayoutMenuOverflow(IDSMenu* pMenu)
{
    return HasFill(pMenu, Fill::Overflowing);
}

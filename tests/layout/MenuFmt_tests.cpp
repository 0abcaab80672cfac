#include "dsutils/DSMenuUtils.h"

#include "LayoutFakes.h"

#include <gtest/gtest.h>

namespace {

CComPtr<LayoutMenu> MenuWithButtons(int commands, ULONG layout = 0)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    menu->layout = layout;
    for (int i = 0; i < commands; ++i)
        menu->Add<LayoutButton>(ButtonType_Command);
    menu->Add<LayoutButton>(ButtonType_Next);
    menu->Add<LayoutButton>(ButtonType_Prev);
    return menu;
}

TEST(LayoutMenuVacant, ComparesCommandButtonsWithTheLayoutCapacity)
{
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuVacant(MenuWithButtons(5)));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuVacant(MenuWithButtons(6)));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuOverflow(MenuWithButtons(6)));
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuOverflow(MenuWithButtons(7)));
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuVacant(MenuWithButtons(7, 0x01501031u)));
}

TEST(LayoutMenuVacant, MenuWithoutCommandButtonsIsBothVacantAndOverflowing)
{
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuVacant(MenuWithButtons(0)));
    EXPECT_TRUE(CDSMenuUtils::LayoutMenuOverflow(MenuWithButtons(0)));
}

TEST(LayoutMenuVacant, UnreadableMenuIsNeither)
{
    CComPtr<LayoutMenu> menu = MenuWithButtons(0);
    menu->layoutResult = E_FAIL;
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuVacant(menu));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuOverflow(menu));
    EXPECT_FALSE(CDSMenuUtils::LayoutMenuVacant(nullptr));
}

} // namespace

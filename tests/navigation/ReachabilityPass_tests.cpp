#include "navigation/ReachabilityPass.h"

#include "NavigationProject.h"

#include <gtest/gtest.h>

namespace {

// Buttons on one row whose neighbour records the tests set by hand.
class ReachabilityTest : public ::testing::Test
{
protected:
    CComPtr<IDSMenuButton> Add(float x, float y = 0.0f)
    {
        CComPtr<IDSMenuButton> button = model.AddButton(menu, ButtonType_Command, x, y);
        buttons.push_back({GetID(button), CComPtr<IDSMenuElement>(button.p)});
        return button;
    }

    static void Links(IDSMenuButton* pButton, IDSMenuButton* pLeft, IDSMenuButton* pRight,
                      IDSMenuButton* pUp = nullptr, IDSMenuButton* pDown = nullptr)
    {
        ASSERT_EQ(pButton->SetNeighbours(GetID(pLeft), GetID(pRight), GetID(pUp), GetID(pDown)),
                  S_OK);
    }

    HRESULT Run()
    {
        CLinkRectCache rects;
        return CReachabilityPass(rects).Run(buttons);
    }

    NavigationProject model;
    CComPtr<IDSMenu> menu = model.AddMenu(MenuType_Main);
    CandidateGroup buttons;
};

TEST_F(ReachabilityTest, EmptySlotOfTheNearestButtonLeadsToTheLostOne)
{
    CComPtr<IDSMenuButton> lost = Add(-0.2f);
    CComPtr<IDSMenuButton> nearest = Add(0.0f);
    CComPtr<IDSMenuButton> other = Add(0.5f);
    Links(nearest, nullptr, other);
    Links(other, nearest, nullptr);
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(NeighboursOf(nearest).left, GetID(lost));
    EXPECT_EQ(NeighboursOf(nearest).right, GetID(other));
}

// A lost button left of the nearest button, whose left slot leads to a button farther left;
// that button has a second way in when asked.
TEST_F(ReachabilityTest, SlotIsTakenOnlyFromAButtonWithAnotherWayIn)
{
    for (bool secondWayIn : {false, true}) {
        buttons.clear();
        CComPtr<IDSMenuButton> far = Add(-0.6f);
        CComPtr<IDSMenuButton> lost = Add(-0.25f);
        CComPtr<IDSMenuButton> nearest = Add(0.0f);
        CComPtr<IDSMenuButton> right = Add(0.5f);
        Links(nearest, far, right);
        Links(right, nearest, secondWayIn ? far.p : nullptr);
        Links(far, nullptr, nearest);
        ASSERT_EQ(Run(), S_OK);
        EXPECT_EQ(NeighboursOf(nearest).left, GetID(secondWayIn ? lost : far)) << secondWayIn;
    }
}

// Two lost buttons would each take one of the two ways into the same button.
TEST_F(ReachabilityTest, LastRemainingWayIntoAButtonIsNotTaken)
{
    CComPtr<IDSMenuButton> far = Add(-0.8f);
    CComPtr<IDSMenuButton> upper = Add(0.0f, 0.5f);
    CComPtr<IDSMenuButton> lower = Add(0.0f, -0.5f);
    CComPtr<IDSMenuButton> upperLost = Add(-0.2f, 0.5f);
    Add(-0.2f, -0.5f);
    Links(far, nullptr, upper);
    Links(upper, far, nullptr, nullptr, lower);
    Links(lower, far, nullptr);
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(NeighboursOf(upper).left, GetID(upperLost));
    EXPECT_EQ(NeighboursOf(lower).left, GetID(far));
}

TEST_F(ReachabilityTest, SlotFacesTheLostButtonAlongTheWiderOffset)
{
    CComPtr<IDSMenuButton> nearest = Add(0.0f);
    CComPtr<IDSMenuButton> below = Add(0.1f, -0.3f);
    Links(below, nullptr, nullptr, nearest);
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(NeighboursOf(nearest).down, GetID(below));
}

} // namespace

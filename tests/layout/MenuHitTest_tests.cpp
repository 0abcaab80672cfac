#include "dsutils/DSMenuUtils.h"

#include "LayoutFakes.h"
#include "support/ErrorStackText.h"

#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <gtest/gtest.h>

namespace {

bool SameRect(const FloatRect& a, const FloatRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::vector<LONG> IDs(const DSMenuElementVec& elements)
{
    std::vector<LONG> ids;
    for (const CComPtr<IDSMenuElement>& element : elements) {
        LONG id = 0;
        element->get_ID(&id);
        ids.push_back(id);
    }
    return ids;
}

TEST(GetActiveRegion, SetRegionThenHighlightThenExtent)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutButton> button = menu->Add<LayoutButton>(ButtonType_Command, 0, 0, 0.4f, 0.4f);
    button->activeValid = true;
    button->activeRegion = {-0.1f, 0.1f, 0.1f, -0.1f};
    button->highlightValid = true;
    button->highlightRegion = {-0.3f, 0.3f, 0.3f, -0.3f};
    FloatRect region = {};
    ASSERT_EQ(CDSMenuUtils::GetActiveRegion(button, &region), S_OK);
    EXPECT_TRUE(SameRect(region, button->activeRegion));
    button->activeValid = false;
    ASSERT_EQ(CDSMenuUtils::GetActiveRegion(button, &region), S_OK);
    EXPECT_TRUE(SameRect(region, button->highlightRegion));
    button->highlightValid = false;
    ASSERT_EQ(CDSMenuUtils::GetActiveRegion(button, &region), S_OK);
    EXPECT_TRUE(SameRect(region, FloatRect{-0.2f, 0.2f, 0.2f, -0.2f}));
}

TEST(GetActiveRegion, FailedReadIsReportedWithItsCall)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutButton> button = menu->Add<LayoutButton>(ButtonType_Command);
    button->regionResult = E_OUTOFMEMORY;
    FloatRect region = {};
    EXPECT_EQ(CDSMenuUtils::GetActiveRegion(button, &region), E_OUTOFMEMORY);
    EXPECT_EQ(KVUGetErrorStack().size(), 1u);
    EXPECT_TRUE(StackHolds(L"pButton->get_ActiveRegion(pfBtnRect, &bValid)"));
    EXPECT_EQ(CDSMenuUtils::GetActiveRegion(nullptr, &region), E_POINTER);
}

// Two buttons side by side: (-0.5, 0.2, -0.1, -0.2) and (0.1, 0.2, 0.5, -0.2).
struct TwoButtons
{
    TwoButtons()
    {
        menu = LayoutMenu::Create();
        left = menu->Add<LayoutButton>(ButtonType_Command, -0.3f, 0.0f, 0.4f, 0.4f);
        right = menu->Add<LayoutButton>(ButtonType_Next, 0.3f, 0.0f, 0.4f, 0.4f);
        right->activeValid = true;
        right->activeRegion = {0.0f, 0.5f, 0.6f, -0.5f};
    }

    CComPtr<LayoutMenu> menu;
    CComPtr<LayoutButton> left;
    CComPtr<LayoutButton> right;
};

TEST(FindButtonAtPos, EdgesBelongToTheButton)
{
    TwoButtons menu;
    CComPtr<IDSMenuButton> found;
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(menu.menu, 0.5f, 0.2f, &found, nullptr), S_OK);
    EXPECT_TRUE(found.IsEqualObject(menu.right->GetUnknown()));
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(menu.menu, -0.5f, -0.2f, &found, nullptr), S_OK);
    EXPECT_TRUE(found.IsEqualObject(menu.left->GetUnknown()));
}

TEST(FindButtonAtPos, HitHandsOutTheButtonAndItsActiveRegion)
{
    TwoButtons menu;
    CComPtr<IDSMenuButton> found;
    FloatRect region = {};
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(menu.menu, 0.3f, 0.0f, &found, &region), S_OK);
    EXPECT_TRUE(found.IsEqualObject(menu.right->GetUnknown()));
    EXPECT_TRUE(SameRect(region, menu.right->activeRegion));
    EXPECT_EQ(CDSMenuUtils::FindButtonAtPos(menu.menu, 0.3f, 0.0f, nullptr, nullptr), S_OK);
}

TEST(FindButtonAtPos, MissReportsNothingHit)
{
    TwoButtons menu;
    CComPtr<IDSMenuButton> found = menu.left.p;
    EXPECT_EQ(CDSMenuUtils::FindButtonAtPos(menu.menu, 0.0f, 0.0f, &found, nullptr),
              E_FINDBUTTONATPOS_NOTHING_HIT);
    EXPECT_FALSE(found);
    EXPECT_EQ(KVUGetErrorStack().size(), 1u);
    EXPECT_TRUE(StackHolds(KVUErrStr(E_FINDBUTTONATPOS_NOTHING_HIT).Text()));
    EXPECT_EQ(CDSMenuUtils::FindButtonAtPos(menu.menu, 0.51f, 0.0f, &found, nullptr),
              E_FINDBUTTONATPOS_NOTHING_HIT);
}

TEST(FindButtonAtPos, CommandButtonIsHitOnItsThumbnailOnly)
{
    TwoButtons menu;
    menu.left->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.2f, 0.2f);
    EXPECT_EQ(CDSMenuUtils::FindButtonAtPos(menu.menu, -0.45f, 0.0f, nullptr, nullptr),
              E_FINDBUTTONATPOS_NOTHING_HIT);
    EXPECT_EQ(CDSMenuUtils::FindButtonAtPos(menu.menu, -0.35f, 0.05f, nullptr, nullptr), S_OK);
}

TEST(FindButtonAtPos, EmptyThumbnailFallsBackToTheActiveRegion)
{
    TwoButtons menu;
    menu.left->Add<LayoutOverlay>(OverlayType_Thumbnail);
    menu.left->activeValid = true;
    menu.left->activeRegion = {-0.9f, 0.9f, -0.7f, 0.7f};
    CComPtr<IDSMenuButton> found;
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(menu.menu, -0.8f, 0.8f, &found, nullptr), S_OK);
    EXPECT_TRUE(found.IsEqualObject(menu.left->GetUnknown()));
}

TEST(FindButtonAtPos, FirstButtonInElementOrderWinsAndOtherElementsAreNotButtons)
{
    CComPtr<LayoutMenu> stacked = LayoutMenu::Create();
    stacked->Add<LayoutText>(0, 0.0f, 0.0f, 2.0f, 2.0f);
    CComPtr<LayoutButton> unreadable = stacked->Add<LayoutButton>(ButtonType_Command, 0, 0, 1, 1);
    unreadable->Add<LayoutOverlay>(OverlayType_Thumbnail);
    unreadable->regionResult = E_FAIL;
    CComPtr<LayoutButton> first = stacked->Add<LayoutButton>(ButtonType_Command, 0, 0, 1, 1);
    stacked->Add<LayoutButton>(ButtonType_Command, 0, 0, 1, 1);
    CComPtr<IDSMenuButton> found;
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(stacked, 0.0f, 0.0f, &found, nullptr), S_OK);
    EXPECT_TRUE(found.IsEqualObject(first->GetUnknown()));
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

// A menu of 720 × 480 pixels with an element over its top-left quarter, (0, 0, 360, 240), and
// one whose extent cannot be read.
struct QuarterMenu
{
    QuarterMenu()
    {
        menu = LayoutMenu::Create();
        quarter = menu->Add<LayoutOverlay>(OverlayType_Generic, -0.5f, 0.5f, 1.0f, 1.0f);
        broken = menu->Add<LayoutText>(0, 0.0f, 0.0f, 2.0f, 2.0f);
        broken->extentResult = E_FAIL;
        whole = menu->Add<LayoutText>(0, 0.0f, 0.0f, 2.0f, 2.0f);
    }

    CComPtr<LayoutMenu> menu;
    CComPtr<LayoutOverlay> quarter;
    CComPtr<LayoutText> broken;
    CComPtr<LayoutText> whole;
    SIZE frame = {720, 480};
};

TEST(FindElementsAtPos, RightAndBottomPixelEdgesAreOutside)
{
    QuarterMenu quarter;
    DSMenuElementVec found;
    POINT inside = {359, 239};
    ASSERT_EQ(CDSMenuUtils::FindElementsAtPos(quarter.menu, &inside, &quarter.frame, found), S_OK);
    EXPECT_EQ(IDs(found), (std::vector<LONG>{quarter.quarter->id, quarter.whole->id}));
    POINT onRightEdge = {360, 100};
    ASSERT_EQ(CDSMenuUtils::FindElementsAtPos(quarter.menu, &onRightEdge, &quarter.frame, found),
              S_OK);
    EXPECT_EQ(IDs(found), (std::vector<LONG>{quarter.whole->id}));
}

TEST(FindElementsAtPos, PixelEdgesAreTruncatedNotRounded)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    // Left edge at pixel 0.9, right edge at 3.9: pixels 0, 1 and 2 only.
    menu->Add<LayoutText>(0, -1.0f + 4.8f / 720, 0.0f, 6.0f / 720, 2.0f);
    SIZE frame = {720, 480};
    DSMenuElementVec found;
    POINT first = {0, 10};
    POINT beyond = {3, 10};
    EXPECT_EQ(CDSMenuUtils::FindElementsAtPos(menu, &first, &frame, found), S_OK);
    EXPECT_EQ(CDSMenuUtils::FindElementsAtPos(menu, &beyond, &frame, found), S_FALSE);
    EXPECT_TRUE(found.empty());
}

TEST(FindElementsInArea, KeepsOverlappingElementsOnly)
{
    QuarterMenu quarter;
    DSMenuElementVec found;
    RECT overlapping = {350, 230, 400, 300};
    ASSERT_EQ(CDSMenuUtils::FindElementsInArea(quarter.menu, &overlapping, &quarter.frame, found),
              S_OK);
    EXPECT_EQ(IDs(found), (std::vector<LONG>{quarter.quarter->id, quarter.whole->id}));
    RECT touching = {360, 240, 400, 300};
    ASSERT_EQ(CDSMenuUtils::FindElementsInArea(quarter.menu, &touching, &quarter.frame, found),
              S_OK);
    EXPECT_EQ(IDs(found), (std::vector<LONG>{quarter.whole->id}));
    RECT outside = {800, 600, 900, 700};
    EXPECT_EQ(CDSMenuUtils::FindElementsInArea(quarter.menu, &outside, &quarter.frame, found),
              S_FALSE);
    EXPECT_EQ(CDSMenuUtils::FindElementsInArea(quarter.menu, nullptr, &quarter.frame, found),
              E_POINTER);
}

} // namespace

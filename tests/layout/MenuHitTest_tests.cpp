#include "dsutils/DSMenuUtils.h"

#include "LayoutFakes.h"
#include "LayoutModelTest.h"
#include "support/ErrorStackText.h"

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

LONG IdOf(IDSMenuElement* element)
{
    LONG id = 0;
    element->get_ID(&id);
    return id;
}

using GetActiveRegion = LayoutModelTest;

class FindButtonAtPos : public LayoutModelTest
{
protected:
    // Two buttons side by side: a command button (-0.5, 0.2, -0.1, -0.2) and a Next button
    // (0.1, 0.2, 0.5, -0.2) whose active region is larger than itself.
    void SetUp() override
    {
        LayoutModelTest::SetUp();
        m_menu = AddMenu();
        m_left = AddButton(m_menu, ButtonType_Command, -0.3f, 0.0f, 0.4f, 0.4f);
        m_right = AddButton(m_menu, ButtonType_Next, 0.3f, 0.0f, 0.4f, 0.4f);
        FloatRect region = {0.0f, 0.5f, 0.6f, -0.5f};
        ASSERT_EQ(S_OK, m_right->put_ActiveRegion(&region, VARIANT_TRUE));
    }

    CComPtr<IDSMenu> m_menu;
    CComPtr<IDSMenuButton> m_left;
    CComPtr<IDSMenuButton> m_right;
};

// A menu of 720 × 480 pixels with an overlay over its top-left quarter, (0, 0, 360, 240), and
// a text over the whole frame.
class FindElements : public LayoutModelTest
{
protected:
    void SetUp() override
    {
        LayoutModelTest::SetUp();
        m_menu = AddMenu();
        m_quarter = AddOverlay(m_menu, OverlayType_Generic, -0.5f, 0.5f, 1.0f, 1.0f);
        m_whole = AddText(m_menu, 0, L"whole", 2.0f, 2.0f);
    }

    CComPtr<IDSMenu> m_menu;
    CComPtr<IDSMenuOverlay> m_quarter;
    CComPtr<IDSMenuText> m_whole;
    SIZE m_frame = {720, 480};
};

TEST_F(GetActiveRegion, SetRegionThenHighlightThenExtent)
{
    CComPtr<IDSMenu> menu = AddMenu();
    CComPtr<IDSMenuButton> button = AddButton(menu, ButtonType_Command, 0, 0, 0.4f, 0.4f);
    CComPtr<IDSMenuOverlay> lit = AddOverlay(button, OverlayType_Generic, 0, 0, 0.6f, 0.6f);
    ASSERT_EQ(S_OK, lit->put_Highlight(OverlayHLI_Region));
    FloatRect set = {-0.1f, 0.1f, 0.1f, -0.1f};
    ASSERT_EQ(S_OK, button->put_ActiveRegion(&set, VARIANT_TRUE));
    FloatRect region = {};
    ASSERT_EQ(CDSMenuUtils::GetActiveRegion(button, &region), S_OK);
    EXPECT_TRUE(SameRect(region, set));
    ASSERT_EQ(S_OK, button->put_ActiveRegion(nullptr, VARIANT_FALSE));
    ASSERT_EQ(CDSMenuUtils::GetActiveRegion(button, &region), S_OK);
    EXPECT_TRUE(SameRect(region, FloatRect{-0.3f, 0.3f, 0.3f, -0.3f}));
    ASSERT_EQ(S_OK, lit->put_Highlight(OverlayHLI_None));
    ASSERT_EQ(S_OK, lit->SetSize(0.2f, 0.2f));
    ASSERT_EQ(CDSMenuUtils::GetActiveRegion(button, &region), S_OK);
    EXPECT_TRUE(SameRect(region, FloatRect{-0.2f, 0.2f, 0.2f, -0.2f}));
}

TEST(GetActiveRegionRead, FailedReadIsReportedWithItsCall)
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

TEST_F(FindButtonAtPos, EdgesBelongToTheButton)
{
    CComPtr<IDSMenuButton> found;
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(m_menu, 0.5f, 0.2f, &found, nullptr), S_OK);
    EXPECT_TRUE(found.IsEqualObject(m_right));
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(m_menu, -0.5f, -0.2f, &found, nullptr), S_OK);
    EXPECT_TRUE(found.IsEqualObject(m_left));
}

TEST_F(FindButtonAtPos, HitHandsOutTheButtonAndItsActiveRegion)
{
    CComPtr<IDSMenuButton> found;
    FloatRect region = {};
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(m_menu, 0.3f, 0.0f, &found, &region), S_OK);
    EXPECT_TRUE(found.IsEqualObject(m_right));
    EXPECT_TRUE(SameRect(region, FloatRect{0.0f, 0.5f, 0.6f, -0.5f}));
    EXPECT_EQ(CDSMenuUtils::FindButtonAtPos(m_menu, 0.3f, 0.0f, nullptr, nullptr), S_OK);
}

TEST_F(FindButtonAtPos, MissReportsNothingHit)
{
    CComPtr<IDSMenuButton> found = m_left;
    EXPECT_EQ(CDSMenuUtils::FindButtonAtPos(m_menu, 0.0f, 0.0f, &found, nullptr),
              E_FINDBUTTONATPOS_NOTHING_HIT);
    EXPECT_FALSE(found);
    EXPECT_EQ(KVUGetErrorStack().size(), 1u);
    EXPECT_TRUE(StackHolds(KVUErrStr(E_FINDBUTTONATPOS_NOTHING_HIT).Text()));
    EXPECT_EQ(CDSMenuUtils::FindButtonAtPos(m_menu, 0.51f, 0.0f, &found, nullptr),
              E_FINDBUTTONATPOS_NOTHING_HIT);
}

TEST_F(FindButtonAtPos, CommandButtonIsHitOnItsThumbnailOnly)
{
    AddOverlay(m_left, OverlayType_Thumbnail, 0.0f, 0.0f, 0.2f, 0.2f);
    EXPECT_EQ(CDSMenuUtils::FindButtonAtPos(m_menu, -0.45f, 0.0f, nullptr, nullptr),
              E_FINDBUTTONATPOS_NOTHING_HIT);
    EXPECT_EQ(CDSMenuUtils::FindButtonAtPos(m_menu, -0.35f, 0.05f, nullptr, nullptr), S_OK);
}

TEST_F(FindButtonAtPos, EmptyThumbnailFallsBackToTheActiveRegion)
{
    AddOverlay(m_left, OverlayType_Thumbnail, 0.0f, 0.0f, 0.0f, 0.0f);
    FloatRect corner = {-0.9f, 0.9f, -0.7f, 0.7f};
    ASSERT_EQ(S_OK, m_left->put_ActiveRegion(&corner, VARIANT_TRUE));
    CComPtr<IDSMenuButton> found;
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(m_menu, -0.8f, 0.8f, &found, nullptr), S_OK);
    EXPECT_TRUE(found.IsEqualObject(m_left));
}

TEST_F(FindButtonAtPos, FirstButtonInElementOrderWinsOverOtherElements)
{
    CComPtr<IDSMenu> stacked = AddMenu();
    AddText(stacked, 0, L"over all", 2.0f, 2.0f);
    CComPtr<IDSMenuButton> first = AddButton(stacked, ButtonType_Command, 0, 0, 1, 1);
    AddButton(stacked, ButtonType_Command, 0, 0, 1, 1);
    CComPtr<IDSMenuButton> found;
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(stacked, 0.0f, 0.0f, &found, nullptr), S_OK);
    EXPECT_TRUE(found.IsEqualObject(first));
}

TEST(FindButtonAtPosRead, UnreadableButtonsArePassedOverWithoutATrace)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutButton> unreadable = menu->Add<LayoutButton>(ButtonType_Command, 0, 0, 1, 1);
    unreadable->Add<LayoutOverlay>(OverlayType_Thumbnail);
    unreadable->regionResult = E_FAIL;
    CComPtr<LayoutButton> second = menu->Add<LayoutButton>(ButtonType_Command, 0, 0, 1, 1);
    CComPtr<IDSMenuButton> found;
    ASSERT_EQ(CDSMenuUtils::FindButtonAtPos(menu, 0.0f, 0.0f, &found, nullptr), S_OK);
    EXPECT_TRUE(found.IsEqualObject(second->GetUnknown()));
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

TEST_F(FindElements, RightAndBottomPixelEdgesAreOutside)
{
    DSMenuElementVec found;
    POINT inside = {359, 239};
    ASSERT_EQ(CDSMenuUtils::FindElementsAtPos(m_menu, &inside, &m_frame, found), S_OK);
    EXPECT_EQ(IDs(found), (std::vector<LONG>{IdOf(m_quarter), IdOf(m_whole)}));
    POINT onRightEdge = {360, 100};
    ASSERT_EQ(CDSMenuUtils::FindElementsAtPos(m_menu, &onRightEdge, &m_frame, found), S_OK);
    EXPECT_EQ(IDs(found), (std::vector<LONG>{IdOf(m_whole)}));
}

TEST_F(FindElements, PixelEdgesAreTruncatedNotRounded)
{
    CComPtr<IDSMenu> menu = AddMenu();
    // Left edge at pixel 0.9, right edge at 3.9: pixels 0, 1 and 2 only.
    CComPtr<IDSMenuText> narrow = AddText(menu, 0, L"narrow", 6.0f / 720, 2.0f);
    ASSERT_EQ(S_OK, narrow->SetPosition(-1.0f + 4.8f / 720, 0.0f));
    DSMenuElementVec found;
    POINT first = {0, 10};
    POINT beyond = {3, 10};
    EXPECT_EQ(CDSMenuUtils::FindElementsAtPos(menu, &first, &m_frame, found), S_OK);
    EXPECT_EQ(CDSMenuUtils::FindElementsAtPos(menu, &beyond, &m_frame, found), S_FALSE);
    EXPECT_TRUE(found.empty());
}

TEST_F(FindElements, AreaKeepsOverlappingElementsOnly)
{
    DSMenuElementVec found;
    RECT overlapping = {350, 230, 400, 300};
    ASSERT_EQ(CDSMenuUtils::FindElementsInArea(m_menu, &overlapping, &m_frame, found), S_OK);
    EXPECT_EQ(IDs(found), (std::vector<LONG>{IdOf(m_quarter), IdOf(m_whole)}));
    RECT touching = {360, 240, 400, 300};
    ASSERT_EQ(CDSMenuUtils::FindElementsInArea(m_menu, &touching, &m_frame, found), S_OK);
    EXPECT_EQ(IDs(found), (std::vector<LONG>{IdOf(m_whole)}));
    RECT outside = {800, 600, 900, 700};
    EXPECT_EQ(CDSMenuUtils::FindElementsInArea(m_menu, &outside, &m_frame, found), S_FALSE);
    EXPECT_EQ(CDSMenuUtils::FindElementsInArea(m_menu, nullptr, &m_frame, found), E_POINTER);
}

TEST(FindElementsRead, ElementsWhoseExtentCannotBeReadArePassedOver)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    menu->Add<LayoutText>(0, 0.0f, 0.0f, 2.0f, 2.0f)->extentResult = E_FAIL;
    CComPtr<LayoutText> readable = menu->Add<LayoutText>(0, 0.0f, 0.0f, 2.0f, 2.0f);
    SIZE frame = {720, 480};
    POINT centre = {360, 240};
    DSMenuElementVec found;
    ASSERT_EQ(CDSMenuUtils::FindElementsAtPos(menu, &centre, &frame, found), S_OK);
    EXPECT_EQ(IDs(found), (std::vector<LONG>{readable->id}));
}

} // namespace

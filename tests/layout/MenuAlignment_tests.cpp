#include "dsutils/DSMenuUtils.h"

#include "LayoutFakes.h"
#include "LayoutModelTest.h"
#include "support/ErrorStackText.h"

#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <gtest/gtest.h>

namespace {

constexpr float kTolerance = 1e-6f;

CFloatRect ExtentOf(IDSMenuElement* element)
{
    CFloatRect extent;
    EXPECT_EQ(element->GetExtent(&extent), S_OK);
    return extent;
}

::testing::AssertionResult IsRect(const FloatRect& actual, float left, float top, float right,
                                  float bottom)
{
    if (std::abs(actual.left - left) <= kTolerance && std::abs(actual.top - top) <= kTolerance &&
        std::abs(actual.right - right) <= kTolerance &&
        std::abs(actual.bottom - bottom) <= kTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << actual.left << ", " << actual.top << ", "
                                         << actual.right << ", " << actual.bottom << ")";
}

// A text, a button aligned by its thumbnail while its label sticks out, and an overlay:
//   text     (-0.2, 0.6, 0.2, 0.4)
//   button   thumbnail (0.35, -0.2, 0.65, -0.4); extent with its label (0.2, -0.2, 0.8, -0.55)
//   overlay  (-0.7, 0.2, -0.5, -0.2)
class MixedElements : public LayoutModelTest
{
protected:
    void SetUp() override
    {
        LayoutModelTest::SetUp();
        m_menu = AddMenu();
        m_text = AddText(m_menu, 0, L"text", 0.4f, 0.2f);
        ASSERT_EQ(S_OK, m_text->SetPosition(0.0f, 0.5f));
        m_button = AddButton(m_menu, ButtonType_Command, 0.5f, -0.3f, 0.2f, 0.2f);
        m_thumbnail = AddOverlay(m_button, OverlayType_Thumbnail, 0.0f, 0.0f, 0.3f, 0.2f);
        m_label = AddText(m_button, TextType_Label, L"label", 0.6f, 0.1f);
        ASSERT_EQ(S_OK, m_label->SetPosition(0.0f, -0.2f));
        m_overlay = AddOverlay(m_menu, OverlayType_Generic, -0.6f, 0.0f, 0.2f, 0.4f);
        m_elements = {m_text.p, m_button.p, m_overlay.p};
    }

    CComPtr<IDSMenu> m_menu;
    CComPtr<IDSMenuText> m_text;
    CComPtr<IDSMenuButton> m_button;
    CComPtr<IDSMenuOverlay> m_thumbnail;
    CComPtr<IDSMenuText> m_label;
    CComPtr<IDSMenuOverlay> m_overlay;
    DSMenuElementVec m_elements;
};

using GetAlignmentRect = MixedElements;
using AlignElements = MixedElements;

TEST_F(GetAlignmentRect, ButtonIsAlignedByItsThumbnailRatherThanItsLabel)
{
    CFloatRect rect;
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(m_button, &rect), S_OK);
    EXPECT_TRUE(IsRect(rect, 0.35f, -0.2f, 0.65f, -0.4f));
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(m_text, &rect), S_OK);
    EXPECT_TRUE(IsRect(rect, -0.2f, 0.6f, 0.2f, 0.4f));
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(m_overlay, &rect), S_OK);
    EXPECT_TRUE(IsRect(rect, -0.7f, 0.2f, -0.5f, -0.2f));
}

TEST_F(GetAlignmentRect, ButtonFrameJoinsTheThumbnail)
{
    AddOverlay(m_button, 0x02, -0.2f, 0.0f, 0.1f, 0.5f);
    CFloatRect rect;
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(m_button, &rect), S_OK);
    EXPECT_TRUE(IsRect(rect, 0.25f, -0.05f, 0.65f, -0.55f));
}

TEST_F(GetAlignmentRect, ButtonWithoutThumbnailUsesItsLabelOrNothing)
{
    CComPtr<IDSMenuButton> labelled = AddButton(m_menu, ButtonType_Command, 0, 0, 1, 1);
    AddText(labelled, TextType_Label, L"label", 0.4f, 0.2f);
    CFloatRect rect;
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(labelled, &rect), S_OK);
    EXPECT_TRUE(IsRect(rect, -0.2f, 0.1f, 0.2f, -0.1f));
    CComPtr<IDSMenuButton> bare = AddButton(m_menu, ButtonType_Command, 0, 0, 1, 1);
    CFloatRect untouched(5, 6, 7, 8);
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(bare, &untouched), S_OK);
    EXPECT_TRUE(IsRect(untouched, 5, 6, 7, 8));
}

TEST_F(GetAlignmentRect, OtherObjectsAreRefused)
{
    CFloatRect rect;
    EXPECT_EQ(CDSMenuUtils::GetAlignmentRect(m_menu, &rect), E_GETALIGNMENTRECT_INVALID_ALIGNMENT);
    EXPECT_TRUE(StackHolds(KVUErrStr(E_GETALIGNMENTRECT_INVALID_ALIGNMENT).Text()));
    EXPECT_EQ(CDSMenuUtils::GetAlignmentRect(nullptr, &rect), E_POINTER);
}

TEST(GetAlignmentRectRead, UnreadableTextStandsInASmallBoxAroundTheCentre)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutText> text = menu->Add<LayoutText>(0, 0.5f, 0.5f, 0.4f, 0.2f);
    text->extentResult = E_FAIL;
    CFloatRect rect;
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(text->GetUnknown(), &rect), S_OK);
    EXPECT_TRUE(IsRect(rect, -0.1f, 0.1f, 0.1f, -0.1f));
}

TEST(GetAlignmentRectRead, UnreadableExtentsAreReportedAndReturned)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutButton> button = menu->Add<LayoutButton>(ButtonType_Command, 0, 0, 1, 1);
    button->Add<LayoutOverlay>(0x02, 0.1f, 0.5f);
    button->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.3f, 0.2f)->extentResult = E_ACCESSDENIED;
    CFloatRect rect;
    EXPECT_EQ(CDSMenuUtils::GetAlignmentRect(button->GetUnknown(), &rect), E_ACCESSDENIED);
    EXPECT_TRUE(StackHolds(L"thumbnail.First()->GetExtent(&cfr)"));
    CComPtr<LayoutOverlay> overlay = menu->Add<LayoutOverlay>(OverlayType_Generic);
    overlay->extentResult = E_ACCESSDENIED;
    EXPECT_EQ(CDSMenuUtils::GetAlignmentRect(overlay->GetUnknown(), &rect), E_ACCESSDENIED);
}

TEST_F(AlignElements, LeftEdgesMeetTheReferenceByEachKindsRectangle)
{
    ASSERT_EQ(CDSMenuUtils::AlignElements(m_elements, 1), S_OK);
    EXPECT_NEAR(ExtentOf(m_text).left, -0.2f, kTolerance);
    EXPECT_NEAR(ExtentOf(m_thumbnail).left, -0.2f, kTolerance);
    EXPECT_NEAR(ExtentOf(m_overlay).left, -0.2f, kTolerance);
    EXPECT_TRUE(IsAt(m_button, -0.05f, -0.3f));
    EXPECT_TRUE(IsAt(m_overlay, -0.1f, 0.0f));
}

TEST_F(AlignElements, RightAndBottomEdgesMeetTheReference)
{
    ASSERT_EQ(CDSMenuUtils::AlignElements(m_elements, 2), S_OK);
    EXPECT_NEAR(ExtentOf(m_thumbnail).right, 0.2f, kTolerance);
    EXPECT_NEAR(ExtentOf(m_overlay).right, 0.2f, kTolerance);
    ASSERT_EQ(CDSMenuUtils::AlignElements(m_elements, 5), S_OK);
    EXPECT_NEAR(ExtentOf(m_text).bottom, 0.4f, kTolerance);
    EXPECT_NEAR(ExtentOf(m_thumbnail).bottom, 0.4f, kTolerance);
    EXPECT_NEAR(ExtentOf(m_overlay).bottom, 0.4f, kTolerance);
}

TEST_F(AlignElements, TopEdgesOfTextsMeetAndTheirXIsKept)
{
    CComPtr<IDSMenuText> second = AddText(m_menu, 0, L"second", 0.3f, 0.5f);
    ASSERT_EQ(S_OK, second->SetPosition(-0.4f, -0.2f));
    CComPtr<IDSMenuText> third = AddText(m_menu, 0, L"third", 0.2f, 0.1f);
    ASSERT_EQ(S_OK, third->SetPosition(0.7f, 0.0f));
    ASSERT_EQ(CDSMenuUtils::AlignElements({m_text.p, second.p, third.p}, 4), S_OK);
    for (IDSMenuText* text : {m_text.p, second.p, third.p})
        EXPECT_NEAR(ExtentOf(text).top, 0.6f, kTolerance);
    EXPECT_TRUE(IsAt(second, -0.4f, 0.35f));
    EXPECT_TRUE(IsAt(third, 0.7f, 0.55f));
}

TEST_F(AlignElements, CentreModesPutEveryCentreOnTheReferenceCentre)
{
    ASSERT_EQ(CDSMenuUtils::AlignElements(m_elements, 6), S_OK);
    EXPECT_TRUE(IsAt(m_button, 0.0f, -0.3f));
    EXPECT_TRUE(IsAt(m_overlay, 0.0f, 0.0f));
    ASSERT_EQ(CDSMenuUtils::AlignElements(m_elements, 3), S_OK);
    EXPECT_TRUE(IsAt(m_button, 0.0f, 0.5f));
    EXPECT_TRUE(IsAt(m_overlay, 0.0f, 0.5f));
}

TEST_F(AlignElements, UnknownModeMovesNothing)
{
    ASSERT_EQ(CDSMenuUtils::AlignElements(m_elements, 7), S_OK);
    EXPECT_TRUE(IsAt(m_button, 0.5f, -0.3f));
    EXPECT_TRUE(IsAt(m_overlay, -0.6f, 0.0f));
    EXPECT_EQ(CDSMenuUtils::AlignElements({}, 1), S_OK);
    EXPECT_EQ(CDSMenuUtils::AlignElements({m_text.p, nullptr}, 1), E_POINTER);
}

TEST(AlignElementsRead, UnreadableReferenceStopsBeforeAnythingMoves)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutText> reference = menu->Add<LayoutText>(0, 0.0f, 0.0f, 0.2f, 0.2f);
    reference->extentResult = E_ACCESSDENIED;
    CComPtr<LayoutOverlay> overlay = menu->Add<LayoutOverlay>(0, 0.5f, 0.0f, 0.2f, 0.2f);
    EXPECT_EQ(CDSMenuUtils::AlignElements({reference.p, overlay.p}, 1), E_ACCESSDENIED);
    EXPECT_TRUE(StackHolds(L"pElement->GetExtent(&edges)"));
}

} // namespace

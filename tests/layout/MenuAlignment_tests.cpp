#include "dsutils/DSMenuUtils.h"

#include "LayoutFakes.h"
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

// A text, a button aligned by its thumbnail while its label sticks out, and an overlay:
//   text     (-0.2, 0.6, 0.2, 0.4)
//   button   thumbnail (0.35, -0.2, 0.65, -0.4); extent with its label (0.2, -0.2, 0.8, -0.55)
//   overlay  (-0.7, 0.2, -0.5, -0.2)
struct MixedElements
{
    MixedElements()
    {
        menu = LayoutMenu::Create();
        text = menu->Add<LayoutText>(0, 0.0f, 0.5f, 0.4f, 0.2f);
        button = menu->Add<LayoutButton>(ButtonType_Command, 0.5f, -0.3f, 0.2f, 0.2f);
        thumbnail = button->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.3f, 0.2f);
        label = button->Add<LayoutText>(TextType_Label, 0.6f, 0.1f);
        label->y = -0.2f;
        overlay = menu->Add<LayoutOverlay>(OverlayType_Generic, -0.6f, 0.0f, 0.2f, 0.4f);
        elements = {text.p, button.p, overlay.p};
    }

    CComPtr<LayoutMenu> menu;
    CComPtr<LayoutText> text;
    CComPtr<LayoutButton> button;
    CComPtr<LayoutOverlay> thumbnail;
    CComPtr<LayoutText> label;
    CComPtr<LayoutOverlay> overlay;
    DSMenuElementVec elements;
};

TEST(GetAlignmentRect, TextIsAlignedByItsExtentOrASmallBoxAroundTheCentre)
{
    MixedElements mixed;
    CFloatRect rect;
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(mixed.text, &rect), S_OK);
    EXPECT_NEAR(rect.left, -0.2f, kTolerance);
    EXPECT_NEAR(rect.top, 0.6f, kTolerance);
    mixed.text->extentResult = E_FAIL;
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(mixed.text, &rect), S_OK);
    EXPECT_FLOAT_EQ(rect.left, -0.1f);
    EXPECT_FLOAT_EQ(rect.top, 0.1f);
    EXPECT_FLOAT_EQ(rect.right, 0.1f);
    EXPECT_FLOAT_EQ(rect.bottom, -0.1f);
}

TEST(GetAlignmentRect, ButtonIsAlignedByItsThumbnailRatherThanItsLabel)
{
    MixedElements mixed;
    CFloatRect rect;
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(mixed.button->GetUnknown(), &rect), S_OK);
    EXPECT_NEAR(rect.left, 0.35f, kTolerance);
    EXPECT_NEAR(rect.top, -0.2f, kTolerance);
    EXPECT_NEAR(rect.right, 0.65f, kTolerance);
    EXPECT_NEAR(rect.bottom, -0.4f, kTolerance);
}

TEST(GetAlignmentRect, ButtonFrameJoinsTheThumbnail)
{
    MixedElements mixed;
    CComPtr<LayoutOverlay> frame = mixed.button->Add<LayoutOverlay>(0x02, 0.1f, 0.5f);
    frame->x = -0.2f;
    CFloatRect rect;
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(mixed.button->GetUnknown(), &rect), S_OK);
    EXPECT_NEAR(rect.left, 0.25f, kTolerance);
    EXPECT_NEAR(rect.top, -0.05f, kTolerance);
    EXPECT_NEAR(rect.right, 0.65f, kTolerance);
    EXPECT_NEAR(rect.bottom, -0.55f, kTolerance);
    mixed.thumbnail->extentResult = E_ACCESSDENIED;
    EXPECT_EQ(CDSMenuUtils::GetAlignmentRect(mixed.button->GetUnknown(), &rect), E_ACCESSDENIED);
    EXPECT_TRUE(StackHolds(L"thumbnail.First()->GetExtent(&cfr)"));
}

TEST(GetAlignmentRect, ButtonWithoutThumbnailUsesItsLabelOrNothing)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutButton> labelled = menu->Add<LayoutButton>(ButtonType_Command, 0, 0, 1, 1);
    labelled->Add<LayoutText>(TextType_Label, 0.4f, 0.2f);
    CFloatRect rect;
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(labelled->GetUnknown(), &rect), S_OK);
    EXPECT_NEAR(rect.left, -0.2f, kTolerance);
    EXPECT_NEAR(rect.top, 0.1f, kTolerance);
    CComPtr<LayoutButton> bare = menu->Add<LayoutButton>(ButtonType_Command, 0, 0, 1, 1);
    CFloatRect untouched(5, 6, 7, 8);
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(bare->GetUnknown(), &untouched), S_OK);
    EXPECT_EQ(untouched.left, 5.0f);
    EXPECT_EQ(untouched.bottom, 8.0f);
}

TEST(GetAlignmentRect, OtherElementsUseTheirExtentAndOtherObjectsAreRefused)
{
    MixedElements mixed;
    CFloatRect rect;
    ASSERT_EQ(CDSMenuUtils::GetAlignmentRect(mixed.overlay, &rect), S_OK);
    EXPECT_NEAR(rect.left, -0.7f, kTolerance);
    mixed.overlay->extentResult = E_ACCESSDENIED;
    EXPECT_EQ(CDSMenuUtils::GetAlignmentRect(mixed.overlay, &rect), E_ACCESSDENIED);
    EXPECT_EQ(CDSMenuUtils::GetAlignmentRect(mixed.menu->GetUnknown(), &rect),
              E_GETALIGNMENTRECT_INVALID_ALIGNMENT);
    EXPECT_TRUE(StackHolds(KVUErrStr(E_GETALIGNMENTRECT_INVALID_ALIGNMENT).Text()));
    EXPECT_EQ(CDSMenuUtils::GetAlignmentRect(nullptr, &rect), E_POINTER);
}

TEST(AlignElements, LeftEdgesMeetTheReferenceByEachKindsRectangle)
{
    MixedElements mixed;
    ASSERT_EQ(CDSMenuUtils::AlignElements(mixed.elements, 1), S_OK);
    EXPECT_NEAR(ExtentOf(mixed.text).left, -0.2f, kTolerance);
    EXPECT_NEAR(ExtentOf(mixed.thumbnail).left, -0.2f, kTolerance);
    EXPECT_NEAR(ExtentOf(mixed.overlay).left, -0.2f, kTolerance);
    EXPECT_FLOAT_EQ(mixed.button->y, -0.3f);
    EXPECT_FLOAT_EQ(mixed.overlay->y, 0.0f);
}

TEST(AlignElements, RightAndBottomEdgesMeetTheReference)
{
    MixedElements mixed;
    ASSERT_EQ(CDSMenuUtils::AlignElements(mixed.elements, 2), S_OK);
    EXPECT_NEAR(ExtentOf(mixed.thumbnail).right, 0.2f, kTolerance);
    EXPECT_NEAR(ExtentOf(mixed.overlay).right, 0.2f, kTolerance);
    ASSERT_EQ(CDSMenuUtils::AlignElements(mixed.elements, 5), S_OK);
    EXPECT_NEAR(ExtentOf(mixed.text).bottom, 0.4f, kTolerance);
    EXPECT_NEAR(ExtentOf(mixed.thumbnail).bottom, 0.4f, kTolerance);
    EXPECT_NEAR(ExtentOf(mixed.overlay).bottom, 0.4f, kTolerance);
}

TEST(AlignElements, TopEdgesOfTextsMeetAndTheirXIsKept)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutText> first = menu->Add<LayoutText>(0, 0.1f, 0.5f, 0.4f, 0.2f);
    CComPtr<LayoutText> second = menu->Add<LayoutText>(0, -0.4f, -0.2f, 0.3f, 0.5f);
    CComPtr<LayoutText> third = menu->Add<LayoutText>(0, 0.7f, 0.0f, 0.2f, 0.1f);
    ASSERT_EQ(CDSMenuUtils::AlignElements({first.p, second.p, third.p}, 4), S_OK);
    for (LayoutText* text : {first.p, second.p, third.p})
        EXPECT_NEAR(ExtentOf(text).top, 0.6f, kTolerance);
    EXPECT_FLOAT_EQ(second->x, -0.4f);
    EXPECT_FLOAT_EQ(third->x, 0.7f);
}

TEST(AlignElements, CentreModesPutEveryCentreOnTheReferenceCentre)
{
    MixedElements mixed;
    ASSERT_EQ(CDSMenuUtils::AlignElements(mixed.elements, 6), S_OK);
    EXPECT_FLOAT_EQ(mixed.button->x, 0.0f);
    EXPECT_FLOAT_EQ(mixed.overlay->x, 0.0f);
    EXPECT_FLOAT_EQ(mixed.overlay->y, 0.0f);
    ASSERT_EQ(CDSMenuUtils::AlignElements(mixed.elements, 3), S_OK);
    EXPECT_NEAR(mixed.button->y, 0.5f, kTolerance);
    EXPECT_NEAR(mixed.overlay->y, 0.5f, kTolerance);
}

TEST(AlignElements, UnknownModeMovesNothing)
{
    MixedElements mixed;
    ASSERT_EQ(CDSMenuUtils::AlignElements(mixed.elements, 7), S_OK);
    EXPECT_FLOAT_EQ(mixed.button->x, 0.5f);
    EXPECT_FLOAT_EQ(mixed.overlay->x, -0.6f);
    EXPECT_EQ(CDSMenuUtils::AlignElements({}, 1), S_OK);
}

TEST(AlignElements, UnreadableReferenceStopsBeforeAnythingMoves)
{
    MixedElements mixed;
    mixed.text->extentResult = E_ACCESSDENIED;
    EXPECT_EQ(CDSMenuUtils::AlignElements(mixed.elements, 1), E_ACCESSDENIED);
    EXPECT_FLOAT_EQ(mixed.overlay->x, -0.6f);
    EXPECT_TRUE(StackHolds(L"pElement->GetExtent(&edges)"));
    EXPECT_EQ(CDSMenuUtils::AlignElements({mixed.text.p, nullptr}, 1), E_POINTER);
}

} // namespace

#include "dsutils/DSMenuUtils.h"

#include "LayoutFakes.h"
#include "support/ErrorStackText.h"

#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <gtest/gtest.h>

namespace {

// A command button with a frame (tag 8) showing a picture, a thumbnail and a label.
struct ThumbnailButton
{
    ThumbnailButton(LayoutMenu* menu, float x, float scale, const wchar_t* picture = L"frame.png")
    {
        button = menu->Add<LayoutButton>(ButtonType_Command, x, 0.0f, 0.5f, 0.5f);
        frame = button->Add<LayoutOverlay>(0x08, 0.4f * scale, 0.3f * scale);
        frame->source = picture;
        thumbnail = button->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.3f * scale, 0.2f * scale);
        thumbnail->y = 0.05f * scale;
        label = button->Add<LayoutText>(TextType_Label, 0.4f, 0.1f);
        label->y = -0.2f * scale;
        label->alignment = scale > 1.0f ? TextAlign_TopLeft : TextAlign_BottomRight;
    }

    CComPtr<LayoutButton> button;
    CComPtr<LayoutOverlay> frame;
    CComPtr<LayoutOverlay> thumbnail;
    CComPtr<LayoutText> label;
};

TEST(MakeButtonsSameSize, AlikeCommandButtonsTakeTheKeysProportionsAndKeepTheirPlace)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    ThumbnailButton key(menu, -0.5f, 1.0f);
    ThumbnailButton other(menu, 0.5f, 2.0f);
    ASSERT_EQ(CDSMenuUtils::MakeButtonsSameSize(key.button), S_OK);
    EXPECT_FLOAT_EQ(other.frame->width, 0.4f);
    EXPECT_FLOAT_EQ(other.frame->height, 0.3f);
    EXPECT_FLOAT_EQ(other.thumbnail->width, 0.3f);
    EXPECT_FLOAT_EQ(other.thumbnail->y, 0.05f);
    EXPECT_FLOAT_EQ(other.label->y, -0.2f);
    EXPECT_EQ(other.label->alignment, TextAlign_BottomRight);
    EXPECT_FLOAT_EQ(other.button->x, 0.5f);
    EXPECT_FLOAT_EQ(key.thumbnail->width, 0.3f);
}

TEST(MakeButtonsSameSize, ButtonsWithoutThumbnailsMatchTheirOtherParts)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    ThumbnailButton key(menu, -0.5f, 1.0f);
    ThumbnailButton other(menu, 0.5f, 2.0f);
    for (ThumbnailButton* button : {&key, &other})
        button->button->elements.erase(button->button->elements.begin() + 1);
    ASSERT_EQ(CDSMenuUtils::MakeButtonsSameSize(key.button), S_OK);
    EXPECT_FLOAT_EQ(other.frame->width, 0.4f);
    EXPECT_FLOAT_EQ(other.label->y, -0.2f);
}

TEST(MakeButtonsSameSize, ButtonsBuiltOtherwiseAreLeftAlone)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    ThumbnailButton key(menu, -0.5f, 1.0f);
    ThumbnailButton otherPicture(menu, 0.0f, 2.0f, L"other.png");
    ThumbnailButton extraChild(menu, 0.5f, 2.0f);
    extraChild.button->Add<LayoutText>(0, 0.1f, 0.1f);
    ASSERT_EQ(CDSMenuUtils::MakeButtonsSameSize(key.button), S_OK);
    EXPECT_FLOAT_EQ(otherPicture.thumbnail->width, 0.6f);
    EXPECT_FLOAT_EQ(extraChild.thumbnail->width, 0.6f);
}

TEST(MakeButtonsSameSize, NavigationButtonsWithoutLabelsTakeTheKeysOverlays)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutButton> key = menu->Add<LayoutButton>(ButtonType_Next, -0.8f, -0.8f);
    key->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.1f, 0.1f);
    CComPtr<LayoutButton> prev = menu->Add<LayoutButton>(ButtonType_Prev, 0.8f, -0.8f);
    CComPtr<LayoutOverlay> arrow = prev->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.3f, 0.3f);
    CComPtr<LayoutButton> home = menu->Add<LayoutButton>(ButtonType_Home, 0.0f, -0.8f);
    CComPtr<LayoutOverlay> house = home->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.3f, 0.3f);
    home->Add<LayoutText>(TextType_Label);
    ASSERT_EQ(CDSMenuUtils::MakeButtonsSameSize(key), S_OK);
    EXPECT_FLOAT_EQ(arrow->width, 0.1f);
    EXPECT_FLOAT_EQ(house->width, 0.3f);
}

TEST(MakeButtonsSameSize, OverlayMissingOnOneSideFailsAtOnce)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutButton> key = menu->Add<LayoutButton>(ButtonType_Next);
    key->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.1f, 0.1f);
    menu->Add<LayoutButton>(ButtonType_Prev);
    CComPtr<LayoutButton> later = menu->Add<LayoutButton>(ButtonType_Up);
    CComPtr<LayoutOverlay> arrow = later->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.3f, 0.3f);
    EXPECT_EQ(CDSMenuUtils::MakeButtonsSameSize(key), E_MAKEBUTTONSSAMESIZE_ELEMENT_MISSING);
    EXPECT_TRUE(StackHolds(KVUErrStr(E_MAKEBUTTONSSAMESIZE_ELEMENT_MISSING).Text()));
    EXPECT_TRUE(StackHolds(L"ResizeOverlay(ovlElem1.First(),ovlElem2.First())"));
    EXPECT_FLOAT_EQ(arrow->width, 0.3f);
}

TEST(MakeButtonsSameSize, OtherKeysChangeNothingAndNullIsRefused)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutButton> key = menu->Add<LayoutButton>(ButtonType_ChapterRange);
    key->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.1f, 0.1f);
    CComPtr<LayoutButton> other = menu->Add<LayoutButton>(ButtonType_ChapterRange);
    CComPtr<LayoutOverlay> thumbnail = other->Add<LayoutOverlay>(OverlayType_Thumbnail, 0.3f, 0.3f);
    EXPECT_EQ(CDSMenuUtils::MakeButtonsSameSize(key), S_OK);
    EXPECT_FLOAT_EQ(thumbnail->width, 0.3f);
    EXPECT_EQ(CDSMenuUtils::MakeButtonsSameSize(nullptr), E_POINTER);
    EXPECT_TRUE(StackHolds(L"NULL = pKeyButton"));
}

} // namespace

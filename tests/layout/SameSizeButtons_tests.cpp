#include "dsutils/DSMenuUtils.h"

#include "LayoutModelTest.h"
#include "support/ErrorStackText.h"

#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

#include <gtest/gtest.h>

namespace {

class MakeButtonsSameSize : public LayoutModelTest
{
protected:
    void SetUp() override
    {
        LayoutModelTest::SetUp();
        m_menu = AddMenu();
    }

    // A command button with a frame (tag 8) showing a picture, a thumbnail and a label, with
    // their sizes and places scaled.
    struct Parts
    {
        CComPtr<IDSMenuButton> button;
        CComPtr<IDSMenuOverlay> frame;
        CComPtr<IDSMenuOverlay> thumbnail;
        CComPtr<IDSMenuText> label;
    };
    Parts AddThumbnailButton(float x, float scale, const wchar_t* picture = L"frame.png")
    {
        Parts parts;
        parts.button = AddButton(m_menu, ButtonType_Command, x, 0.0f, 0.5f, 0.5f);
        parts.frame = AddOverlay(parts.button, 0x08, 0.0f, 0.0f, 0.4f * scale, 0.3f * scale);
        EXPECT_EQ(S_OK, parts.frame->put_Source(CComBSTR(picture)));
        parts.thumbnail = AddOverlay(parts.button, OverlayType_Thumbnail, 0.0f, 0.05f * scale,
                                     0.3f * scale, 0.2f * scale);
        parts.label = AddText(parts.button, TextType_Label, L"label", 0.4f, 0.1f);
        EXPECT_EQ(S_OK, parts.label->SetPosition(0.0f, -0.2f * scale));
        EXPECT_EQ(S_OK, parts.label->put_Alignment(scale > 1.0f ? TextAlign_TopLeft
                                                                : TextAlign_BottomRight));
        return parts;
    }

    static float WidthOf(IDSMenuElement* element)
    {
        float width = 0.0f;
        float height = 0.0f;
        element->GetSize(&width, &height);
        return width;
    }

    CComPtr<IDSMenu> m_menu;
};

TEST_F(MakeButtonsSameSize, AlikeCommandButtonsTakeTheKeysProportionsAndKeepTheirPlace)
{
    Parts key = AddThumbnailButton(-0.5f, 1.0f);
    Parts other = AddThumbnailButton(0.5f, 2.0f);
    ASSERT_EQ(CDSMenuUtils::MakeButtonsSameSize(key.button), S_OK);
    EXPECT_FLOAT_EQ(WidthOf(other.frame), 0.4f);
    EXPECT_FLOAT_EQ(WidthOf(other.thumbnail), 0.3f);
    EXPECT_TRUE(IsAt(other.thumbnail, 0.0f, 0.05f));
    EXPECT_TRUE(IsAt(other.label, 0.0f, -0.2f));
    LONG code = 0;
    other.label->get_Alignment(&code);
    EXPECT_EQ(code, TextAlign_BottomRight);
    EXPECT_TRUE(IsAt(other.button, 0.5f, 0.0f));
    EXPECT_FLOAT_EQ(WidthOf(key.thumbnail), 0.3f);
}

TEST_F(MakeButtonsSameSize, ButtonsWithoutThumbnailsMatchTheirOtherParts)
{
    Parts key = AddThumbnailButton(-0.5f, 1.0f);
    Parts other = AddThumbnailButton(0.5f, 2.0f);
    for (Parts* parts : {&key, &other}) {
        LONG id = 0;
        parts->thumbnail->get_ID(&id);
        ASSERT_EQ(S_OK, CComQIPtr<IDSMenuElementList>(parts->button)->RemoveElement(id, nullptr));
    }
    ASSERT_EQ(CDSMenuUtils::MakeButtonsSameSize(key.button), S_OK);
    EXPECT_FLOAT_EQ(WidthOf(other.frame), 0.4f);
    EXPECT_TRUE(IsAt(other.label, 0.0f, -0.2f));
}

TEST_F(MakeButtonsSameSize, ButtonsBuiltOtherwiseAreLeftAlone)
{
    Parts key = AddThumbnailButton(-0.5f, 1.0f);
    Parts otherPicture = AddThumbnailButton(0.0f, 2.0f, L"other.png");
    Parts extraChild = AddThumbnailButton(0.5f, 2.0f);
    AddText(extraChild.button, 0, L"extra");
    ASSERT_EQ(CDSMenuUtils::MakeButtonsSameSize(key.button), S_OK);
    EXPECT_FLOAT_EQ(WidthOf(otherPicture.thumbnail), 0.6f);
    EXPECT_FLOAT_EQ(WidthOf(extraChild.thumbnail), 0.6f);
}

TEST_F(MakeButtonsSameSize, NavigationButtonsWithoutLabelsTakeTheKeysOverlays)
{
    CComPtr<IDSMenuButton> key = AddButton(m_menu, ButtonType_Next, -0.8f, -0.8f);
    AddOverlay(key, OverlayType_Thumbnail, 0, 0, 0.1f, 0.1f);
    CComPtr<IDSMenuButton> prev = AddButton(m_menu, ButtonType_Prev, 0.8f, -0.8f);
    CComPtr<IDSMenuOverlay> arrow = AddOverlay(prev, OverlayType_Thumbnail, 0, 0, 0.3f, 0.3f);
    CComPtr<IDSMenuButton> home = AddButton(m_menu, ButtonType_Home, 0.0f, -0.8f);
    CComPtr<IDSMenuOverlay> house = AddOverlay(home, OverlayType_Thumbnail, 0, 0, 0.3f, 0.3f);
    AddText(home, TextType_Label, L"Home");
    ASSERT_EQ(CDSMenuUtils::MakeButtonsSameSize(key), S_OK);
    EXPECT_FLOAT_EQ(WidthOf(arrow), 0.1f);
    EXPECT_FLOAT_EQ(WidthOf(house), 0.3f);
}

TEST_F(MakeButtonsSameSize, OverlayMissingOnOneSideFailsAtOnce)
{
    CComPtr<IDSMenuButton> key = AddButton(m_menu, ButtonType_Next);
    AddOverlay(key, OverlayType_Thumbnail, 0, 0, 0.1f, 0.1f);
    AddButton(m_menu, ButtonType_Prev);
    CComPtr<IDSMenuButton> later = AddButton(m_menu, ButtonType_Up);
    CComPtr<IDSMenuOverlay> arrow = AddOverlay(later, OverlayType_Thumbnail, 0, 0, 0.3f, 0.3f);
    EXPECT_EQ(CDSMenuUtils::MakeButtonsSameSize(key), E_MAKEBUTTONSSAMESIZE_ELEMENT_MISSING);
    EXPECT_TRUE(StackHolds(KVUErrStr(E_MAKEBUTTONSSAMESIZE_ELEMENT_MISSING).Text()));
    EXPECT_TRUE(StackHolds(L"ResizeOverlay(ovlElem1.First(),ovlElem2.First())"));
    // The code's text and the step that failed, and no further line for the same failure.
    EXPECT_EQ(KVUGetErrorStack().size(), 2u);
    EXPECT_FLOAT_EQ(WidthOf(arrow), 0.3f);
}

TEST_F(MakeButtonsSameSize, OtherKeysChangeNothingAndNullIsRefused)
{
    CComPtr<IDSMenuButton> key = AddButton(m_menu, ButtonType_ChapterRange);
    AddOverlay(key, OverlayType_Thumbnail, 0, 0, 0.1f, 0.1f);
    CComPtr<IDSMenuButton> other = AddButton(m_menu, ButtonType_ChapterRange);
    CComPtr<IDSMenuOverlay> thumbnail = AddOverlay(other, OverlayType_Thumbnail, 0, 0, 0.3f, 0.3f);
    EXPECT_EQ(CDSMenuUtils::MakeButtonsSameSize(key), S_OK);
    EXPECT_FLOAT_EQ(WidthOf(thumbnail), 0.3f);
    EXPECT_EQ(CDSMenuUtils::MakeButtonsSameSize(nullptr), E_POINTER);
    EXPECT_TRUE(StackHolds(L"NULL = pKeyButton"));
}

} // namespace

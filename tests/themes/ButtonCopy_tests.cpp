#include "ThemeTest.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "model/IDSCommandList.h"

#include "platform/ResultCodes.h"

#include <gtest/gtest.h>

namespace {

// A user's command button on the themed main menu: moved, labelled, and showing a picture
// of its own as a still.
class ButtonStyles : public ThemedProject
{
protected:
    ButtonStyles()
    {
        EXPECT_EQ(S_OK, CDSMenuUtils::AddButton(m_main, &m_button, ButtonType_Command, 0));
        EXPECT_EQ(S_OK, m_button->SetPosition(0.3f, -0.4f));
        EXPECT_EQ(S_OK, FirstTextOf(m_button, TextType_Label)->put_Label(CComBSTR(L"Holiday")));
        m_picture = Picture("holiday.png", kUserThumbnail);
        CComPtr<IDSMenuOverlay> thumbnail = FirstOverlayOf(m_button, OverlayType_Thumbnail);
        EXPECT_EQ(S_OK, thumbnail->put_Source(CComBSTR(m_picture)));
        EXPECT_EQ(S_OK, thumbnail->SetSourceType(OverlaySource_File, 0));
        EXPECT_EQ(S_OK, thumbnail->put_StillImage(VARIANT_TRUE));
    }

    // A style: a button of that tag with a larger thumbnail and a label of its own.
    CComPtr<IDSMenuButton> Style(ULONG tag)
    {
        CComPtr<IDSMenuButton> style = ::AddButton(m_mainTemplate);
        EXPECT_EQ(S_OK, style->put_Tag(tag));
        EXPECT_EQ(S_OK, style->SetPosition(0.7f, 0.7f));
        CComPtr<IDSMenuOverlay> thumbnail = ::AddOverlay(style);
        EXPECT_EQ(S_OK, thumbnail->put_Tag(OverlayType_Thumbnail));
        EXPECT_EQ(S_OK, thumbnail->SetSize(0.6f, 0.5f));
        EXPECT_EQ(S_OK, thumbnail->put_Source(CComBSTR(L"style-placeholder.png")));
        CComPtr<IDSMenuText> label = ::AddText(style);
        EXPECT_EQ(S_OK, label->put_Tag(TextType_Label));
        EXPECT_EQ(S_OK, label->put_Label(CComBSTR(L"Style words")));
        return style;
    }

    ::testing::AssertionResult ShowsTheUsersPicture(IDSMenuButton* button)
    {
        CComPtr<IDSMenuOverlay> thumbnail = FirstOverlayOf(button, OverlayType_Thumbnail);
        CComBSTR source;
        LONG type = 0;
        LONG id = 0;
        VARIANT_BOOL still = VARIANT_FALSE;
        thumbnail->get_Source(&source);
        thumbnail->GetSourceType(&type, &id);
        thumbnail->get_StillImage(&still);
        if (source.Str() == m_picture && type == OverlaySource_File && still == VARIANT_TRUE)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "shows " << source.Str().size() << " chars, type " << type << ", still " << still;
    }

    static float ThumbnailWidth(IDSMenuButton* button)
    {
        float width = 0.0f;
        float height = 0.0f;
        FirstOverlayOf(button, OverlayType_Thumbnail)->GetSize(&width, &height);
        return width;
    }

    void PlayChapter(IDSMenuButton* button, int chapter)
    {
        DiscCommandParams play = {DiscCommand_PlayTitle, GetID(m_title), chapter, nullptr};
        EXPECT_EQ(S_OK, CComQIPtr<IDSCommandList>(button)->SetCommands(1, &play));
    }

    CComPtr<IDSMenuButton> m_button;
    std::wstring m_picture;
};

TEST_F(ButtonStyles, CommandStyleKeepsLabelThumbnailPictureAndPlace)
{
    ASSERT_EQ(S_OK, CMenuStyleUtil::ButtonCopy(m_button, Style(ButtonType_Command), true));
    EXPECT_TRUE(IsAt(m_button, 0.3f, -0.4f));
    EXPECT_EQ(LabelOf(FirstTextOf(m_button, TextType_Label)), L"Holiday");
    EXPECT_TRUE(ShowsTheUsersPicture(m_button));
    EXPECT_FLOAT_EQ(ThumbnailWidth(m_button), 0.6f) << "the style's look";
}

TEST_F(ButtonStyles, NavigationStyleMovesTheButtonToItsPlace)
{
    CComPtr<IDSMenuButton> next = ::AddButton(m_main);
    ASSERT_EQ(S_OK, next->put_Tag(ButtonType_Next));
    ASSERT_EQ(S_OK, CMenuStyleUtil::ButtonCopy(next, FirstButtonOf(m_mainTemplate, ButtonType_Next),
                                               true));
    EXPECT_TRUE(IsAt(next, TestThemeLayout::kNextX, TestThemeLayout::kNextY));
}

TEST_F(ButtonStyles, ButtonWithoutWordsIsLabelledFromItsLink)
{
    CComPtr<IDSMenuButton> chapterButton = ::AddButton(m_main);
    PlayChapter(chapterButton, 3);
    ASSERT_EQ(S_OK, CMenuStyleUtil::ButtonCopy(chapterButton, Style(ButtonType_Command), true));
    EXPECT_EQ(LabelOf(FirstTextOf(chapterButton, TextType_Label)), L"3");

    CComPtr<IDSMenuButton> titleButton = ::AddButton(m_main);
    ASSERT_EQ(S_OK, m_title->put_Name(CComBSTR(L"Summer")));
    PlayChapter(titleButton, 1);
    ASSERT_EQ(S_OK, CMenuStyleUtil::ButtonCopy(titleButton, Style(ButtonType_Command), true));
    EXPECT_EQ(LabelOf(FirstTextOf(titleButton, TextType_Label)), L"Summer");

    // A navigation style brings its own words.
    CComPtr<IDSMenuButton> up = ::AddButton(m_main);
    ASSERT_EQ(S_OK, CMenuStyleUtil::ButtonCopy(up, Style(ButtonType_Up), true));
    EXPECT_EQ(LabelOf(FirstTextOf(up, TextType_Label)), L"Style words");

    // Without the text update the style's words stay.
    CComPtr<IDSMenuButton> plain = ::AddButton(m_main);
    PlayChapter(plain, 3);
    ASSERT_EQ(S_OK, CMenuStyleUtil::ButtonCopy(plain, Style(ButtonType_Command), false));
    EXPECT_EQ(LabelOf(FirstTextOf(plain, TextType_Label)), L"Style words");
}

TEST_F(ButtonStyles, ApplyBtnStyleNeverMovesAButtonOrChangesItsTag)
{
    CComPtr<IDSMenuButton> home = ::AddButton(m_main);
    ASSERT_EQ(S_OK, home->put_Tag(ButtonType_Home));
    ASSERT_EQ(S_OK, home->SetPosition(-0.1f, -0.2f));
    for (ULONG styleTag : {ULONG(ButtonType_Next), ULONG(ButtonType_Command)}) {
        ASSERT_EQ(S_OK, CDSMenuUtils::ApplyBtnStyle(home, Style(styleTag)));
        EXPECT_TRUE(IsAt(home, -0.1f, -0.2f));
        EXPECT_EQ(GetTag(home), ULONG(ButtonType_Home));
    }
    ASSERT_EQ(S_OK, CDSMenuUtils::ApplyBtnStyle(m_button, Style(ButtonType_Next)));
    EXPECT_TRUE(IsAt(m_button, 0.3f, -0.4f));
    EXPECT_EQ(GetTag(m_button), ULONG(ButtonType_Command));
    EXPECT_TRUE(ShowsTheUsersPicture(m_button));
}

TEST_F(ButtonStyles, SameStyleGivesTheOtherButtonsOfTheKeysKindItsLook)
{
    CComPtr<IDSMenuButton> other;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(m_main, &other, ButtonType_Command, 0));
    CComPtr<IDSMenuButton> next;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(m_main, &next, ButtonType_Next, 0));
    ASSERT_EQ(S_OK, FirstOverlayOf(m_button, OverlayType_Thumbnail)->SetSize(0.25f, 0.2f));
    ASSERT_EQ(S_OK, CDSMenuUtils::MakeButtonsSameStyle(m_button));
    EXPECT_FLOAT_EQ(ThumbnailWidth(other), 0.25f);
    EXPECT_TRUE(IsAt(other, TestThemeLayout::kCommandX, TestThemeLayout::kCommandY));
    EXPECT_EQ(LabelOf(FirstTextOf(other, TextType_Label)), L"Movie");
    EXPECT_EQ(Count(next), 1) << "a Next button is no command button";
    EXPECT_EQ(E_POINTER, CDSMenuUtils::MakeButtonsSameStyle(nullptr));
}

TEST_F(ButtonStyles, AllButtonsOfAKindTakeTheTemplatesOrTheStyleButtonsLook)
{
    EXPECT_EQ(E_APPLYALLBUTTONS_NO_TEMPLATE_BUTTON,
              CDSMenuUtils::ApplyAllButtons(m_main, ButtonType_ChapterRange));
    ASSERT_EQ(S_OK, FirstOverlayOf(m_button, OverlayType_Thumbnail)->SetSize(0.1f, 0.1f));
    ASSERT_EQ(S_OK, CDSMenuUtils::ApplyAllButtons(m_main, ButtonType_Command));
    EXPECT_FLOAT_EQ(ThumbnailWidth(m_button), TestThemeLayout::kThumbnailWidth);
    EXPECT_TRUE(ShowsTheUsersPicture(m_button));

    CComPtr<IDSMenuButton> style = Style(ButtonType_Command);
    ASSERT_EQ(S_OK, CDSMenuUtils::ApplyToAllButtonsInMenu(style, m_main));
    EXPECT_FLOAT_EQ(ThumbnailWidth(m_button), 0.6f);
    EXPECT_EQ(LabelOf(FirstTextOf(m_button, TextType_Label)), L"Holiday");
}

} // namespace

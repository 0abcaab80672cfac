#include "LinkOperations.h"

#include "support/ModelBuilder.h"

namespace {

using ButtonTargetsTest = LinkTest;

TEST_F(ButtonTargetsTest, ButtonPlayingATitleIsATitleButton)
{
    CComPtr<IDSMenuButton> button = model.AddLinkedButton(main, ButtonType_Command, title);
    bool slideshow = true;
    EXPECT_TRUE(CDSMenuUtils::IsTitleButton(button, slideshow));
    EXPECT_FALSE(slideshow);
}

TEST_F(ButtonTargetsTest, TitleWithSlideshowMetadataIsASlideshow)
{
    CComPtr<IDSMenuButton> button = model.AddLinkedButton(main, ButtonType_Command, title);
    bool slideshow = true;
    ASSERT_TRUE(CDSMenuUtils::IsTitleButton(button, slideshow));
    EXPECT_FALSE(slideshow);

    MakeSlideShow(title);
    ASSERT_TRUE(CDSMenuUtils::IsTitleButton(button, slideshow));
    EXPECT_TRUE(slideshow);
}

TEST_F(ButtonTargetsTest, ButtonLeadingToAChapterMenuIsATitleButton)
{
    CComPtr<IDSMenu> chapters = model.AddMenu(MenuType_Chapter);
    model.AddLinkedButton(chapters, ButtonType_Command, title);
    CComPtr<IDSMenuButton> button = model.AddLinkedButton(main, ButtonType_Command, chapters);
    bool slideshow = false;
    EXPECT_TRUE(CDSMenuUtils::IsTitleButton(button, slideshow));

    CComPtr<IDSMenu> submenu = model.AddMenu(MenuType_Main);
    model.AddLinkedButton(submenu, ButtonType_Command, title);
    CComPtr<IDSMenuButton> toSubmenu = model.AddLinkedButton(main, ButtonType_Command, submenu);
    EXPECT_FALSE(CDSMenuUtils::IsTitleButton(toSubmenu, slideshow));
    EXPECT_FALSE(CDSMenuUtils::IsTitleButton(nullptr, slideshow));
}

TEST_F(ButtonTargetsTest, LabelGoesToTheFirstTextElement)
{
    CComPtr<IDSMenuButton> button = model.AddButton(main, ButtonType_Command);
    model.AddThumbnail(button, 0.2f, 0.2f);
    CComPtr<IDSMenuText> text = model.AddText(button, L"old");
    ASSERT_EQ(CDSMenuUtils::SetButtonTextToTarget(button, title), S_OK);
    CComBSTR label;
    ASSERT_EQ(text->get_Label(&label), S_OK);
    EXPECT_EQ(label, L"Holiday");
}

TEST_F(ButtonTargetsTest, ButtonWithoutTextIsLabelledItself)
{
    CComPtr<IDSMenuButton> button = model.AddButton(main, ButtonType_Command);
    ASSERT_EQ(CDSMenuUtils::SetButtonTextToTarget(button, title), S_OK);
    CComBSTR label;
    ASSERT_EQ(button->get_Label(&label), S_OK);
    EXPECT_EQ(label, L"Holiday");
    EXPECT_EQ(CDSMenuUtils::SetButtonTextToTarget(nullptr, title), E_POINTER);
}

} // namespace

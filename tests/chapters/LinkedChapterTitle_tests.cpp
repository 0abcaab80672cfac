#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"

#include "support/ProjectTest.h"

namespace {

// A main menu whose buttons lead to a title directly and through a chapter menu.
class LinkedChapterTitle : public ProjectTest
{
protected:
    CComPtr<IDSProjectData> m_project = NewProject();
    CComPtr<IDSTitle> m_title = Tagged(AddTitle(m_project), TitleType_User);
    CComPtr<IDSMenu> m_main = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenu> m_chapters = Tagged(AddMenu(m_project), MenuType_Chapter);

    CComPtr<IDSMenuButton> CommandButton(IDSMenu* menu)
    {
        return Tagged(AddButton(menu), ButtonType_Command);
    }
};

TEST_F(LinkedChapterTitle, ButtonLeadingToAChapterMenuReachesTheTitleOfItsFirstButton)
{
    CComPtr<IDSMenuButton> chapter = CommandButton(m_chapters);
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(chapter, m_title));
    CComPtr<IDSMenuButton> button = CommandButton(m_main);
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, m_chapters));

    int chapterNumber = -1;
    EXPECT_EQ(CDSAppUtils::GetLinkedChapterTitle(button, &chapterNumber), m_title.p);
    EXPECT_EQ(chapterNumber, 0);
    // A button of the chapter menu itself plays its title.
    EXPECT_EQ(CDSAppUtils::GetLinkedChapterTitle(chapter, nullptr), m_title.p);
}

TEST_F(LinkedChapterTitle, OtherButtonsReachNoChapterTitle)
{
    CComPtr<IDSMenuButton> plays = CommandButton(m_main);
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(plays, m_title));
    EXPECT_EQ(CDSAppUtils::GetLinkedChapterTitle(plays, nullptr), nullptr)
        << "a main-menu button that plays the title leads to no chapter menu";

    CComPtr<IDSMenu> sub = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenuButton> toMenu = CommandButton(m_main);
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(toMenu, sub));
    EXPECT_EQ(CDSAppUtils::GetLinkedChapterTitle(toMenu, nullptr), nullptr);

    EXPECT_EQ(CDSAppUtils::GetLinkedChapterTitle(CommandButton(m_main), nullptr), nullptr)
        << "an empty chapter menu's button";
    CComPtr<IDSMenuButton> next = Tagged(AddButton(m_main), ButtonType_Next);
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(next, m_chapters));
    EXPECT_EQ(CDSAppUtils::GetLinkedChapterTitle(next, nullptr), nullptr)
        << "navigation buttons are not title buttons";
    EXPECT_EQ(CDSAppUtils::GetLinkedChapterTitle(nullptr, nullptr), nullptr);
}

} // namespace

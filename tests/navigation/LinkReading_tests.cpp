#include "LinkOperations.h"

namespace {

class LinkReadingTest : public ::testing::Test
{
protected:
    NavigationProject model;
    CComPtr<IDSMenu> main = model.AddMenu(MenuType_Main);
    CComPtr<IDSMenu> chapters = model.AddMenu(MenuType_Chapter);
    CComPtr<IDSMenu> transition = model.AddMenu(MenuType_Transition);
    CComPtr<IDSTitle> title = model.AddTitle(L"Holiday");
    CComPtr<IDSMenuButton> button = model.AddButton(main, ButtonType_Command);
};

TEST_F(LinkReadingTest, JumpBeforePlayGivesTheMenuAndTheTitle)
{
    SetCommands(button, {Cmd(DiscCommand_JumpMenu, GetID(transition)),
                         Cmd(DiscCommand_PlayTitle, GetID(title), 4)});
    EXPECT_EQ(CDSMenuUtils::GetLinkedMenu(button), transition.p);
    int chapter = 0;
    EXPECT_EQ(CDSMenuUtils::GetLinkedTitle(button, &chapter, true), title.p);
    EXPECT_EQ(chapter, 4);
}

TEST_F(LinkReadingTest, JumpToAMainOrChapterMenuStopsTheSearchWhenAsked)
{
    SetCommands(button, {Cmd(DiscCommand_JumpMenu, GetID(chapters)),
                         Cmd(DiscCommand_PlayTitle, GetID(title), 1)});
    EXPECT_EQ(CDSMenuUtils::GetLinkedTitle(button, nullptr, true), nullptr);
    EXPECT_EQ(CDSMenuUtils::GetLinkedTitle(button, nullptr, false), title.p);
}

TEST_F(LinkReadingTest, LookupsLeaveTheCallersErrorStackAlone)
{
    SetCommands(button, {Cmd(DiscCommand_JumpMenu, GetID(chapters)),
                         Cmd(DiscCommand_PlayTitle, GetID(title), 1)});
    model.AddLinkedButton(chapters, ButtonType_Home, main);
    KVUClearErrorStack();
    KVUReportError(L"an earlier step failed");
    EXPECT_EQ(CDSMenuUtils::GetLinkedMenu(button), chapters.p);
    EXPECT_EQ(CDSMenuUtils::GetLinkedTitle(button, nullptr, false), title.p);
    EXPECT_TRUE(CDSMenuUtils::IsLinkedToTitle(button, GetID(title), false));
    EXPECT_EQ(CDSMenuUtils::GetHomeMenu(chapters), main.p);
    EXPECT_EQ(KVUGetErrorStack().size(), 1u);
    EXPECT_TRUE(StackHolds(L"an earlier step failed"));
}

TEST_F(LinkReadingTest, PlayBeforeJumpHidesTheMenu)
{
    SetCommands(button, {Cmd(DiscCommand_PlayTitle, GetID(title), 1),
                         Cmd(DiscCommand_JumpMenu, GetID(chapters))});
    EXPECT_EQ(CDSMenuUtils::GetLinkedMenu(button), nullptr);
}

TEST_F(LinkReadingTest, TargetsThatAreNotThereReadAsNoLink)
{
    SetCommands(button, {Cmd(DiscCommand_JumpMenu, 999), Cmd(DiscCommand_PlayTitle, 998, 1)});
    EXPECT_EQ(CDSMenuUtils::GetLinkedMenu(button), nullptr);
    EXPECT_EQ(CDSMenuUtils::GetLinkedTitle(button, nullptr, false), nullptr);
    SetCommands(button, {Cmd(DiscCommand_JumpMenu, GetID(title))});
    EXPECT_EQ(CDSMenuUtils::GetLinkedMenu(button), nullptr);
}

TEST_F(LinkReadingTest, TransitionBeforePlayAllPlaysTheFirstUserTitle)
{
    CComPtr<IDSTitle> intro = model.AddTitle(L"Intro", TitleType_FirstPlay);
    model.AddTitle(L"Second");
    SetCommands(button, {Cmd(DiscCommand_Transition), Cmd(DiscCommand_PlayAll)});
    EXPECT_EQ(CDSMenuUtils::GetLinkedTitle(button, nullptr, false), title.p);
    SetCommands(button, {Cmd(DiscCommand_PlayAll)});
    EXPECT_EQ(CDSMenuUtils::GetLinkedTitle(button, nullptr, false), nullptr);
    EXPECT_EQ(CDSMenuUtils::GetFirstPlayTitle(model.project), intro.p);
}

TEST_F(LinkReadingTest, ChapterMenuBelongsToTheTitleItsButtonsPlay)
{
    model.AddLinkedButton(chapters, ButtonType_Next, main);
    model.AddLinkedButton(chapters, ButtonType_Command, main);
    model.AddLinkedButton(chapters, ButtonType_Command, title);
    EXPECT_EQ(CDSMenuUtils::GetLinkedTitle(chapters), title.p);
    SetCommands(button, {Cmd(DiscCommand_PlayTitle, GetID(title), 1)});
    EXPECT_EQ(CDSMenuUtils::GetLinkedTitle(main), nullptr);
}

TEST_F(LinkReadingTest, LinkedButtonIsTheFirstCommandButtonLeadingThere)
{
    model.AddLinkedButton(main, ButtonType_Up, chapters);
    CComPtr<IDSMenuButton> first = model.AddLinkedButton(main, ButtonType_Command, chapters);
    model.AddLinkedButton(main, ButtonType_Command, chapters);
    EXPECT_EQ(CDSMenuUtils::GetLinkedButton(chapters, main), first.p);
    EXPECT_EQ(CDSMenuUtils::GetLinkedButton(transition, main), nullptr);
    EXPECT_EQ(CDSMenuUtils::GetLinkedButton(nullptr, main), nullptr);
}

TEST_F(LinkReadingTest, FirstOnlyLooksAtTheFirstPlayCommand)
{
    CComPtr<IDSTitle> other = model.AddTitle(L"Other");
    SetCommands(button, {Cmd(DiscCommand_JumpMenu, GetID(main)),
                         Cmd(DiscCommand_PlayTitle, GetID(other), 1),
                         Cmd(DiscCommand_PlayTitle, GetID(title), 1)});
    EXPECT_TRUE(CDSMenuUtils::IsLinkedToTitle(button, GetID(title), false));
    EXPECT_FALSE(CDSMenuUtils::IsLinkedToTitle(button, GetID(title), true));
    EXPECT_TRUE(CDSMenuUtils::IsLinkedToTitle(button, GetID(other), true));
    EXPECT_FALSE(CDSMenuUtils::IsLinkedToTitle(nullptr, GetID(other), false));
}

TEST_F(LinkReadingTest, RootMenuIsTheFirstMainOrChapterMenu)
{
    NavigationProject other;
    other.AddMenu(MenuType_MainTemplate);
    CComPtr<IDSMenu> chapter = other.AddMenu(MenuType_Chapter);
    EXPECT_EQ(CDSMenuUtils::GetRootMenu(other.project), chapter.p);
    EXPECT_EQ(CDSMenuUtils::GetRootMenu(nullptr), nullptr);
}

TEST_F(LinkReadingTest, NavigationButtonsNameTheMenusAround)
{
    model.AddLinkedButton(chapters, ButtonType_Home, main);
    model.AddLinkedButton(chapters, ButtonType_Up, transition);
    model.AddLinkedButton(chapters, ButtonType_Up, main);
    EXPECT_EQ(CDSMenuUtils::GetHomeMenu(chapters), main.p);
    EXPECT_EQ(CDSMenuUtils::GetUpMenu(chapters), transition.p);
    EXPECT_EQ(CDSMenuUtils::GetNextMenu(chapters), nullptr);
    EXPECT_EQ(CDSMenuUtils::GetPrevMenu(nullptr), nullptr);
}

} // namespace

#include "LinkOperations.h"

#include "platform/ResultCodes.h"

namespace {

class LinkWritingTest : public ::testing::Test
{
protected:
    NavigationProject model;
    CComPtr<IDSMenu> menu = model.AddMenu(MenuType_Main);
    CComPtr<IDSTitle> title = model.AddTitle(L"Holiday");
};

TEST_F(LinkWritingTest, MenuThatNamesItselfLoopsOnItself)
{
    SetCommands(menu, {Cmd(DiscCommand_PlayAll), Cmd(DiscCommand_JumpMenu, 5)});
    ASSERT_EQ(CDSMenuUtils::LinkCmd(menu, menu), S_OK);
    EXPECT_EQ(CommandTuples(menu), (std::vector<Command>{{DiscCommand_JumpMenu, GetID(menu), 1}}));
}

TEST_F(LinkWritingTest, MenuEndingInATitlePlaysItFromChapterOne)
{
    ASSERT_EQ(CDSMenuUtils::LinkCmd(menu, title), S_OK);
    EXPECT_EQ(CommandTuples(menu),
              (std::vector<Command>{{DiscCommand_PlayTitle, GetID(title), 1}}));
    CComPtr<IDSMenu> other = model.AddMenu(MenuType_Chapter);
    ASSERT_EQ(CDSMenuUtils::LinkCmd(menu, other), S_OK);
    EXPECT_EQ(CommandTuples(menu), (std::vector<Command>{{DiscCommand_JumpMenu, GetID(other), 0}}));
}

TEST_F(LinkWritingTest, TargetThatIsNeitherMenuNorTitleWritesNothing)
{
    SetCommands(menu, {Cmd(DiscCommand_PlayAll)});
    CComPtr<IDSMenuButton> button = model.AddButton(menu, ButtonType_Command);
    EXPECT_EQ(CDSMenuUtils::LinkCmd(menu, button), E_SETCMD_INVALID_TARGET);
    EXPECT_TRUE(StackHolds(L"SetCmd(sCmds[0], pTarget )"));
    EXPECT_EQ(CommandTuples(menu), (std::vector<Command>{{DiscCommand_PlayAll, 0, 0}}));

    DiscCommandParams entry = Cmd(DiscCommand_PlayAll, 3, 4);
    EXPECT_EQ(CDSMenuUtils::SetCmd(entry, nullptr, 1), E_SETCMD_INVALID_TARGET);
    EXPECT_EQ(entry.param1, 3);
}

TEST_F(LinkWritingTest, ButtonLinkKeepsTransitionAndPostCommand)
{
    CComPtr<IDSMenuButton> button = model.AddButton(menu, ButtonType_Command);
    SetCommands(button, {Cmd(DiscCommand_Transition), Cmd(DiscCommand_JumpMenu, 7),
                         Cmd(DiscCommand_JumpMenu, GetID(menu))});
    ASSERT_EQ(CDSMenuUtils::LinkCmd(button, title), S_OK);
    EXPECT_EQ(CommandTuples(button),
              (std::vector<Command>{{DiscCommand_Transition, 0, 0},
                                    {DiscCommand_PlayTitle, GetID(title), 0},
                                    {DiscCommand_JumpMenu, GetID(menu), 0}}));
}

TEST_F(LinkWritingTest, ButtonWithoutCommandsGetsAMainCommand)
{
    CComPtr<IDSMenuButton> button = model.AddButton(menu, ButtonType_Command);
    CComPtr<IDSMenu> target = model.AddMenu(MenuType_Main);
    ASSERT_EQ(CDSMenuUtils::LinkCmd(button, target), S_OK);
    EXPECT_EQ(CommandTuples(button),
              (std::vector<Command>{{DiscCommand_JumpMenu, GetID(target), 0}}));
}

TEST_F(LinkWritingTest, MissingArgumentsAreRefused)
{
    CComPtr<IDSMenuButton> button = model.AddButton(menu, ButtonType_Command);
    EXPECT_EQ(CDSMenuUtils::LinkCmd(static_cast<IDSMenu*>(nullptr), title), E_POINTER);
    EXPECT_EQ(CDSMenuUtils::LinkCmd(button, static_cast<IDSTitle*>(nullptr)), E_POINTER);
    EXPECT_EQ(CDSMenuUtils::LinkCmd(static_cast<IDSMenuButton*>(nullptr), menu), E_POINTER);
    EXPECT_TRUE(StackHolds(L"NULL = pButton"));
}

} // namespace

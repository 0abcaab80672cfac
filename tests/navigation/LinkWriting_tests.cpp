#include "LinkOperations.h"

#include "platform/ResultCodes.h"

namespace {

using LinkWritingTest = LinkTest;

TEST_F(LinkWritingTest, MenuThatNamesItselfLoopsOnItself)
{
    SetCommands(main, {Cmd(DiscCommand_PlayAll), Cmd(DiscCommand_JumpMenu, 5)});
    ASSERT_EQ(CDSMenuUtils::LinkCmd(main, main), S_OK);
    EXPECT_EQ(CommandTuples(main), (std::vector<Command>{{DiscCommand_JumpMenu, GetID(main), 1}}));
}

TEST_F(LinkWritingTest, MenuEndingInATitlePlaysItFromChapterOne)
{
    ASSERT_EQ(CDSMenuUtils::LinkCmd(main, title), S_OK);
    EXPECT_EQ(CommandTuples(main),
              (std::vector<Command>{{DiscCommand_PlayTitle, GetID(title), 1}}));
    CComPtr<IDSMenu> other = model.AddMenu(MenuType_Chapter);
    ASSERT_EQ(CDSMenuUtils::LinkCmd(main, other), S_OK);
    EXPECT_EQ(CommandTuples(main), (std::vector<Command>{{DiscCommand_JumpMenu, GetID(other), 0}}));
}

TEST_F(LinkWritingTest, TargetThatIsNeitherMenuNorTitleWritesNothing)
{
    SetCommands(main, {Cmd(DiscCommand_PlayAll)});
    CComPtr<IDSMenuButton> button = model.AddButton(main, ButtonType_Command);
    EXPECT_EQ(CDSMenuUtils::LinkCmd(main, button), E_SETCMD_INVALID_TARGET);
    EXPECT_TRUE(StackHolds(L"SetCmd(sCmds[0], pTarget )"));
    EXPECT_EQ(CommandTuples(main), (std::vector<Command>{{DiscCommand_PlayAll, 0, 0}}));

    DiscCommandParams entry = Cmd(DiscCommand_PlayAll, 3, 4);
    EXPECT_EQ(CDSMenuUtils::SetCmd(entry, nullptr, 1), E_SETCMD_INVALID_TARGET);
    EXPECT_EQ(entry.param1, 3);
}

TEST_F(LinkWritingTest, ButtonLinkKeepsTransitionAndPostCommand)
{
    CComPtr<IDSMenuButton> button = model.AddButton(main, ButtonType_Command);
    SetCommands(button, {Cmd(DiscCommand_Transition), Cmd(DiscCommand_JumpMenu, 7),
                         Cmd(DiscCommand_JumpMenu, GetID(main))});
    ASSERT_EQ(CDSMenuUtils::LinkCmd(button, title), S_OK);
    EXPECT_EQ(CommandTuples(button),
              (std::vector<Command>{{DiscCommand_Transition, 0, 0},
                                    {DiscCommand_PlayTitle, GetID(title), 0},
                                    {DiscCommand_JumpMenu, GetID(main), 0}}));
}

TEST_F(LinkWritingTest, ButtonWithoutCommandsGetsAMainCommand)
{
    CComPtr<IDSMenuButton> button = model.AddButton(main, ButtonType_Command);
    CComPtr<IDSMenu> target = model.AddMenu(MenuType_Main);
    ASSERT_EQ(CDSMenuUtils::LinkCmd(button, target), S_OK);
    EXPECT_EQ(CommandTuples(button),
              (std::vector<Command>{{DiscCommand_JumpMenu, GetID(target), 0}}));
}

TEST_F(LinkWritingTest, MissingArgumentsAreRefused)
{
    CComPtr<IDSMenuButton> button = model.AddButton(main, ButtonType_Command);
    EXPECT_EQ(CDSMenuUtils::LinkCmd(static_cast<IDSMenu*>(nullptr), title), E_POINTER);
    EXPECT_EQ(CDSMenuUtils::LinkCmd(button, static_cast<IDSTitle*>(nullptr)), E_POINTER);
    EXPECT_EQ(CDSMenuUtils::LinkCmd(static_cast<IDSMenuButton*>(nullptr), main), E_POINTER);
    EXPECT_TRUE(StackHolds(L"NULL = pButton"));
}

} // namespace

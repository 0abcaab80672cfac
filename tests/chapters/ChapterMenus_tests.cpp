// Chapter menus made from a title's chapters: pages of chapter buttons, index buttons that jump
// between pages, and the links and labels of single buttons.
#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "model/KVEMarkerList.h"
#include "platform/ResultCodes.h"

#include "support/ChainProject.h"
#include "support/ErrorStackText.h"

#include <tuple>

namespace {

using Labels = std::vector<std::wstring>;
using Places = std::vector<int>;
using Command = std::tuple<DiscCommand, LONG, LONG>;

std::vector<Command> CommandsOf(IUnknown* object)
{
    CCommandList commands(object);
    std::vector<Command> tuples;
    for (int i = 0; i < commands.size(); ++i)
        tuples.emplace_back(commands[i].command, commands[i].param1, commands[i].param2);
    return tuples;
}

// The IDs of the chapter markers of the title's production, in time order.
std::vector<LONG> MarkerIds(IDSTitle* title)
{
    CComPtr<IUnknown> production;
    EXPECT_EQ(S_OK, title->GetProduction(&production));
    CComQIPtr<IKVEMarkerList> markers(production);
    LONG count = 0;
    EXPECT_EQ(S_OK, markers->GetMarkerCount(KVE_MARKER_CHAPTER, &count));
    std::vector<LONG> ids;
    for (LONG i = 0; i < count; ++i) {
        KVEMarker marker{};
        EXPECT_EQ(S_OK, markers->GetMarkerItem(i, KVE_MARKER_CHAPTER, &marker));
        ids.push_back(marker.lID);
    }
    return ids;
}

std::vector<LONG> StoredMarkerIds(IDSMenu* page)
{
    std::vector<LONG> ids;
    for (const CComPtr<IDSMenuButton>& button : GetButtonList(page, ButtonType_Command)) {
        LONG id = 0;
        EXPECT_EQ(S_OK, button->get_ChapterMarkerID(&id));
        ids.push_back(id);
    }
    return ids;
}

class ChapterMenus : public ChainProject
{
protected:
    // A chapter menu for a title of that many chapters, one every ten seconds, on pages of
    // the small theme.
    DSMenuChainVec MenuOfChapters(int chapters, int capacity, int indexButtons)
    {
        UseSmallTheme(capacity, indexButtons);
        title = AddTitleWithChapters(L"Harbour", 10 * chapters + 5, {});
        std::vector<double> times;
        for (int chapter = 2; chapter <= chapters; ++chapter)
            times.push_back(10.0 * (chapter - 1));
        for (double time : times)
            InsertChapters(title, {time});
        CComPtr<IDSMenu> menu;
        EXPECT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(title, &menu, root))
            << KVUGetErrorStackText();
        return DSMenuChainVec(menu);
    }

    CComPtr<IDSTitle> title;
};

TEST_F(ChapterMenus, ChaptersAtOneAndTwoMinutesMakeOnePageOfThreeButtons)
{
    UseShippedTheme();
    title = AddTitleWithChapters(L"Harbour", 130, {60.0, 120.0});
    LONG menus = MenuCount();
    CComPtr<IDSMenu> menu;
    ASSERT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(title, &menu, root))
        << KVUGetErrorStackText();
    EXPECT_EQ(menus + 1, MenuCount());
    ASSERT_EQ(1u, DSMenuChainVec(menu).size());
    EXPECT_EQ(MenuType_Chapter, GetTag(menu));
    EXPECT_EQ(MenuType_ChapterTemplate, GetTag(CDSMenuUtils::GetMenuTemplate(menu)));
    EXPECT_EQ((Labels{L"1", L"2", L"3"}), CommandLabels(menu));
    std::vector<LONG> markers = MarkerIds(title);
    ASSERT_EQ(2u, markers.size());
    EXPECT_EQ((std::vector<LONG>{-1, markers[0], markers[1]}), StoredMarkerIds(menu));
    for (int chapter = 1; chapter <= 3; ++chapter) {
        IDSMenuButton* button = GetButtonList(menu, ButtonType_Command)[size_t(chapter - 1)];
        EXPECT_EQ((std::vector<Command>{{DiscCommand_PlayTitle, GetID(title), chapter}}),
                  CommandsOf(button));
        double sourceTime = 0.0;
        ASSERT_EQ(S_OK, ThumbnailOf(button)->get_SourceTime(&sourceTime));
        EXPECT_EQ(-1.0, sourceTime);
    }
    EXPECT_DOUBLE_EQ(
        120.0, CDSProductionUtils::GetBtnChapterTime(GetButtonList(menu, ButtonType_Command)[2]));
    EXPECT_EQ(root.p, CDSMenuUtils::GetUpMenu(menu));
    EXPECT_EQ(root.p, CDSMenuUtils::GetHomeMenu(menu));
    EXPECT_EQ(nullptr, CDSMenuUtils::GetNextMenu(menu));
    // Three index buttons in the theme, one page to jump to.
    EXPECT_EQ((Labels{L"1-3"}), IndexLabels(menu));
    EXPECT_EQ((Places{0}), IndexTargets(menu, DSMenuChainVec(menu)));
}

TEST_F(ChapterMenus, NineChaptersOnFourButtonPagesFillThreePagesWithIndexButtons)
{
    DSMenuChainVec chain = MenuOfChapters(9, 4, 3);
    ASSERT_EQ(3u, chain.size());
    EXPECT_EQ((Labels{L"1", L"2", L"3", L"4"}), CommandLabels(chain[0]));
    EXPECT_EQ((Labels{L"5", L"6", L"7", L"8"}), CommandLabels(chain[1]));
    EXPECT_EQ((Labels{L"9"}), CommandLabels(chain[2]));
    EXPECT_EQ((std::vector<int>{5, 6, 7, 8}), PlayedChapters(chain[1]));
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ((Labels{L"1-4", L"5-8", L"9-9"}), IndexLabels(chain[page]));
        EXPECT_EQ((Places{0, 1, 2}), IndexTargets(chain[page], chain));
        EXPECT_EQ(root.p, CDSMenuUtils::GetUpMenu(chain[page]));
        EXPECT_EQ(root.p, CDSMenuUtils::GetHomeMenu(chain[page]));
        EXPECT_EQ(MenuType_Chapter, GetTag(chain[page]));
    }
    EXPECT_EQ(chain[1], CDSMenuUtils::GetNextMenu(chain[0]));
    EXPECT_EQ(chain[0], CDSMenuUtils::GetPrevMenu(chain[1]));
    EXPECT_EQ(nullptr, CDSMenuUtils::GetNextMenu(chain[2]));
}

TEST_F(ChapterMenus, IndexButtonsOfFivePagesShowAWindowAroundEachPage)
{
    DSMenuChainVec chain = MenuOfChapters(17, 4, 3);
    ASSERT_EQ(5u, chain.size());
    const Places expected[] = {{0, 1, 2}, {0, 1, 2}, {1, 2, 3}, {2, 3, 4}, {2, 3, 4}};
    for (int page = 0; page < 5; ++page)
        EXPECT_EQ(expected[page], IndexTargets(chain[page], chain)) << "page " << page;
    EXPECT_EQ((Labels{L"5-8", L"9-12", L"13-16"}), IndexLabels(chain[2]));
    EXPECT_EQ((Labels{L"9-12", L"13-16", L"17-17"}), IndexLabels(chain[4]));
}

TEST_F(ChapterMenus, TwoIndexButtonsLeadBackAndOn)
{
    DSMenuChainVec chain = MenuOfChapters(17, 4, 2);
    ASSERT_EQ(5u, chain.size());
    const Places expected[] = {{0, 1}, {0, 2}, {1, 3}, {2, 4}, {3, 4}};
    for (int page = 0; page < 5; ++page)
        EXPECT_EQ(expected[page], IndexTargets(chain[page], chain)) << "page " << page;
}

TEST_F(ChapterMenus, ATitleOfOneChapterGetsNoMenu)
{
    UseShippedTheme();
    title = AddTitleWithChapters(L"Harbour", 30, {});
    LONG menus = MenuCount();
    CComPtr<IDSMenu> menu;
    EXPECT_EQ(S_FALSE, CDSMenuUtils::GenerateChapterMenus(title, &menu, root));
    EXPECT_EQ(nullptr, menu.p);

    // A marker this close to the start is no chapter of its own, and it is left where it is.
    LONG early = AddMarker(title, 0.3);
    EXPECT_EQ(S_FALSE, CDSMenuUtils::GenerateChapterMenus(title, &menu, root));
    EXPECT_EQ(menus, MenuCount());
    EXPECT_EQ(std::vector<LONG>{early}, MarkerIds(title));

    CComPtr<IDSMenuButton> button;
    EXPECT_EQ(S_FALSE, CDSMenuUtils::GenerateChapterMenus(root, title, &button));
    EXPECT_EQ(nullptr, button.p);
    EXPECT_TRUE(GetButtonList(root, ButtonType_Command).empty());
}

TEST_F(ChapterMenus, AMarkerAtTheVeryStartIsNotCountedAsAChapter)
{
    UseShippedTheme();
    title = AddTitleWithChapters(L"Harbour", 90, {});
    AddMarker(title, 0.3);
    LONG minute = AddMarker(title, 60.0);
    CComPtr<IDSMenu> menu;
    ASSERT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(title, &menu, root));
    EXPECT_EQ((Labels{L"1", L"2"}), CommandLabels(menu));
    EXPECT_EQ((std::vector<LONG>{-1, minute}), StoredMarkerIds(menu));
    // Chapter 2 starts where the chapter list says it does.
    EXPECT_DOUBLE_EQ(
        60.0, CDSProductionUtils::GetBtnChapterTime(GetButtonList(menu, ButtonType_Command)[1]));
}

TEST_F(ChapterMenus, SecondFormHangsTheMenuUnderANewButtonOfTheParent)
{
    UseShippedTheme();
    title = AddTitleWithChapters(L"Harbour", 130, {60.0});
    CComPtr<IDSMenuButton> button;
    ASSERT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(root, title, &button))
        << KVUGetErrorStackText();
    ASSERT_TRUE(button);
    EXPECT_EQ(std::vector<CComPtr<IDSMenuButton>>{button}, GetButtonList(root, ButtonType_Command));
    IDSMenu* menu = CDSMenuUtils::GetLinkedMenu(button);
    ASSERT_TRUE(menu);
    EXPECT_EQ(MenuType_Chapter, GetTag(menu));
    EXPECT_EQ((Labels{L"1", L"2"}), CommandLabels(menu));
    EXPECT_EQ(root.p, CDSMenuUtils::GetUpMenu(menu));
    EXPECT_EQ(1u, GetButtonList(menu, ButtonType_Up).size());
}

TEST_F(ChapterMenus, MissingArgumentsAndTemplatesAreReported)
{
    UseShippedTheme();
    title = AddTitleWithChapters(L"Harbour", 30, {10.0});
    CComPtr<IDSMenu> menu;
    EXPECT_EQ(E_POINTER, CDSMenuUtils::GenerateChapterMenus(nullptr, &menu, root));
    EXPECT_TRUE(StackHolds(L"NULL = pTitle"));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::GenerateChapterMenus(title, &menu, nullptr));
    EXPECT_TRUE(StackHolds(L"NULL = pParentMenu"));

    // A project without templates cannot make the menu's pages.
    CComPtr<IDSProjectData> bare = NewProject();
    CComPtr<IDSTitle> loose = AddTitle(bare);
    CComPtr<IDSMenu> parent = Tagged(AddMenu(bare), MenuType_Main);
    AddMarker(loose, 5.0);
    EXPECT_EQ(E_ADDMENU_NO_TEMPLATE, CDSMenuUtils::GenerateChapterMenus(loose, &menu, parent));
    EXPECT_TRUE(StackHolds(L"AddMenu(spProj, MenuType_Chapter, &spChapMenu)"));
    EXPECT_EQ(nullptr, menu.p);
}

TEST_F(ChapterMenus, LinkingAButtonToTheChapterItPlaysChangesNothing)
{
    UseShippedTheme();
    title = AddTitleWithChapters(L"Harbour", 30, {10.0, 20.0});
    CComPtr<IDSMenuButton> button;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(root, &button, ButtonType_Command));
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkChapter(button, title, 2, true));
    EXPECT_EQ(L"2", ButtonText(button));
    CComPtr<IDSMenuOverlay> thumbnail = ThumbnailOf(button);
    ASSERT_EQ(S_OK, thumbnail->put_SourceTime(5.0));
    ASSERT_EQ(S_OK, CDSMenuUtils::GetTextElement(button)->put_Label(CComBSTR(L"Harbour lights")));

    ASSERT_EQ(S_OK, CDSMenuUtils::LinkChapter(button, title, 2, true));
    EXPECT_EQ(L"Harbour lights", ButtonText(button));
    double sourceTime = 0.0;
    ASSERT_EQ(S_OK, thumbnail->get_SourceTime(&sourceTime));
    EXPECT_EQ(5.0, sourceTime);

    // Another chapter relinks and relabels, and the thumbnail shows that chapter again.
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkChapter(button, title, 3, true));
    EXPECT_EQ(L"3", ButtonText(button));
    ASSERT_EQ(S_OK, thumbnail->get_SourceTime(&sourceTime));
    EXPECT_EQ(-1.0, sourceTime);
}

TEST_F(ChapterMenus, RelinkingKeepsTheTransitionInFrontAndDropsWhatFollows)
{
    UseShippedTheme();
    title = AddTitleWithChapters(L"Harbour", 30, {10.0});
    CComPtr<IDSMenuButton> button;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(root, &button, ButtonType_Command));
    CCommandList commands(static_cast<IUnknown*>(button.p));
    ASSERT_EQ(S_OK, commands.InsertCmd(0, DiscCommand_Transition, 0, 0));
    ASSERT_EQ(S_OK, commands.InsertCmd(1, DiscCommand_JumpMenu, GetID(root), 0));
    ASSERT_EQ(S_OK, commands.InsertCmd(2, DiscCommand_PlayTitle, GetID(title), 1));
    ASSERT_EQ(S_OK, commands.Commit());
    std::wstring label = ButtonText(button);

    ASSERT_EQ(S_OK, CDSMenuUtils::LinkChapter(button, title, 2, false));
    EXPECT_EQ((std::vector<Command>{{DiscCommand_Transition, 0, 0},
                                    {DiscCommand_PlayTitle, GetID(title), 2}}),
              CommandsOf(button));
    EXPECT_EQ(label, ButtonText(button));

    EXPECT_EQ(E_POINTER, CDSMenuUtils::LinkChapter(button, nullptr, 2, false));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::LinkChapIndex(nullptr, root));
}

TEST_F(ChapterMenus, IndexButtonOfAPageWithoutChaptersReadsZeroToZero)
{
    UseSmallTheme(4, 3);
    CComPtr<IDSMenu> page;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Chapter, &page));
    CComPtr<IDSMenuButton> index;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(page, &index, ButtonType_ChapterRange));
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkChapIndex(index, page));
    EXPECT_EQ(L"0-0", ButtonText(index));
    EXPECT_EQ((std::vector<Command>{{DiscCommand_JumpMenu, GetID(page), 0}}), CommandsOf(index));
    // A chain that plays no chapter has nothing to index.
    EXPECT_EQ(S_FALSE, CDSMenuUtils::UpdateChapterIndexBtns(page));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::UpdateChapterIndexBtns(nullptr));
}

} // namespace

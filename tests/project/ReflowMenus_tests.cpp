// Menu chains spread again after buttons were removed or added: the order of the buttons
// stays, no page is left empty or overfull, and the menus the buttons lead to follow.
#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "support/ChainProject.h"
#include "support/ErrorStackText.h"

#include <string>

namespace {

using Labels = std::vector<std::wstring>;

class ReflowMenus : public ChainProject
{
protected:
    // Pages of the small theme, four buttons each.
    void SetUp() override
    {
        UseSmallTheme(kCapacity, 3);
        title = AddTitleWithChapters(L"Harbour", 5, {});
    }

    // A command button labelled with the name that plays the title, appended to the page.
    CComPtr<IDSMenuButton> Button(IDSMenu* page, const std::wstring& name)
    {
        CComPtr<IDSMenuButton> button;
        EXPECT_EQ(S_OK, CDSMenuUtils::AddButton(page, &button, ButtonType_Command));
        EXPECT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, title));
        EXPECT_EQ(S_OK, CDSMenuUtils::GetTextElement(button)->put_Label(CComBSTR(name)));
        return button;
    }

    // The root chain with buttons B1, B2 … filling pages of the sizes given.
    void Pages(std::initializer_list<int> sizes)
    {
        int number = 1;
        IDSMenu* page = nullptr;
        for (int size : sizes) {
            page = page ? AppendPage(page) : root.p;
            for (int k = 0; k < size; ++k)
                Button(page, L"B" + std::to_wstring(number++));
        }
    }

    // A new page after the last one, whatever the fill of the pages before.
    IDSMenu* AppendPage(IDSMenu* chainMember)
    {
        CComPtr<IDSMenu> page;
        EXPECT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Main, &page));
        EXPECT_EQ(S_OK, CDSMenuUtils::LinkMenuToChain(chainMember, page));
        return page;
    }

    // The labels of the chain's command buttons, page by page.
    static std::vector<Labels> Layout(IDSMenu* menu)
    {
        std::vector<Labels> pages;
        for (const CComPtr<IDSMenu>& page : DSMenuChainVec(menu))
            pages.push_back(CommandLabels(page));
        return pages;
    }

    static std::pair<float, float> PlaceOf(IDSMenuElement* element)
    {
        float x = 0.0f;
        float y = 0.0f;
        EXPECT_EQ(S_OK, element->GetPosition(&x, &y));
        return {x, y};
    }

    static constexpr int kCapacity = 4;
    CComPtr<IDSTitle> title;
};

TEST_F(ReflowMenus, RemovedButtonsArePulledForwardAndTheEmptiedPageGoes)
{
    Pages({4, 4, 2});
    DSMenuChainVec before(root);
    ASSERT_EQ(3u, before.size());
    std::vector<CComPtr<IDSMenuButton>> first = GetButtonList(root, ButtonType_Command);
    ASSERT_EQ(S_OK, CDSMenuUtils::DeleteElement(first[1]));
    ASSERT_EQ(S_OK, CDSMenuUtils::DeleteElement(first[2]));
    LONG menus = MenuCount();

    ASSERT_EQ(S_OK, CDSAppUtils::ReflowMenus(root, false)) << KVUGetErrorStackText();
    EXPECT_EQ((std::vector<Labels>{{L"B1", L"B4", L"B5", L"B6"}, {L"B7", L"B8", L"B9", L"B10"}}),
              Layout(root));
    EXPECT_EQ(menus - 1, MenuCount());
    EXPECT_FALSE(CDSMenuUtils::GetMenuById(project, GetID(before[2])));
    EXPECT_EQ(nullptr, CDSMenuUtils::GetNextMenu(before[1]));
    EXPECT_TRUE(GetButtonList(before[1], ButtonType_Next).empty());
}

TEST_F(ReflowMenus, AddedButtonsPushTheOthersOnToANewPage)
{
    Pages({4, 4});
    for (const wchar_t* name : {L"N1", L"N2", L"N3"})
        Button(root, name);
    LONG menus = MenuCount();

    ASSERT_EQ(S_OK, CDSAppUtils::ReflowMenus(root, false)) << KVUGetErrorStackText();
    EXPECT_EQ((std::vector<Labels>{{L"B1", L"B2", L"B3", L"B4"},
                                   {L"N1", L"N2", L"N3", L"B5"},
                                   {L"B6", L"B7", L"B8"}}),
              Layout(root));
    EXPECT_EQ(menus + 1, MenuCount());
    DSMenuChainVec chain(root);
    EXPECT_EQ(chain[1], CDSMenuUtils::GetPrevMenu(chain[2]));
    EXPECT_EQ(root.p, CDSMenuUtils::GetHomeMenu(chain[2]));
}

TEST_F(ReflowMenus, NoPageIsLeftEmptyOrOverfull)
{
    Pages({6, 0, 3, 7});
    ASSERT_EQ(S_OK, CDSAppUtils::ReflowMenus(root, false)) << KVUGetErrorStackText();
    std::vector<Labels> pages = Layout(root);
    ASSERT_EQ(4u, pages.size());
    Labels order;
    for (size_t page = 0; page < pages.size(); ++page) {
        EXPECT_EQ(page + 1 < pages.size() ? size_t(kCapacity) : 4u, pages[page].size());
        order.insert(order.end(), pages[page].begin(), pages[page].end());
    }
    Labels expected;
    for (int number = 1; number <= 16; ++number)
        expected.push_back(L"B" + std::to_wstring(number));
    EXPECT_EQ(expected, order);

    // A chain without any button keeps its first page only.
    CComPtr<IDSMenu> bare;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Main, &bare));
    AppendPage(bare);
    ASSERT_EQ(S_OK, CDSAppUtils::ReflowMenus(bare, false));
    EXPECT_EQ(1u, DSMenuChainVec(bare).size());
}

TEST_F(ReflowMenus, MovedButtonsKeepTheirIDsTakeTheirSlotsAndLoseResolvedPictures)
{
    Pages({4, 4});
    CComPtr<IDSMenuButton> pushed = Button(root, L"N1");
    CComPtr<IDSMenuOverlay> thumbnail = ThumbnailOf(pushed);
    ASSERT_EQ(S_OK, thumbnail->SetSourceType(2, 0));
    ASSERT_EQ(S_OK, thumbnail->put_Source(CComBSTR(L"moniker::dvdproduction_7")));
    LONG id = GetID(pushed);

    ASSERT_EQ(S_OK, CDSAppUtils::ReflowMenus(root, false));
    DSMenuChainVec chain(root);
    ASSERT_EQ(3u, chain.size());
    std::vector<CComPtr<IDSMenuButton>> second = GetButtonList(chain[1], ButtonType_Command);
    ASSERT_EQ(pushed.p, second.front().p);
    EXPECT_EQ(id, GetID(pushed));
    CComBSTR source;
    ASSERT_EQ(S_OK, thumbnail->get_Source(&source));
    EXPECT_TRUE(source.IsEmpty());
    // Each page is laid out on its grid: the first button of every page takes the same slot.
    EXPECT_EQ(PlaceOf(GetButtonList(root, ButtonType_Command).front()), PlaceOf(pushed));
    EXPECT_EQ(PlaceOf(pushed), PlaceOf(GetButtonList(chain[2], ButtonType_Command).front()));
    EXPECT_NE(PlaceOf(second[0]), PlaceOf(second[1]));
}

TEST_F(ReflowMenus, SubMenusFollowEachChainOnceWhenLinksLeadBack)
{
    CComPtr<IDSMenu> sub;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenu(project, MenuType_Main, &sub));
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkSubMenu(sub, root, nullptr, false));
    for (int k = 1; k <= 6; ++k)
        Button(sub, L"S" + std::to_wstring(k));
    // A button of the sub-menu leads back to the root menu, and one to the sub-menu itself.
    CComPtr<IDSMenuButton> back;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(sub, &back, ButtonType_Command));
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(back, root.p));
    CComPtr<IDSMenuButton> self;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(sub, &self, ButtonType_Command));
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(self, sub.p));

    ASSERT_EQ(S_OK, CDSAppUtils::ReflowMenus(root, false)) << KVUGetErrorStackText();
    DSMenuChainVec subPages(sub);
    ASSERT_EQ(2u, subPages.size());
    EXPECT_EQ((Labels{L"S5", L"S6", ButtonText(back), ButtonText(self)}),
              CommandLabels(subPages[1]));
    EXPECT_EQ(root.p, CDSMenuUtils::GetUpMenu(subPages[1]));
    EXPECT_EQ(1u, DSMenuChainVec(root).size());
}

TEST_F(ReflowMenus, AChapterMenuWhosePagesChangeGetsIndexButtonsForThem)
{
    CComPtr<IDSTitle> film =
        AddTitleWithChapters(L"Film", 100, {10.0, 20.0, 30.0, 40.0, 50.0, 60.0, 70.0, 80.0});
    CComPtr<IDSMenuButton> button;
    ASSERT_EQ(S_OK, CDSMenuUtils::GenerateChapterMenus(root, film, &button));
    DSMenuChainVec pages(CDSMenuUtils::GetLinkedMenu(button));
    ASSERT_EQ(3u, pages.size());
    for (const CComPtr<IDSMenuButton>& chapter : GetButtonList(pages[1], ButtonType_Command))
        ASSERT_EQ(S_OK, CDSMenuUtils::DeleteElement(chapter));

    ASSERT_EQ(S_OK, CDSAppUtils::ReflowMenus(root, false)) << KVUGetErrorStackText();
    DSMenuChainVec after(pages[0]);
    ASSERT_EQ(2u, after.size());
    EXPECT_EQ((Labels{L"9"}), CommandLabels(after[1]));
    EXPECT_EQ((Labels{L"1-4", L"9-9"}), IndexLabels(after[0]));
    EXPECT_EQ((std::vector<int>{0, 1}), IndexTargets(after[1], after));
}

TEST_F(ReflowMenus, PagesPlacedByHandAreLaidOutOnlyWhenForced)
{
    Pages({3});
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(root, ButtonType_Command);
    ASSERT_EQ(S_OK, CDSAppUtils::ArrangeButtonsInChain(root));
    std::pair<float, float> slot = PlaceOf(buttons[0]);
    ASSERT_EQ(S_OK, buttons[0]->SetPosition(0.5f, 0.5f));
    SetFlag(root, MenuFlag_FreePlacement);

    ASSERT_EQ(S_OK, CDSAppUtils::ReflowMenus(root, false));
    EXPECT_EQ(std::make_pair(0.5f, 0.5f), PlaceOf(buttons[0]));
    ASSERT_EQ(S_OK, CDSAppUtils::ReflowMenus(root, true));
    EXPECT_EQ(slot, PlaceOf(buttons[0]));

    EXPECT_EQ(E_POINTER, CDSAppUtils::ReflowMenus(nullptr, false));
    EXPECT_EQ(E_POINTER, CDSAppUtils::ArrangeButtonsInChain(nullptr));
}

} // namespace

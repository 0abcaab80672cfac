#include "LinkOperations.h"

#include <algorithm>

namespace {

class TraversalTest : public ::testing::Test
{
protected:
    std::vector<LONG> Reached(IDSMenu* pMenu)
    {
        std::vector<LONG> ids;
        EXPECT_EQ(CDSMenuUtils::TraverseMenuLink(pMenu, ids), S_OK);
        return ids;
    }

    NavigationProject model;
    CComPtr<IDSMenu> root = model.AddMenu(MenuType_Main);
    CComPtr<IDSTitle> first = model.AddTitle(L"First");
    CComPtr<IDSTitle> second = model.AddTitle(L"Second");
};

TEST_F(TraversalTest, EveryPageOfAChainIsVisitedOnceEvenWhenItLoops)
{
    CComPtr<IDSMenu> page1 = model.AddMenu(MenuType_Main);
    CComPtr<IDSMenu> page2 = model.AddMenu(MenuType_Main);
    CComPtr<IDSMenu> page3 = model.AddMenu(MenuType_Main);
    model.AddLinkedButton(root, ButtonType_Command, page1);
    model.AddLinkedButton(page1, ButtonType_Command, first);
    model.AddLinkedButton(page2, ButtonType_Command, second);
    model.Chain({page1, page2, page3});
    model.AddLinkedButton(page3, ButtonType_Next, page1);
    EXPECT_EQ(Reached(root), (std::vector<LONG>{GetID(root), GetID(page1), GetID(first),
                                                GetID(page2), GetID(second), GetID(page3)}));
}

TEST_F(TraversalTest, RootMenuIsNotEnteredAgain)
{
    CComPtr<IDSMenu> sub = model.AddMenu(MenuType_Main);
    model.AddLinkedButton(root, ButtonType_Command, sub);
    model.AddLinkedButton(sub, ButtonType_Command, root);
    model.AddLinkedButton(sub, ButtonType_Command, first);
    EXPECT_EQ(Reached(sub), (std::vector<LONG>{GetID(sub), GetID(first)}));
}

TEST_F(TraversalTest, ChapterMenuStandsForItsTitleOnce)
{
    CComPtr<IDSMenu> chapters = model.AddMenu(MenuType_Chapter);
    for (int i = 0; i < 12; ++i)
        model.AddLinkedButton(chapters, ButtonType_Command, first);
    model.AddLinkedButton(root, ButtonType_Command, chapters);
    model.AddLinkedButton(root, ButtonType_Command, first);
    std::vector<LONG> ids = Reached(root);
    EXPECT_EQ(ids, (std::vector<LONG>{GetID(root), GetID(chapters), GetID(first), GetID(first)}));
}

TEST_F(TraversalTest, NullArgumentsAreRefused)
{
    std::vector<LONG> ids;
    EXPECT_EQ(CDSMenuUtils::TraverseMenuLink(nullptr, ids), E_POINTER);
    EXPECT_EQ(CDSMenuUtils::TraverseButtonLink(nullptr, ids), E_POINTER);
    EXPECT_TRUE(ids.empty());
}

} // namespace

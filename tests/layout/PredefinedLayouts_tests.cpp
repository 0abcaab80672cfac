#include "dsutils/DSMenuUtils.h"

#include "LayoutFakes.h"
#include "support/ErrorStackText.h"

#include "platform/ErrorStack.h"

#include <gtest/gtest.h>

namespace {

using Offers = std::vector<CDSMenuUtils::sPredefinedLayout>;

std::vector<ULONG> WordsOf(const Offers& offers)
{
    std::vector<ULONG> words;
    for (size_t i = 0; i < offers.size(); ++i) {
        EXPECT_EQ(offers[i].index, static_cast<int>(i));
        words.push_back(offers[i].layout);
    }
    return words;
}

// A main menu and a chapter menu whose template head is the main template of a ring of two.
struct ThemedProject
{
    ThemedProject()
    {
        project = LayoutProject::Create();
        mainTemplate = project->AddMenu(10, MenuType_MainTemplate, 11);
        chapterTemplate = project->AddMenu(11, MenuType_ChapterTemplate, 10);
        main = project->AddMenu(1, MenuType_Main, 10);
        chapter = project->AddMenu(2, MenuType_Chapter, 10);
    }

    CComPtr<LayoutProject> project;
    CComPtr<LayoutMenu> mainTemplate;
    CComPtr<LayoutMenu> chapterTemplate;
    CComPtr<LayoutMenu> main;
    CComPtr<LayoutMenu> chapter;
};

TEST(LayoutGetPredefinedLayouts, OffersTheTemplateLayoutThenSixShapesOfItsCapacity)
{
    ThemedProject themed;
    themed.mainTemplate->layout = 0x00500C22u;
    themed.main->layout = 0x01500C11u;
    Offers offers;
    ASSERT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(themed.main, offers), S_OK);
    EXPECT_EQ(WordsOf(offers),
              (std::vector<ULONG>{0x00500C22u, 0x01500C31u, 0x01510C31u, 0x01501811u, 0x01511811u,
                                  0x01521811u, 0x01531811u}));
}

TEST(LayoutGetPredefinedLayouts, OddCapacitySplitsIntoRowsDownAndColumnsUp)
{
    CComPtr<LayoutProject> project = LayoutProject::Create();
    CComPtr<LayoutMenu> menu = project->AddMenu(1, MenuType_Main);
    menu->layout = 0x01501411u;
    Offers offers;
    ASSERT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(menu, offers), S_OK);
    ASSERT_EQ(offers.size(), 7u);
    EXPECT_EQ(offers[0].layout, 0x01501411u);
    EXPECT_EQ(offers[1].layout, 0x01500C21u);
    EXPECT_EQ(offers[2].layout, 0x01510831u);
}

TEST(LayoutGetPredefinedLayouts, ChapterMenuReadsTheChapterTemplateOfItsRing)
{
    ThemedProject themed;
    themed.mainTemplate->layout = 0x01501411u;
    themed.chapterTemplate->layout = 0x01500C22u;
    Offers offers = {{9, 9}};
    ASSERT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(themed.chapter, offers), S_OK);
    ASSERT_EQ(offers.size(), 7u);
    EXPECT_EQ(offers[0].layout, 0x01500C22u);
    EXPECT_EQ(offers[3].layout, 0x01501811u);
}

TEST(LayoutGetPredefinedLayouts, RingWithoutATemplateOfTheTypeLeavesTheMenusOwnLayout)
{
    ThemedProject themed;
    themed.chapterTemplate->tag = MenuType_MainTemplate;
    themed.mainTemplate->layout = 0x01501411u;
    themed.chapter->layout = 0x00500C22u;
    Offers offers;
    ASSERT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(themed.chapter, offers), S_OK);
    ASSERT_EQ(offers.size(), 7u);
    EXPECT_EQ(offers[0].layout, 0x00500C22u);
}

TEST(LayoutGetPredefinedLayouts, StoredZeroIsOfferedAsStoredWithNoButtons)
{
    CComPtr<LayoutProject> project = LayoutProject::Create();
    CComPtr<LayoutMenu> menu = project->AddMenu(1, MenuType_Main, 77);
    Offers offers;
    ASSERT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(menu, offers), S_OK);
    EXPECT_EQ(WordsOf(offers), (std::vector<ULONG>{0u, 0x01500001u, 0x01510001u, 0x01500011u,
                                                   0x01510011u, 0x01520011u, 0x01530011u}));
}

TEST(LayoutGetPredefinedLayouts, NullMenuIsRefusedWithoutAMessage)
{
    Offers offers = {{1, 2}};
    EXPECT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(nullptr, offers), E_POINTER);
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

TEST(LayoutGetPredefinedLayouts, FailedLayoutReadIsReportedAndReturned)
{
    CComPtr<LayoutProject> project = LayoutProject::Create();
    CComPtr<LayoutMenu> menu = project->AddMenu(1, MenuType_Main);
    menu->layoutResult = E_ACCESSDENIED;
    Offers offers;
    EXPECT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(menu, offers), E_ACCESSDENIED);
    EXPECT_EQ(KVUGetErrorStack().size(), 1u);
    EXPECT_TRUE(StackHolds(L"pSource->get_ButtonLayout(oLayout)"));
    EXPECT_TRUE(offers.empty());
}

TEST(LayoutGetBtnCount, CountsTheGridOfTheStoredOrDefaultLayout)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    EXPECT_EQ(CDSMenuUtils::LayoutGetBtnCount(menu), 6);
    menu->layout = 0x01501031u;
    EXPECT_EQ(CDSMenuUtils::LayoutGetBtnCount(menu), 12);
    menu->layoutResult = E_FAIL;
    EXPECT_EQ(CDSMenuUtils::LayoutGetBtnCount(menu), 0);
    EXPECT_EQ(CDSMenuUtils::LayoutGetBtnCount(nullptr), 0);
}

} // namespace

#include "dsutils/DSMenuUtils.h"

#include "LayoutFakes.h"
#include "LayoutModelTest.h"
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
class LayoutGetPredefinedLayouts : public LayoutModelTest
{
protected:
    void SetUp() override
    {
        LayoutModelTest::SetUp();
        m_mainTemplate = AddMenu(MenuType_MainTemplate);
        m_chapterTemplate = AddMenu(MenuType_ChapterTemplate);
        LinkTemplate(m_mainTemplate, m_chapterTemplate);
        LinkTemplate(m_chapterTemplate, m_mainTemplate);
        m_main = AddMenu(MenuType_Main);
        m_chapter = AddMenu(MenuType_Chapter);
        LinkTemplate(m_main, m_mainTemplate);
        LinkTemplate(m_chapter, m_mainTemplate);
    }

    static void LinkTemplate(IDSMenu* menu, IDSMenu* target)
    {
        LONG id = 0;
        target->get_ID(&id);
        EXPECT_EQ(S_OK, menu->put_TemplateID(id));
    }

    CComPtr<IDSMenu> m_mainTemplate;
    CComPtr<IDSMenu> m_chapterTemplate;
    CComPtr<IDSMenu> m_main;
    CComPtr<IDSMenu> m_chapter;
};

TEST_F(LayoutGetPredefinedLayouts, OffersTheTemplateLayoutThenSixShapesOfItsCapacity)
{
    ASSERT_EQ(S_OK, m_mainTemplate->put_ButtonLayout(0x00500C22u));
    ASSERT_EQ(S_OK, m_main->put_ButtonLayout(0x01500C11u));
    Offers offers;
    ASSERT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(m_main, offers), S_OK);
    EXPECT_EQ(WordsOf(offers),
              (std::vector<ULONG>{0x00500C22u, 0x01500C31u, 0x01510C31u, 0x01501811u, 0x01511811u,
                                  0x01521811u, 0x01531811u}));
}

TEST_F(LayoutGetPredefinedLayouts, OddCapacitySplitsIntoRowsDownAndColumnsUp)
{
    CComPtr<IDSMenu> menu = AddMenu(MenuType_Main, 0x01501411u);
    Offers offers;
    ASSERT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(menu, offers), S_OK);
    ASSERT_EQ(offers.size(), 7u);
    EXPECT_EQ(offers[0].layout, 0x01501411u);
    EXPECT_EQ(offers[1].layout, 0x01500C21u);
    EXPECT_EQ(offers[2].layout, 0x01510831u);
}

TEST_F(LayoutGetPredefinedLayouts, ChapterMenuReadsTheChapterTemplateOfItsRing)
{
    ASSERT_EQ(S_OK, m_mainTemplate->put_ButtonLayout(0x01501411u));
    ASSERT_EQ(S_OK, m_chapterTemplate->put_ButtonLayout(0x01500C22u));
    Offers offers = {{9, 9}};
    ASSERT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(m_chapter, offers), S_OK);
    ASSERT_EQ(offers.size(), 7u);
    EXPECT_EQ(offers[0].layout, 0x01500C22u);
    EXPECT_EQ(offers[3].layout, 0x01501811u);
}

TEST_F(LayoutGetPredefinedLayouts, RingWithoutATemplateOfTheTypeLeavesTheMenusOwnLayout)
{
    ASSERT_EQ(S_OK, m_chapterTemplate->put_Tag(MenuType_MainTemplate));
    ASSERT_EQ(S_OK, m_mainTemplate->put_ButtonLayout(0x01501411u));
    ASSERT_EQ(S_OK, m_chapter->put_ButtonLayout(0x00500C22u));
    Offers offers;
    ASSERT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(m_chapter, offers), S_OK);
    ASSERT_EQ(offers.size(), 7u);
    EXPECT_EQ(offers[0].layout, 0x00500C22u);
}

TEST_F(LayoutGetPredefinedLayouts, StoredZeroIsOfferedAsStoredWithNoButtons)
{
    CComPtr<IDSMenu> menu = AddMenu(MenuType_Main);
    Offers offers;
    ASSERT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(menu, offers), S_OK);
    EXPECT_EQ(WordsOf(offers), (std::vector<ULONG>{0u, 0x01500001u, 0x01510001u, 0x01500011u,
                                                   0x01510011u, 0x01520011u, 0x01530011u}));
}

TEST_F(LayoutGetPredefinedLayouts, NullMenuIsRefusedWithoutAMessage)
{
    Offers offers = {{1, 2}};
    EXPECT_EQ(CDSMenuUtils::LayoutGetPredefinedLayouts(nullptr, offers), E_POINTER);
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

TEST(LayoutGetPredefinedLayoutsRead, FailedLayoutReadIsReportedAndReturned)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
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

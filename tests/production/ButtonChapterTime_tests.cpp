#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"

#include "ProductionTest.h"

#include "model/IDSCommandList.h"
#include "model/KVEMarkerList.h"

namespace {

class ButtonChapterTime : public ProductionTest
{
protected:
    void SetUp() override
    {
        CComPtr<IUnknown> panel;
        ASSERT_EQ(S_OK, Edit(m_title)->AddSolidColor(0, 0x000000, &panel));
        ASSERT_EQ(S_OK, CComQIPtr<IBaseObject>(panel)->put_Duration(60.0));
    }

    void AddChapterMarkers(std::initializer_list<double> times)
    {
        CComQIPtr<IKVEMarkerList> markers(StoryboardOf(m_title).p);
        for (double time : times) {
            LONG id = 0;
            ASSERT_EQ(S_OK, markers->AddMarker(time, KVE_MARKER_CHAPTER, 0, &id));
        }
    }

    // A button of a new menu that plays a chapter of the title.
    CComPtr<IDSMenuButton> ButtonPlaying(int chapter)
    {
        CComPtr<IDSMenuButton> button = AddButton(AddMenu(m_project));
        DiscCommandParams play = {};
        EXPECT_EQ(S_OK, CDSMenuUtils::SetCmd(play, m_title, chapter));
        EXPECT_EQ(S_OK, CComQIPtr<IDSCommandList>(button)->SetCommands(1, &play));
        return button;
    }
};

TEST_F(ButtonChapterTime, ChaptersFromTheSecondStartAtTheirMarkers)
{
    AddChapterMarkers({20.0, 10.0});
    EXPECT_DOUBLE_EQ(10.0, CDSProductionUtils::GetBtnChapterTime(ButtonPlaying(2)));
    EXPECT_DOUBLE_EQ(20.0, CDSProductionUtils::GetBtnChapterTime(ButtonPlaying(3)));
    EXPECT_DOUBLE_EQ(0.0, CDSProductionUtils::GetBtnChapterTime(ButtonPlaying(1)));
    EXPECT_DOUBLE_EQ(0.0, CDSProductionUtils::GetBtnChapterTime(ButtonPlaying(4)));
}

// The chapter list drops a first marker this near the start, since chapter 1 starts at 0; the
// button's chapter is looked up in that list.
TEST_F(ButtonChapterTime, MarkerAtTheVeryStartIsNotAChapter)
{
    AddChapterMarkers({0.3, 10.0});
    EXPECT_DOUBLE_EQ(10.0, CDSProductionUtils::GetBtnChapterTime(ButtonPlaying(2)));
    LONG count = 0;
    CComQIPtr<IKVEMarkerList>(StoryboardOf(m_title).p)->GetMarkerCount(KVE_MARKER_CHAPTER, &count);
    EXPECT_EQ(1, count);
    AddChapterMarkers({0.5});
    EXPECT_DOUBLE_EQ(0.5, CDSProductionUtils::GetBtnChapterTime(ButtonPlaying(2)));
}

TEST_F(ButtonChapterTime, ButtonsThatPlayNoChapterStartAtZero)
{
    AddChapterMarkers({10.0});
    CComPtr<IDSMenu> menu = AddMenu(m_project);
    CComPtr<IDSMenuButton> silent = AddButton(menu);
    EXPECT_DOUBLE_EQ(0.0, CDSProductionUtils::GetBtnChapterTime(silent));
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(silent, AddMenu(m_project)));
    EXPECT_DOUBLE_EQ(0.0, CDSProductionUtils::GetBtnChapterTime(silent));
    EXPECT_DOUBLE_EQ(0.0, CDSProductionUtils::GetBtnChapterTime(nullptr));
}

} // namespace

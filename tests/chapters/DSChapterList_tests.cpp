#include "dsutils/DSChapterList.h"

#include "support/ClipWriter.h"
#include "support/EngineStubs.h"
#include "support/ErrorStackText.h"
#include "support/ProjectTest.h"
#include "support/ScratchFolder.h"

#include "model/KVEEditData.h"
#include "model/KVEMarkerList.h"
#include "model/KVEProductionInfo.h"
#include "platform/ComObject.h"
#include "platform/ResultCodes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The times a chapter list gives, each read expected to succeed.
double ChapterTime(CDSChapterList& chapters, LONG chapter)
{
    double time = -1.0;
    EXPECT_EQ(S_OK, chapters.GetChapterTime(chapter, time));
    return time;
}

double ChapterThumbTime(CDSChapterList& chapters, LONG chapter)
{
    double time = -1.0;
    EXPECT_EQ(S_OK, chapters.GetChapterThumbTime(chapter, time));
    return time;
}

double ProductionThumbTime(CDSChapterList& chapters)
{
    double time = -1.0;
    EXPECT_EQ(S_OK, chapters.GetProductionThumbTime(time));
    return time;
}

// A title whose production plays a clip made for the test; markers are read and written
// straight through the production's marker list to check what the chapter list does.
class ChapterListTest : public ProjectTest
{
protected:
    // Puts a clip of that many seconds into the title's production.
    void LoadClip(int seconds)
    {
        ClipShape shape;
        shape.framesPerSecond = 5;
        shape.frameCount = seconds * shape.framesPerSecond;
        std::wstring path = folder.File("clip.mp4");
        ASSERT_EQ(S_OK, WriteColourClip(path, shape));
        CComQIPtr<IEditData> edit(production);
        ASSERT_EQ(S_OK,
                  edit->AddSourceFile(0, CComBSTR(path.c_str()), 0.0, 0.0, VARIANT_FALSE, nullptr));
    }

    double Duration()
    {
        double seconds = -1.0;
        EXPECT_EQ(S_OK, CComQIPtr<IProductionInfo>(production)->get_Duration(&seconds));
        return seconds;
    }

    LONG AddMarker(double time, LONG kind = KVE_MARKER_CHAPTER)
    {
        LONG id = -1;
        EXPECT_EQ(S_OK, markers->AddMarker(time, kind, 0, &id));
        return id;
    }

    LONG MarkerCount(LONG kind)
    {
        LONG count = -1;
        EXPECT_EQ(S_OK, markers->GetMarkerCount(kind, &count));
        return count;
    }

    KVEMarker Marker(LONG index, LONG kind)
    {
        KVEMarker marker{-1, -1.0, -1, -1};
        EXPECT_EQ(S_OK, markers->GetMarkerItem(index, kind, &marker));
        return marker;
    }

    static CComPtr<IUnknown> ProductionOf(IDSTitle* pTitle)
    {
        CComPtr<IUnknown> spProduction;
        EXPECT_EQ(S_OK, pTitle->GetProduction(&spProduction));
        return spProduction;
    }

    ScratchFolder folder;
    CComPtr<IDSProjectData> project = NewProject();
    CComPtr<IDSTitle> title = AddTitle(project);
    CComPtr<IUnknown> production = ProductionOf(title);
    CComQIPtr<IKVEMarkerList> markers{production};
};

TEST_F(ChapterListTest, FirstMarkerBeforeHalfASecondBelongsToChapterOne)
{
    LoadClip(3);
    AddMarker(0.3);
    AddMarker(2.0);
    CDSChapterList dropped(production);
    EXPECT_EQ(1, MarkerCount(KVE_MARKER_CHAPTER));
    EXPECT_EQ(2, dropped.GetChapterCount());
    EXPECT_DOUBLE_EQ(2.0, ChapterTime(dropped, 2));

    AddMarker(0.5);
    CDSChapterList kept(production);
    EXPECT_EQ(3, kept.GetChapterCount());
    EXPECT_DOUBLE_EQ(0.5, ChapterTime(kept, 2));
    EXPECT_DOUBLE_EQ(0.0, ChapterTime(kept, 1));
}

TEST_F(ChapterListTest, ProductionWithoutMarkersHasOneChapter)
{
    CDSChapterList chapters(production);
    EXPECT_EQ(1, chapters.GetChapterCount());
    double time = -1.0;
    EXPECT_EQ(E_INVALIDARG, chapters.GetChapterTime(2, time));
    EXPECT_DOUBLE_EQ(-1.0, time);
    EXPECT_TRUE(StackHolds(L"DSChapterList.cpp"));

    CDSChapterList noMarkerList(project);
    EXPECT_EQ(1, noMarkerList.GetChapterCount());
    EXPECT_DOUBLE_EQ(0.0, ChapterTime(noMarkerList, 1));
    EXPECT_EQ(E_POINTER, noMarkerList.InsertChapter(1.0, nullptr));
}

TEST_F(ChapterListTest, ChaptersStartNoEarlierThanNineTenthsOfASecond)
{
    LoadClip(3);
    CDSChapterList chapters(production);
    LONG index = -1;
    EXPECT_EQ(E_FAIL, chapters.InsertChapter(0.89, &index));
    EXPECT_EQ(E_FAIL, chapters.InsertChapter(std::nan(""), &index));
    EXPECT_EQ(-1, index);
    EXPECT_EQ(0, MarkerCount(KVE_MARKER_CHAPTER));
    ASSERT_EQ(S_OK, chapters.InsertChapter(0.9, &index));
    EXPECT_EQ(2, index);
    ASSERT_EQ(S_OK, chapters.InsertChapter(2.5, &index));
    EXPECT_EQ(3, index);
    ASSERT_EQ(S_OK, chapters.InsertChapter(1.5, &index));
    EXPECT_EQ(3, index);
    ASSERT_EQ(S_OK, chapters.InsertChapter(1.2, nullptr));
    EXPECT_EQ(5, chapters.GetChapterCount());
    EXPECT_DOUBLE_EQ(2.5, ChapterTime(chapters, 5));
}

TEST_F(ChapterListTest, ChapterAtOrAfterTheEndOfTheTitleIsRefused)
{
    LoadClip(2);
    double end = Duration();
    ASSERT_NEAR(2.0, end, 0.05);
    CDSChapterList chapters(production);
    LONG index = -1;
    EXPECT_EQ(E_INSERTCHAPTER_PAST_TITLE_END, chapters.InsertChapter(end, &index));
    EXPECT_TRUE(StackHolds(L"E_INSERTCHAPTER_PAST_TITLE_END"));
    EXPECT_TRUE(StackHolds(L"the title ends at 00:00:02.00"));
    EXPECT_EQ(E_INSERTCHAPTER_PAST_TITLE_END, chapters.InsertChapter(end + 60.0, &index));
    EXPECT_EQ(-1, index);
    EXPECT_EQ(0, MarkerCount(KVE_MARKER_CHAPTER));
    ASSERT_EQ(S_OK, chapters.InsertChapter(end - 0.01, &index));
    EXPECT_EQ(2, index);
}

TEST_F(ChapterListTest, EmptyProductionTakesNoChapter)
{
    CDSChapterList chapters(production);
    EXPECT_EQ(E_INSERTCHAPTER_PAST_TITLE_END, chapters.InsertChapter(1.0, nullptr));
    EXPECT_EQ(0, MarkerCount(KVE_MARKER_CHAPTER));
}

TEST_F(ChapterListTest, TitleWithMarkersAtOneAndTwoMinutes)
{
    LoadClip(130);
    LONG first = AddMarker(60.0);
    LONG second = AddMarker(120.0);
    CDSChapterList chapters(production);
    ASSERT_EQ(3, chapters.GetChapterCount());
    EXPECT_DOUBLE_EQ(60.0, ChapterTime(chapters, 2));
    EXPECT_DOUBLE_EQ(120.0, ChapterTime(chapters, 3));

    ASSERT_EQ(S_OK, chapters.SetChapterTime(3, 45.0));
    EXPECT_EQ(second, Marker(0, KVE_MARKER_CHAPTER).lID);
    EXPECT_DOUBLE_EQ(60.0, ChapterTime(chapters, 3));

    ASSERT_EQ(S_OK, chapters.DeleteChapter(2));
    EXPECT_EQ(2, chapters.GetChapterCount());
    EXPECT_EQ(first, Marker(0, KVE_MARKER_CHAPTER).lID);
}

TEST_F(ChapterListTest, ChapterOneAndMissingChaptersHaveNoStoredMarker)
{
    LoadClip(3);
    AddMarker(1.0);
    CDSChapterList chapters(production);
    EXPECT_EQ(E_CHAPTERLIST_NO_STORED_MARKER, chapters.SetChapterTime(1, 2.0));
    EXPECT_EQ(E_CHAPTERLIST_NO_STORED_MARKER, chapters.DeleteChapter(1));
    EXPECT_EQ(E_CHAPTERLIST_NO_STORED_MARKER, chapters.DeleteChapter(3));
    EXPECT_TRUE(StackHolds(L"E_CHAPTERLIST_NO_STORED_MARKER"));
    EXPECT_EQ(E_CHAPTERLIST_NO_STORED_MARKER, chapters.SetChapterTime(0, 2.0));
    EXPECT_EQ(1, MarkerCount(KVE_MARKER_CHAPTER));
}

TEST_F(ChapterListTest, ChapterThumbnailIsItsStartUntilOneIsSet)
{
    LoadClip(3);
    AddMarker(1.0);
    CDSChapterList chapters(production);
    EXPECT_DOUBLE_EQ(1.0, ChapterThumbTime(chapters, 2));

    ASSERT_EQ(S_OK, chapters.SetChapterThumbTime(2, 1.4));
    ASSERT_EQ(1, MarkerCount(KVE_MARKER_THUMBNAIL));
    EXPECT_EQ(Marker(0, KVE_MARKER_THUMBNAIL).lID, Marker(0, KVE_MARKER_CHAPTER).lLink);
    ASSERT_EQ(S_OK, chapters.SetChapterThumbTime(2, 1.6));
    EXPECT_EQ(1, MarkerCount(KVE_MARKER_THUMBNAIL));
    EXPECT_DOUBLE_EQ(1.6, ChapterThumbTime(chapters, 2));
    EXPECT_DOUBLE_EQ(1.0, ChapterTime(chapters, 2));

    EXPECT_EQ(S_FALSE, chapters.SetChapterThumbTime(1, 2.0));
    EXPECT_EQ(1, MarkerCount(KVE_MARKER_THUMBNAIL));
    EXPECT_DOUBLE_EQ(0.0, ChapterThumbTime(chapters, 1));
}

TEST_F(ChapterListTest, ProductionThumbnailIsMadeOnceThenMoved)
{
    LoadClip(3);
    CDSChapterList chapters(production);
    EXPECT_DOUBLE_EQ(0.0, ProductionThumbTime(chapters));

    ASSERT_EQ(S_OK, chapters.SetProductionThumbTime(1.25));
    ASSERT_EQ(S_OK, chapters.SetProductionThumbTime(2.5));
    ASSERT_EQ(1, MarkerCount(KVE_MARKER_THUMBNAIL));
    EXPECT_EQ(-5, Marker(0, KVE_MARKER_THUMBNAIL).lLink);
    EXPECT_DOUBLE_EQ(2.5, Marker(0, KVE_MARKER_THUMBNAIL).dTime);

    CDSChapterList reread(production);
    EXPECT_DOUBLE_EQ(2.5, ProductionThumbTime(reread));
}

TEST_F(ChapterListTest, ChapterThumbnailsAreNotTheProductionThumbnail)
{
    LoadClip(3);
    AddMarker(1.0);
    LONG older = AddMarker(0.7, KVE_MARKER_THUMBNAIL);
    ASSERT_EQ(S_OK, markers->SetMarkerLink(older, -5));
    LONG newer = AddMarker(2.0, KVE_MARKER_THUMBNAIL);
    ASSERT_EQ(S_OK, markers->SetMarkerLink(newer, -5));
    CDSChapterList chapters(production);
    ASSERT_EQ(S_OK, chapters.SetChapterThumbTime(2, 1.5));
    EXPECT_DOUBLE_EQ(2.0, ProductionThumbTime(chapters));
}

TEST_F(ChapterListTest, ClearRemovesEveryMarkerAndTheProductionThumbnailStartsAgain)
{
    LoadClip(3);
    CDSChapterList chapters(production);
    ASSERT_EQ(S_OK, chapters.InsertChapter(1.0, nullptr));
    ASSERT_EQ(S_OK, chapters.SetProductionThumbTime(1.5));
    ASSERT_EQ(S_OK, chapters.Clear());
    EXPECT_EQ(1, chapters.GetChapterCount());
    EXPECT_DOUBLE_EQ(0.0, ProductionThumbTime(chapters));
    ASSERT_EQ(S_OK, chapters.SetProductionThumbTime(0.5));
    ASSERT_EQ(1, MarkerCount(KVE_MARKER_THUMBNAIL));
    EXPECT_EQ(-5, Marker(0, KVE_MARKER_THUMBNAIL).lLink);
}

TEST_F(ChapterListTest, CopiesShareTheMarkers)
{
    LoadClip(3);
    CDSChapterList chapters(production);
    ASSERT_EQ(S_OK, chapters.SetProductionThumbTime(1.0));
    CDSChapterList copy(chapters);
    ASSERT_EQ(S_OK, copy.InsertChapter(1.0, nullptr));
    EXPECT_EQ(2, chapters.GetChapterCount());
    ASSERT_EQ(S_OK, copy.SetProductionThumbTime(2.0));
    EXPECT_EQ(1, MarkerCount(KVE_MARKER_THUMBNAIL));
    CDSChapterList assigned(nullptr);
    assigned = copy;
    EXPECT_EQ(2, assigned.GetChapterCount());
}

// A marker list that numbers its markers from 0, as marker lists saved by other engines may:
// chapter and thumbnail markers in time order within their kind.
class ZeroBasedMarkerList : public StubMarkerList<ComObject<ZeroBasedMarkerList, IKVEMarkerList>>
{
public:
    HRESULT AddMarker(double time, LONG kind, LONG, LONG* id) override
    {
        m_markers.push_back({m_nextId, time, -1, kind});
        *id = m_nextId++;
        std::stable_sort(m_markers.begin(), m_markers.end(),
                         [](const KVEMarker& a, const KVEMarker& b) { return a.dTime < b.dTime; });
        return S_OK;
    }
    HRESULT GetMarkerCount(LONG kind, LONG* count) override
    {
        *count = static_cast<LONG>(
            std::count_if(m_markers.begin(), m_markers.end(),
                          [kind](const KVEMarker& m) { return m.lKind == kind; }));
        return S_OK;
    }
    HRESULT GetMarkerItem(LONG index, LONG kind, KVEMarker* marker) override
    {
        for (const KVEMarker& m : m_markers) {
            if (m.lKind == kind && index-- == 0) {
                *marker = m;
                return S_OK;
            }
        }
        return E_INVALIDARG;
    }
    HRESULT GetMarkerByID(LONG id, KVEMarker* marker) override
    {
        return WithMarker(id, [marker](KVEMarker& found) { *marker = found; });
    }
    HRESULT SetMarkerLink(LONG id, LONG link) override
    {
        return WithMarker(id, [link](KVEMarker& found) { found.lLink = link; });
    }
    HRESULT SetMarkerTime(LONG id, double time) override
    {
        return WithMarker(id, [time](KVEMarker& found) { found.dTime = time; });
    }

    std::vector<KVEMarker> m_markers;

private:
    // Runs use on the marker with the ID; E_INVALIDARG when there is none.
    template <class Use> HRESULT WithMarker(LONG id, Use use)
    {
        auto it = std::find_if(m_markers.begin(), m_markers.end(),
                               [id](const KVEMarker& m) { return m.lID == id; });
        if (it == m_markers.end())
            return E_INVALIDARG;
        use(*it);
        return S_OK;
    }

    LONG m_nextId = 0;
};

TEST(ChapterListMarkerIds, ProductionThumbnailWithIdZeroIsReadBackAndMoved)
{
    CComPtr<ZeroBasedMarkerList> list = ZeroBasedMarkerList::Create();
    LONG id = -1;
    ASSERT_EQ(S_OK, list->AddMarker(3.0, KVE_MARKER_THUMBNAIL, 0, &id));
    ASSERT_EQ(0, id);
    ASSERT_EQ(S_OK, list->SetMarkerLink(id, -5));

    CDSChapterList chapters(list->GetUnknown());
    EXPECT_DOUBLE_EQ(3.0, ProductionThumbTime(chapters));
    ASSERT_EQ(S_OK, chapters.SetProductionThumbTime(4.0));
    ASSERT_EQ(1u, list->m_markers.size());
    EXPECT_DOUBLE_EQ(4.0, list->m_markers[0].dTime);
    // A list that is not a production's has no end to refuse chapters at.
    ASSERT_EQ(S_OK, chapters.InsertChapter(5000.0, nullptr));
}

} // namespace

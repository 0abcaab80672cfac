#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "ChapterButtons.h"
#include "ChapterMarkers.h"
#include "project/ChainFlow.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <map>

namespace {

// The buttons of a chapter menu sorted out against the title's chapters.
struct ChapterButtons
{
    // The button of each chapter, by chapter number - 1; null for a chapter without one.
    DSMenuButtonVec byChapter;
    // Buttons that play nothing of the title (another title, a menu, nothing): kept as they are.
    DSMenuButtonVec others;
    // Buttons of the title whose chapter is gone or that another button already stands for.
    DSMenuButtonVec stale;
};

// The chapter number of each marker ID: chapter 1 has none (kChapterOneMarkerId).
std::map<LONG, LONG> ChaptersByMarker(const std::vector<KVEMarker>& markers)
{
    std::map<LONG, LONG> chapters{{kChapterOneMarkerId, 1}};
    for (size_t i = 0; i < markers.size(); ++i)
        chapters[markers[i].lID] = static_cast<LONG>(i) + 2;
    return chapters;
}

// The chapter that a button of the title stands for, by the marker ID it keeps; 0 when its
// marker is gone. A button without a marker stands for chapter 1 only when it plays the title
// from its start.
HRESULT ChapterOf(IDSMenuButton* pButton, int linkedChapter, const std::map<LONG, LONG>& chapters,
                  LONG& lChapter)
{
    LONG lMarkerId = kChapterOneMarkerId;
    CHECK_HR(pButton->get_ChapterMarkerID(&lMarkerId));
    auto found = chapters.find(lMarkerId);
    lChapter = found == chapters.end() ? 0 : found->second;
    if (lMarkerId == kChapterOneMarkerId && linkedChapter > 1)
        lChapter = 0;
    return S_OK;
}

HRESULT SortButtons(const DSMenuButtonVec& buttons, IDSTitle* pTitle,
                    const std::vector<KVEMarker>& markers, ChapterButtons& sorted)
{
    std::map<LONG, LONG> chapters = ChaptersByMarker(markers);
    sorted.byChapter.assign(markers.size() + 1, nullptr);
    for (const CComPtr<IDSMenuButton>& spButton : buttons) {
        int linkedChapter = 0;
        IDSTitle* pLinked = CDSMenuUtils::GetLinkedTitle(spButton, &linkedChapter, false);
        if (!pLinked || GetID(pLinked) != GetID(pTitle)) {
            sorted.others.push_back(spButton);
            continue;
        }
        LONG lChapter = 0;
        CHECK_HR_SHORT(ChapterOf(spButton, linkedChapter, chapters, lChapter));
        size_t slot = static_cast<size_t>(lChapter - 1);
        if (lChapter > 0 && !sorted.byChapter[slot])
            sorted.byChapter[slot] = spButton;
        else
            sorted.stale.push_back(spButton);
    }
    return S_OK;
}

HRESULT DeleteStale(const DSMenuButtonVec& stale)
{
    for (const CComPtr<IDSMenuButton>& spButton : stale)
        CHECK_HR_SHORT(CDSMenuUtils::DeleteElement(spButton));
    return S_OK;
}

// Links each kept button to its chapter (a button whose chapter number is unchanged is left
// alone) and makes the buttons of chapters that have none, on the last page.
HRESULT LinkChapterButtons(ChapterButtons& sorted, IDSTitle* pTitle,
                           const std::vector<KVEMarker>& markers, IDSMenu* pLastPage)
{
    for (size_t i = 0; i < sorted.byChapter.size(); ++i) {
        LONG lChapter = static_cast<LONG>(i) + 1;
        CComPtr<IDSMenuButton>& spButton = sorted.byChapter[i];
        if (spButton) {
            CHECK_HR(CDSMenuUtils::LinkChapter(spButton, pTitle, lChapter, true));
            continue;
        }
        LONG lMarkerId = i == 0 ? kChapterOneMarkerId : markers[i - 1].lID;
        CHECK_HR_SHORT(AddChapterButton(pLastPage, pTitle, lChapter, lMarkerId, spButton));
    }
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::UpdateChapterMenus(IDSTitle* pTitle, IDSMenu* pChapterMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pTitle);
    CHECK_NULL(pChapterMenu);
    std::vector<KVEMarker> markers;
    CHECK_HR_SHORT(ReadChapterMarkers(pTitle, markers));
    DSMenuChainVec chain(pChapterMenu);
    ChapterButtons sorted;
    CHECK_HR_SHORT(SortButtons(GetChainButtons(chain), pTitle, markers, sorted));
    CHECK_HR_SHORT(DeleteStale(sorted.stale));
    CHECK_HR_SHORT(LinkChapterButtons(sorted, pTitle, markers, chain.back()));
    DSMenuButtonVec order = sorted.byChapter;
    order.insert(order.end(), sorted.others.begin(), sorted.others.end());
    CHECK_HR_SHORT(FlowButtonsOverChain(chain.First(), order));
    CHECK_HR(UpdateChapterIndexBtns(chain.First()));
    CHECK_HR(CDSAppUtils::ArrangeButtonsInChain(chain.First()));
    return S_OK;
}

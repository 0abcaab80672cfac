#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "navigation/ButtonLabel.h"
#include "production/BtnThumbnail.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/WideFormat.h"

namespace {

// The source time of a thumbnail that shows its chapter's own thumbnail picture.
constexpr double kChapterThumbnailTime = -1.0;

// Whether the first PlayTitle command of the list plays that chapter of that title.
bool PlaysChapter(CCommandList& sCmds, LONG lTitleId, LONG lChapter)
{
    for (int i = 0; i < sCmds.size(); ++i) {
        if (sCmds[i].command == DiscCommand_PlayTitle)
            return sCmds[i].param1 == lTitleId && sCmds[i].param2 == lChapter;
    }
    return false;
}

// Replaces the link of a list by one to the target, keeping the transitions in front of it:
// the main command and everything after it go, one new entry follows the transitions, and the
// list is written back. expression names the filling of the entry in the report.
HRESULT ReplaceLink(CCommandList& sCmds, IUnknown* target, LONG lChapter, const char* expression)
{
    int first = sCmds.FindNonTransition();
    if (first >= 0)
        CHECK_HR(sCmds.Erase(first));
    int i = sCmds.size();
    CHECK_HR_TEXT(CDSMenuUtils::SetCmd(sCmds[i], target, static_cast<int>(lChapter)), expression);
    CHECK_HR(sCmds.Commit());
    return S_OK;
}

// The first and last chapter that the page's command buttons play: from the chapter of its
// first command button on, one per button; 0 to 0 for a page without command buttons.
std::wstring ChapterRangeOf(IDSMenu* pPage)
{
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(pPage, ButtonType_Command);
    int chapter = 0;
    int last = 0;
    if (!buttons.empty()) {
        CDSMenuUtils::GetLinkedTitle(buttons.front(), &chapter, false);
        last = chapter + static_cast<int>(buttons.size()) - 1;
    }
    return FormatWide(L"%d-%d", chapter, last);
}

} // namespace

HRESULT CDSMenuUtils::LinkChapter(IDSMenuButton* pButton, IDSTitle* pTitle, LONG lChapter,
                                  bool bSetLabel)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    CHECK_NULL(pTitle);
    CCommandList sCmds(static_cast<IUnknown*>(pButton));
    if (PlaysChapter(sCmds, GetID(pTitle), lChapter))
        return S_OK;
    CHECK_HR_SHORT(ReplaceLink(sCmds, pTitle, lChapter, "SetCmd(sCmds[i],target, lChapter)"));
    if (bSetLabel)
        CHECK_HR_SHORT(SetButtonLabel(pButton, FormatWide(L"%d", static_cast<int>(lChapter))));
    if (CComPtr<IDSMenuOverlay> spThumbnail = GetBtnThumbnail(pButton))
        CHECK_HR(spThumbnail->put_SourceTime(kChapterThumbnailTime));
    return S_OK;
}

HRESULT CDSMenuUtils::LinkChapIndex(IDSMenuButton* pButton, IDSMenu* pPage)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    CHECK_NULL(pPage);
    CCommandList sCmds(static_cast<IUnknown*>(pButton));
    CHECK_HR_SHORT(ReplaceLink(sCmds, pPage, 1, "SetCmd(sCmds[0],target)"));
    CHECK_HR_SHORT(SetButtonLabel(pButton, ChapterRangeOf(pPage)));
    return S_OK;
}

#include "ChapterButtons.h"

#include "dsutils/DSMenuUtils.h"

#include "platform/Check.h"

HRESULT AddChapterButton(IDSMenu* pPage, IDSTitle* pTitle, LONG lChapter, LONG lMarkerId,
                         CComPtr<IDSMenuButton>& spButton)
{
    spButton.Release();
    CHECK_HR(CDSMenuUtils::AddButton(pPage, &spButton, ButtonType_Command));
    CHECK_HR(CDSMenuUtils::LinkChapter(spButton, pTitle, lChapter, true));
    CHECK_HR(spButton->put_ChapterMarkerID(lMarkerId));
    return S_OK;
}

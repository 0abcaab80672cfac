#include "ElementSteps.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"
#include "platform/WideFormat.h"

namespace {

CComPtr<IDSMenuOverlay> FirstThumbnail(IDSMenuButton* pButton)
{
    return FirstOf(GetOverlayList(pButton, OverlayType_Thumbnail));
}

// The picture a thumbnail shows: what the user chose for it, or what resolving its source
// made of that choice.
struct ThumbnailPicture
{
    VARIANT_BOOL vbStill = VARIANT_FALSE;
    LONG lSourceType = 0;
    LONG lSourceId = 0;
    CComBSTR bstrSource;
    double dblInPoint = 0.0;
    double dblOutPoint = 0.0;
    double dblSourceTime = 0.0;
    LONG lRotation = 0;
    LONG lPrivateId = 0;
    VARIANT_BOOL vbZoomToFill = VARIANT_FALSE;

    HRESULT Read(IDSMenuOverlay* pThumbnail)
    {
        CHECK_HR(pThumbnail->get_StillImage(&vbStill));
        CHECK_HR(pThumbnail->GetSourceType(&lSourceType, &lSourceId));
        CHECK_HR(pThumbnail->get_Source(&bstrSource));
        CHECK_HR(pThumbnail->get_InPoint(&dblInPoint));
        CHECK_HR(pThumbnail->get_OutPoint(&dblOutPoint));
        CHECK_HR(pThumbnail->get_SourceTime(&dblSourceTime));
        CHECK_HR(pThumbnail->get_SourceRotation(&lRotation));
        CHECK_HR(pThumbnail->get_PrivateId(&lPrivateId));
        CHECK_HR(pThumbnail->get_ZoomToFill(&vbZoomToFill));
        return S_OK;
    }

    HRESULT Write(IDSMenuOverlay* pThumbnail) const
    {
        CHECK_HR(pThumbnail->put_StillImage(vbStill));
        CHECK_HR(pThumbnail->SetSourceType(lSourceType, lSourceId));
        CHECK_HR(pThumbnail->put_Source(bstrSource));
        CHECK_HR(pThumbnail->put_InPoint(dblInPoint));
        CHECK_HR(pThumbnail->put_OutPoint(dblOutPoint));
        CHECK_HR(pThumbnail->put_SourceTime(dblSourceTime));
        CHECK_HR(pThumbnail->put_SourceRotation(lRotation));
        CHECK_HR(pThumbnail->put_PrivateId(lPrivateId));
        CHECK_HR(pThumbnail->put_ZoomToFill(vbZoomToFill));
        return S_OK;
    }
};

// What a button keeps of its own when it takes another button's look.
struct KeptButtonState
{
    CComBSTR bstrButtonText;
    bool bHadTextElement = false;
    CComBSTR bstrTextLabel;
    LONG lChapterMarkerId = -1;
    bool bHadThumbnail = false;
    ThumbnailPicture thumbnail;

    HRESULT Read(IDSMenuButton* pButton)
    {
        CHECK_HR(pButton->get_Label(&bstrButtonText));
        if (IDSMenuText* pText = CDSMenuUtils::GetTextElement(pButton)) {
            bHadTextElement = true;
            CHECK_HR(pText->get_Label(&bstrTextLabel));
        }
        CHECK_HR(pButton->get_ChapterMarkerID(&lChapterMarkerId));
        if (CComPtr<IDSMenuOverlay> spThumbnail = FirstThumbnail(pButton)) {
            bHadThumbnail = true;
            CHECK_HR_SHORT(thumbnail.Read(spThumbnail));
        }
        return S_OK;
    }

    HRESULT RestoreProperties(IDSMenuButton* pButton) const
    {
        CHECK_HR(pButton->put_Label(bstrButtonText));
        CHECK_HR(pButton->put_ChapterMarkerID(lChapterMarkerId));
        return S_OK;
    }

    HRESULT RestoreThumbnail(IDSMenuButton* pButton) const
    {
        CComPtr<IDSMenuOverlay> spThumbnail = FirstThumbnail(pButton);
        if (!bHadThumbnail || !spThumbnail)
            return S_OK;
        CHECK_HR_SHORT(thumbnail.Write(spThumbnail));
        return S_OK;
    }
};

HRESULT TakePosition(IDSMenuButton* pDst, IDSMenuButton* pSrc)
{
    float x = 0.0f;
    float y = 0.0f;
    CHECK_HR(pSrc->GetPosition(&x, &y));
    CHECK_HR(pDst->SetPosition(x, y));
    return S_OK;
}

// The words a style's button brings along for a button that had none of its own: its text
// element's, else its own text. Command buttons of a style bring none, their words being
// placeholders for what each button leads to.
CComBSTR WordsOfStyle(IDSMenuButton* pSrc)
{
    CComBSTR bstrWords;
    if (GetTag(pSrc) & ButtonType_Command)
        return bstrWords;
    if (IDSMenuText* pText = CDSMenuUtils::GetTextElement(pSrc))
        pText->get_Label(&bstrWords);
    if (bstrWords.IsEmpty())
        pSrc->get_Label(&bstrWords);
    return bstrWords;
}

// Labels the button after what it leads to: the chapter number for a chapter after the first
// of a title, else the name of the title or menu.
HRESULT LabelFromLink(IDSMenuButton* pButton, IDSMenuText* pText)
{
    int nChapter = 0;
    if (IDSTitle* pTitle = CDSMenuUtils::GetLinkedTitle(pButton, &nChapter, true)) {
        if (nChapter > 1)
            return pText->put_Label(CComBSTR(FormatWide(L"%d", nChapter)));
        return CDSMenuUtils::SetButtonTextToTarget(pButton, pTitle);
    }
    if (IDSMenu* pMenu = CDSMenuUtils::GetLinkedMenu(pButton))
        return CDSMenuUtils::SetButtonTextToTarget(pButton, pMenu);
    return S_OK;
}

HRESULT UpdateTextElement(IDSMenuButton* pDst, IDSMenuButton* pSrc, const KeptButtonState& kept)
{
    IDSMenuText* pText = CDSMenuUtils::GetTextElement(pDst);
    if (!pText)
        return S_OK;
    if (kept.bHadTextElement) {
        if (!kept.bstrTextLabel.IsEmpty())
            CHECK_HR(pText->put_Label(kept.bstrTextLabel));
        return S_OK;
    }
    CComBSTR bstrWords = kept.bstrButtonText;
    if (bstrWords.IsEmpty())
        bstrWords = WordsOfStyle(pSrc);
    if (!bstrWords.IsEmpty()) {
        CHECK_HR(pText->put_Label(bstrWords));
        return S_OK;
    }
    CHECK_HR(LabelFromLink(pDst, pText));
    return S_OK;
}

} // namespace

HRESULT CMenuStyleUtil::ButtonCopy(IDSMenuButton* pDst, IDSMenuButton* pSrc, bool bUpdateText)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pSrc);
    CKVUTimer timer("ButtonCopy", 0);
    KeptButtonState kept;
    CHECK_HR_SHORT(kept.Read(pDst));
    timer.AddEntry(">ApplyTo");
    CHECK_HR(pSrc->ApplyTo(pDst));
    timer.AddEntry("Set tag and position");
    CHECK_HR_SHORT(kept.RestoreProperties(pDst));
    if (GetTag(pSrc) & ButtonType_Navigation)
        CHECK_HR_SHORT(TakePosition(pDst, pSrc));
    timer.AddEntry("Update thumbnail");
    CHECK_HR_SHORT(kept.RestoreThumbnail(pDst));
    timer.AddEntry("Text element");
    if (bUpdateText)
        CHECK_HR_SHORT(UpdateTextElement(pDst, pSrc, kept));
    return S_OK;
}

#include "ElementSteps.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "platform/Check.h"
#include "platform/ComPtr.h"
#include "platform/ErrorStack.h"
#include "platform/WideFormat.h"

#include <algorithm>

namespace {

// The navigation buttons of a sample menu, in the order they are added.
constexpr ULONG kSampleNavigation[] = {ButtonType_Next, ButtonType_Prev, ButtonType_Up,
                                       ButtonType_Home};

// Everything but the buttons, then the buttons, as NoOverwriteCopy numbers them.
constexpr DWORD kAllButButtons = 0x3E;
constexpr DWORD kButtonsOnly = 0x01;

// The sample chapter ranges of a chapter menu's index buttons: 83-89, 84-89 ….
constexpr int kSampleFirstChapter = 83;
constexpr int kSampleLastChapter = 89;

void LabelButton(IDSMenuButton* pButton, const std::wstring& label)
{
    if (IDSMenuText* pText = CDSMenuUtils::GetTextElement(pButton))
        pText->put_Label(CComBSTR(label));
}

void AddSampleButton(IDSMenu* pMenu, ULONG type)
{
    CComPtr<IDSMenuButton> spButton;
    CDSMenuUtils::AddButton(pMenu, &spButton, type, 0);
    CDSMenuUtils::ApplyAllButtons(pMenu, type);
}

void AddSampleCommandButton(IDSMenu* pMenu)
{
    CComPtr<IDSMenuButton> spButton;
    if (SUCCEEDED(CDSMenuUtils::AddButton(pMenu, &spButton, ButtonType_Command, 0)))
        LabelButton(spButton, (GetTag(pMenu) & MenuType_Main) ? FormatWide(L"Movie %d", 1)
                                                              : FormatWide(L"%d", 1));
    CDSMenuUtils::ApplyAllButtons(pMenu, ButtonType_Command);
}

// One index button per index button of the template, each leading to the menu itself.
void AddSampleChapterRanges(IDSMenu* pMenu)
{
    size_t count =
        GetButtonList(CDSMenuUtils::GetMenuTemplate(pMenu), ButtonType_ChapterRange).size();
    for (size_t k = 0; k < count; ++k) {
        CComPtr<IDSMenuButton> spButton;
        if (FAILED(CDSMenuUtils::AddButton(pMenu, &spButton, ButtonType_ChapterRange, int(k))))
            continue;
        CDSMenuUtils::LinkCmd(spButton, pMenu);
        LabelButton(spButton,
                    FormatWide(L"%d-%d", kSampleFirstChapter + int(k), kSampleLastChapter));
    }
}

} // namespace

HRESULT CMenuStyleUtil::FillUpMenuWithCommandButtons(IDSMenu* pMenu)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    int capacity = 0;
    CHECK_HR_SHORT(ReadButtonCapacity(pMenu, capacity));
    std::vector<CComPtr<IDSMenuButton>> vbMenu = GetButtonList(pMenu, ButtonType_Command);
    if (vbMenu.empty())
        return S_OK;
    for (size_t count = vbMenu.size(); count < size_t(std::max(capacity, 0)); ++count)
        CHECK_HR_TEXT(AppendCopy(vbMenu.front(), pMenu), "vbMenu.First()->Copy(&pMenuElem)");
    return S_OK;
}

HRESULT CMenuStyleUtil::PopulateMenu(IDSMenu* pMenu, ULONG types)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    for (ULONG type : kSampleNavigation) {
        if (types & type)
            AddSampleButton(pMenu, type);
    }
    if (types & ButtonType_Command)
        AddSampleCommandButton(pMenu);
    if ((GetTag(pMenu) & MenuType_Chapter) && (types & ButtonType_ChapterRange))
        AddSampleChapterRanges(pMenu);
    CDSMenuUtils::LayoutArrangeButtons(pMenu, true);
    return S_OK;
}

HRESULT CMenuStyleUtil::ConstructMergedTemplate(IDSMenu* pDst, IDSMenu* pMain, IDSMenu* pSecond,
                                                DWORD)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    NoOverwriteCopy(pDst, pMain, kAllButButtons);
    NoOverwriteCopy(pDst, pMain, kButtonsOnly);
    if (pSecond) {
        // The second template lends buttons only: the menu stays of the main template's kind.
        ULONG dwTag = GetTag(pDst);
        NoOverwriteCopy(pDst, pSecond, kButtonsOnly);
        pDst->put_Tag(dwTag);
    }
    FillUpMenuWithCommandButtons(pDst);
    CDSMenuUtils::LayoutArrangeButtons(pDst, true);
    return S_OK;
}

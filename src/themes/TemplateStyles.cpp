#include "ElementSteps.h"

#include "dsutils/DSButtonStyleInfo.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "model/ModelClasses.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"
#include "platform/ResultCodes.h"

namespace {

// Style buttons whose words are placeholders: the restyled button keeps its own.
constexpr ULONG kWordKeepingStyles = ButtonType_ChapterRange | ButtonType_Command;

// Gives each button the style's look, keeping their words; the style button itself is left
// alone.
HRESULT RestyleButtons(const std::vector<CComPtr<IDSMenuButton>>& buttons, IDSMenuButton* pStyle)
{
    for (const CComPtr<IDSMenuButton>& spButton : buttons) {
        if (!spButton.IsEqualObject(pStyle))
            CHECK_HR(CMenuStyleUtil::ButtonCopy(spButton, pStyle, true));
    }
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::ApplyStyle(IDSMenu* pMenu, IDSMenu* pTemplate)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(pTemplate);
    CKVUTimer timer("Apply Menu Template", 0);
    CHECK_HR(CMenuStyleUtil::MenuCopy(pMenu, pTemplate));
    timer.AddEntry("MenuCopy");
    if (CComPtr<IDSProjectData> spProject = GetProject(pMenu))
        _DirtyOverlayProductions(spProject);
    HRESULT hr = CMenuStyleUtil::MenuElementsApply(pMenu, pTemplate);
    timer.AddEntry("MenuElementsApply");
    return hr;
}

HRESULT CDSMenuUtils::ApplyStyle(IDSMenuButton* pDst, IDSMenuButton* pStyle)
{
    return CMenuStyleUtil::ButtonCopy(pDst, pStyle, true);
}

HRESULT CDSMenuUtils::ApplyStyle(IDSMenuText* pDst, IDSMenuText* pSrc)
{
    return CMenuStyleUtil::TextCopy(pDst, pSrc);
}

HRESULT CDSMenuUtils::ApplyStyle(IDSMenuOverlay* pDst, IDSMenuOverlay* pSrc)
{
    return CMenuStyleUtil::OverlayCopy(pDst, pSrc);
}

HRESULT CDSMenuUtils::ApplyStyle(IDSMenuButton* pBtn, const wchar_t* pszStyleFile, bool)
{
    KVUClearErrorStack();
    CHECK_NULL(pBtn);
    CHECK_NULL(pszStyleFile);
    CComPtr<IDSMenuButton> pStyleBtn;
    CHECK_HR(pStyleBtn.CoCreateInstance(uuidof<CDSMenuButton>()));
    CHECK_HR(LoadButtonFromFile(pszStyleFile, pStyleBtn));
    bool bCmdBtn = GetTag(pBtn) & kWordKeepingStyles;
    CHECK_HR(CMenuStyleUtil::ButtonCopy(pBtn, pStyleBtn, bCmdBtn));
    return S_OK;
}

HRESULT CDSMenuUtils::ApplyBtnStyle(IDSMenuButton* pDst, IDSMenuButton* pSrc)
{
    KVUClearErrorStack();
    CHECK_NULL(pDst);
    CHECK_NULL(pSrc);
    ULONG dwTag = 0;
    CHECK_HR(pDst->get_Tag(&dwTag));
    float x = 0.0f;
    float y = 0.0f;
    CHECK_HR(pDst->GetPosition(&x, &y));
    bool bPreserveText = GetTag(pSrc) & kWordKeepingStyles;
    CHECK_HR(CMenuStyleUtil::ButtonCopy(pDst, pSrc, bPreserveText));
    CHECK_HR(pDst->SetPosition(x, y));
    CHECK_HR(pDst->put_Tag(dwTag));
    return S_OK;
}

HRESULT CDSMenuUtils::ApplyThemeToMenus(const std::vector<CComPtr<IDSMenu>>& menus,
                                        IDSMenu* pTemplateHead)
{
    KVUClearErrorStack();
    if (menus.empty() || !pTemplateHead)
        return E_INVALIDARG;
    for (const CComPtr<IDSMenu>& spMenu : menus) {
        CComPtr<IDSProjectData> m_spProj = GetProject(spMenu.p);
        CComPtr<IDSMenu> spTemplateHead(pTemplateHead);
        CComPtr<IDSMenu> spTemplate;
        HRESULT hr = FindTemplateByMenuType(m_spProj, spTemplateHead, GetTag(spMenu), &spTemplate);
        if (FAILED(hr)) {
            LOG_HR(hr, "CDSMenuUtils::FindTemplateByMenuType(m_spProj,spTemplateHead, "
                       "GetTag(spMenu), &spTemplate)");
            continue;
        }
        CHECK_HR(ApplyStyle(spMenu, spTemplate));
    }
    return S_OK;
}

HRESULT CDSMenuUtils::ApplyAllButtons(IDSMenu* pMenu, ULONG type, IDSMenu* pTemplate)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CComPtr<IDSMenu> spTemplate(pTemplate);
    if (!spTemplate)
        spTemplate = GetMenuTemplate(pMenu);
    CComPtr<IDSMenuButton> spStyle = FirstOf(GetButtonList(spTemplate, type));
    if (!spStyle)
        RETURN_CODE(E_APPLYALLBUTTONS_NO_TEMPLATE_BUTTON);
    for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(pMenu, type))
        CHECK_HR(ApplyStyle(spButton, spStyle));
    return S_OK;
}

HRESULT CDSMenuUtils::ApplyToAllButtonsInMenu(IDSMenuButton* pStyle, IUnknown* pTarget)
{
    KVUClearErrorStack();
    CHECK_NULL(pStyle);
    CHECK_NULL(pTarget);
    if (CComQIPtr<IDSMenuButton> spButton(pTarget); spButton)
        return RestyleButtons({spButton}, pStyle);
    CComQIPtr<IDSMenu> spMenu(pTarget);
    if (!spMenu)
        return E_INVALIDARG;
    return RestyleButtons(GetButtonList(spMenu, GetTag(pStyle)), pStyle);
}

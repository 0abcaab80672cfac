#include "ErrorReportKeeper.h"
#include "TitleButtonSteps.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProjectValidator.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// A button leads to a title or a menu of its own menu's project; a link to anything else would
// lead nowhere on the disc.
HRESULT CheckTarget(IDSMenu* pMenu, IUnknown* pTarget)
{
    CComQIPtr<IDSTitle> spTitle(pTarget);
    CComQIPtr<IDSMenu> spMenu(pTarget);
    if (!spTitle && !spMenu) {
        KVUReportError(L"A button can lead only to a title or a menu\n");
        LOG_HR(E_INVALIDARG, "pTarget");
        return E_INVALIDARG;
    }
    CComPtr<IDSProjectData> spProject = GetProject(pMenu);
    CHECK_NULL_TEXT(spProject.p, "GetProject(pMenu)");
    if (!GetProject(pTarget).IsEqualObject(spProject)) {
        KVUReportError(L"The button's target is not in the project of its menu\n");
        LOG_HR(E_INVALIDARG, "GetProject(pTarget)");
        return E_INVALIDARG;
    }
    return S_OK;
}

HRESULT LinkToTarget(IDSMenuButton* spButton, IUnknown* pTarget)
{
    if (CComQIPtr<IDSTitle> spTitle = pTarget) {
        CHECK_HR_TEXT(CDSMenuUtils::LinkCmd(spButton, spTitle.p),
                      "CDSMenuUtils::LinkCmd(spButton, IDSTitlePtr(pTarget))");
        return S_OK;
    }
    CComQIPtr<IDSMenu> spMenu(pTarget);
    CHECK_HR_TEXT(CDSMenuUtils::LinkCmd(spButton, spMenu.p),
                  "CDSMenuUtils::LinkCmd(spButton, IDSMenuPtr(pTarget))");
    return S_OK;
}

// Everything the new button needs after it is on the menu: its link, its label, its picture
// and its place.
HRESULT FinishButton(IDSMenu* pMenu, IDSMenuButton* spButton, IUnknown* pTarget, bool bArrange)
{
    CHECK_HR_SHORT(LinkToTarget(spButton, pTarget));
    CHECK_HR_TEXT(CDSMenuUtils::SetButtonTextToTarget(spButton, pTarget),
                  "CDSMenuUtils::SetButtonTextToTarget(spButton, pTarget)");
    CHECK_HR_TEXT(CDSMenuUtils::ResolveBtnThumbSource(spButton, NULL),
                  "CDSMenuUtils::ResolveBtnThumbSource(spButton, NULL)");
    if (bArrange)
        CHECK_HR_TEXT(CDSMenuUtils::LayoutArrangeButtons(pMenu, false),
                      "CDSMenuUtils::LayoutArrangeButtons(pMenu,false)");
    return S_OK;
}

// The title's button goes on the root menu's chain; a project without menus has none.
HRESULT GiveTitleButton(IDSProjectData* pProj, IDSTitle* spTitle, IDSMenuButton** ppButton)
{
    IDSMenu* pChain = CDSMenuUtils::GetRootMenu(pProj);
    if (!pChain)
        return S_FALSE;
    CComPtr<IDSMenuButton> spButton;
    HRESULT hr = AddTitleButtonOnChain(pChain, spTitle, true, spButton);
    if (FAILED(hr)) {
        TakeTitleOut(pProj, spTitle);
        return hr;
    }
    if (ppButton)
        *ppButton = spButton.Detach();
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::AddButton(IDSMenu* pMenu, IUnknown* pTarget, bool bArrange,
                               IDSMenuButton** ppButton)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CHECK_NULL(pTarget);
    if (ppButton)
        *ppButton = nullptr;
    CHECK_HR_SHORT(CheckTarget(pMenu, pTarget));
    CHECK_HR_TEXT(CDSProjectValidator::CheckMaxButtonsPerMenu(pMenu),
                  "validator.CheckMaxButtonsPerMenu(pMenu)");
    CComPtr<IDSMenuButton> spButton;
    CHECK_HR(CDSMenuUtils::AddButton(pMenu, &spButton, ButtonType_Command, 0));
    HRESULT hr = FinishButton(pMenu, spButton, pTarget, bArrange);
    if (FAILED(hr)) {
        ErrorReportKeeper keeper;
        CDSMenuUtils::DeleteElement(spButton);
        return hr;
    }
    if (ppButton)
        *ppButton = spButton.Detach();
    return S_OK;
}

HRESULT CDSAppUtils::AddTitleWithButton(IDSProjectData* pProj, BSTR bstrSourceFile,
                                        IDSMenuButton** ppButton, IDSTitle** ppTitle)
{
    CComVariant file(bstrSourceFile);
    return AddTitleWithButton(pProj, &file, ppButton, ppTitle);
}

HRESULT CDSAppUtils::AddTitleWithButton(IDSProjectData* pProj, VARIANT* pvFiles,
                                        IDSMenuButton** ppButton, IDSTitle** ppTitle)
{
    KVUClearErrorStack();
    CHECK_NULL(pProj);
    if (ppButton)
        *ppButton = nullptr;
    if (ppTitle)
        *ppTitle = nullptr;
    CComPtr<IDSTitle> spTitle;
    CHECK_HR(CDSAppUtils::AddTitle(pProj, pvFiles, &spTitle));
    HRESULT hr = S_OK;
    CHECK_HR_ASSIGN(hr, GiveTitleButton(pProj, spTitle, ppButton));
    if (ppTitle)
        *ppTitle = spTitle.Detach();
    return hr;
}

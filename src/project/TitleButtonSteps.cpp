#include "TitleButtonSteps.h"

#include "ErrorReportKeeper.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSMenuChainVec.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"

HRESULT AddTitleButtonOnChain(IDSMenu* pChain, IDSTitle* pTitle, bool bArrange,
                              CComPtr<IDSMenuButton>& spButton)
{
    size_t pagesBefore = DSMenuChainVec(pChain).size();
    CComPtr<IDSMenu> spMenu = CDSMenuUtils::FindAvailableMenu(pChain, true);
    CHECK_NULL_TEXT(spMenu.p, "FindAvailableMenu(pChain, true)");
    HRESULT hr = CDSAppUtils::AddButton(spMenu, pTitle, bArrange, &spButton);
    if (FAILED(hr)) {
        LOG_HR(hr, "AddButton(spMenu, spTitle, true, ppButton)");
        // A page made for this button alone would be left empty.
        if (DSMenuChainVec(pChain).size() > pagesBefore) {
            ErrorReportKeeper keeper;
            CDSMenuUtils::LinkRemoveMenu(spMenu);
        }
        return hr;
    }
    return S_OK;
}

void TakeTitleOut(IDSProjectData* pProj, IDSTitle* pTitle)
{
    ErrorReportKeeper keeper;
    LONG lTitleID = GetID(pTitle);
    CDSMenuUtils::RemoveChapterMenus(pProj, lTitleID);
    CDSMenuUtils::RemoveAllButtonsLinkedToTitle(pProj, lTitleID);
    pProj->RemoveTitle(lTitleID, NULL);
}

#include "ChainPages.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"

namespace {

// Takes a page that failed to join its chain after pLast out of the project again, with the
// Next button of pLast when that already leads to it; the report of the failure stays on the
// error stack.
void TakeOutKeepingReport(IDSMenu* pLast, IDSMenu* pPage)
{
    std::vector<std::wstring> report = KVUGetErrorStack();
    IDSMenu* pNext = CDSMenuUtils::GetNextMenu(pLast);
    if (pNext && GetID(pNext) == GetID(pPage)) {
        DSMenuButtonVec next = GetButtonList(pLast, ButtonType_Next);
        CDSMenuUtils::DeleteElement(next.front());
    }
    CDSMenuUtils::DeleteMenu(pPage);
    KVUClearErrorStack();
    for (const std::wstring& line : report)
        KVUReportError(line.c_str());
}

} // namespace

IDSMenu* AppendChainPage(IDSMenu* pFirst, IDSMenu* pLast)
{
    CComPtr<IDSMenu> spNewMenu;
    HRESULT hr = CDSMenuUtils::AddMenu(GetProject(pFirst), static_cast<int>(GetTag(pFirst)),
                                       &spNewMenu, static_cast<ULONG>(GetTemplateID(pFirst)));
    const char* step = "AddMenu(spProject, lMenuType, &spNewMenu, lTemplateID)";
    if (SUCCEEDED(hr)) {
        hr = CDSMenuUtils::LinkMenuToChain(pLast, spNewMenu);
        step = "LinkMenuToChain(pLast, spNewMenu)";
    }
    if (FAILED(hr)) {
        if (spNewMenu)
            TakeOutKeepingReport(pLast, spNewMenu);
        LOG_HR(hr, step);
        return nullptr;
    }
    return spNewMenu;
}

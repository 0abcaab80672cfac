#include "dsutils/DSClipboard.h"

#include "dsutils/DSMenuUtils.h"

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/ProjectEnums.h"

#include "platform/Check.h"
#include "platform/Clipboard.h"
#include "platform/ErrorStack.h"
#include "platform/ResultCodes.h"

std::vector<CComPtr<IUnknown>> CDSClipboard::s_ClipboardList;
UINT CDSClipboard::s_cfClipboardFormat = 0;
const wchar_t CDSClipboard::s_szClipboardFormatName[] = L"DSClipboard_Internal";

CDSClipboard::CDSClipboard(HWND owner) : m_hWnd(owner)
{
    InitStatics();
}

void CDSClipboard::InitStatics()
{
    if (s_cfClipboardFormat == 0)
        s_cfClipboardFormat = RegisterClipboardFormatW(s_szClipboardFormatName);
}

HRESULT CDSClipboard::StartCopyOrCut()
{
    return Clear();
}

HRESULT CDSClipboard::Clear()
{
    s_ClipboardList.clear();
    return S_OK;
}

HRESULT CDSClipboard::AddCopyToClipboard(IUnknown* pObject)
{
    KVUClearErrorStack();
    CComQIPtr<IDSMenuElement> spElem(pObject);
    if (!spElem)
        return S_FALSE;
    CComPtr<IDSMenuElement> spCopy;
    if (FAILED(spElem->Copy(&spCopy)) || !spCopy)
        RETURN_CODE(E_ADDCOPYTOCLIPBOARD_NO_COPY);
    s_ClipboardList.push_back(CComPtr<IUnknown>(spCopy.p));
    return S_OK;
}

HRESULT CDSClipboard::AddCutToClipboard(IUnknown* pObject)
{
    KVUClearErrorStack();
    CComQIPtr<IDSMenuElement> spElem(pObject);
    if (!spElem)
        return S_FALSE;
    s_ClipboardList.push_back(CComPtr<IUnknown>(spElem.p));
    HRESULT hr = CDSMenuUtils::DeleteElement(spElem);
    if (FAILED(hr))
        s_ClipboardList.pop_back();
    CHECK_HR_TEXT(hr, "CDSMenuUtils::DeleteElement(spElem)");
    return S_OK;
}

HRESULT CDSClipboard::FinishCopyOrCut()
{
    if (!s_ClipboardList.empty())
        SetWindowsClipboardMarker();
    return S_OK;
}

bool CDSClipboard::HasItems()
{
    return !s_ClipboardList.empty();
}

bool CDSClipboard::HasItemsForPaste()
{
    return WindowsClipboardHasMarker() && HasItems();
}

bool CDSClipboard::HasTextForPaste()
{
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
}

bool CDSClipboard::HasFilesForPaste()
{
    return IsClipboardFormatAvailable(CF_HDROP) != FALSE;
}

HRESULT CDSClipboard::Paste(IUnknown* pTarget)
{
    KVUClearErrorStack();
    if (!HasItemsForPaste())
        return S_FALSE;
    CComQIPtr<IDSMenuElementList> spMenu(pTarget);
    CHECK_NULL_TEXT(spMenu, "(IDSMenuElementList*) spMenu");
    // A button pastes into its own elements and has no menu to filter for.
    CComQIPtr<IDSMenu> spTargetMenu(pTarget);
    const std::vector<CComPtr<IUnknown>> items = s_ClipboardList;
    for (const CComPtr<IUnknown>& spItem : items) {
        CComQIPtr<IDSMenuElement> spElem(spItem);
        CHECK_NULL(spElem);
        CComPtr<IDSMenuElement> spCopy;
        CHECK_HR(spElem->Copy(&spCopy));
        CHECK_NULL(spCopy);
        CHECK_HR(CDSMenuUtils::ClearForResolve(spCopy));
        FilterPaste(spTargetMenu, spCopy);
        CHECK_HR(spMenu->InsertElement(-1, spCopy));
    }
    return S_OK;
}

HRESULT CDSClipboard::SetWindowsClipboardMarker()
{
    ScopedClipboard clipboard(m_hWnd);
    if (!clipboard.IsOpen())
        return E_SETWINDOWSCLIPBOARDMARKER_FAILED;
    EmptyClipboard();
    HGLOBAL hMarker = GlobalAlloc(GMEM_MOVEABLE, 1);
    if (hMarker && SetClipboardData(s_cfClipboardFormat, hMarker))
        return S_OK;
    GlobalFree(hMarker);
    return E_SETWINDOWSCLIPBOARDMARKER_FAILED;
}

bool CDSClipboard::WindowsClipboardHasMarker()
{
    return s_cfClipboardFormat != 0 && IsClipboardFormatAvailable(s_cfClipboardFormat) != FALSE;
}

HRESULT CDSClipboard::FilterPaste(IDSMenu*, IDSMenuElement* pElement)
{
    CComQIPtr<IDSMenuButton> spButton(pElement);
    ULONG tag = 0;
    if (spButton && SUCCEEDED(spButton->get_Tag(&tag)) && (tag & ButtonType_Navigation) != 0)
        spButton->put_Tag(ButtonType_Command);
    return S_OK;
}

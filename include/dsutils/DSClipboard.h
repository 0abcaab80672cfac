// Copy, cut and paste of menu elements (buttons, texts, overlays) inside the program. The
// elements stay in one list of the process; the system clipboard carries only a marker in the
// private format "DSClipboard_Internal", so that a paste is offered exactly while the last
// thing put on the clipboard was put there by this list. The application drives a copy or a
// cut as StartCopyOrCut(), then AddCopyToClipboard or AddCutToClipboard for each selected
// element in selection order, then FinishCopyOrCut().
//
// The list and the format are process-wide and not locked: use the clipboard from the
// application's window thread only.
#pragma once

#include "platform/ComPtr.h"
#include "platform/WinTypes.h"

#include <vector>

struct IDSMenu;
struct IDSMenuElement;

class CDSClipboard
{
public:
    // Keeps the window the system clipboard is opened for (may be null) and registers the
    // private format when it is not yet registered.
    explicit CDSClipboard(HWND owner);
    // Copies only the window.
    CDSClipboard(const CDSClipboard&) = default;
    CDSClipboard& operator=(const CDSClipboard&) = default;

    // Registers the private format when it is not yet registered.
    static void InitStatics();

    // Empty the list, releasing every item. S_OK.
    HRESULT StartCopyOrCut();
    HRESULT Clear();

    // Appends a detached duplicate of the element. S_FALSE (nothing added) for an object that
    // is not a menu element; E_ADDCOPYTOCLIPBOARD_NO_COPY when the element gives no duplicate.
    HRESULT AddCopyToClipboard(IUnknown* pObject);
    // Appends the element itself and removes it from its menu. S_FALSE for an object that is
    // not a menu element. When the removal fails its failure is returned and the element is
    // taken off the list again, so that a failed cut leaves nothing to paste.
    HRESULT AddCutToClipboard(IUnknown* pObject);
    // Puts the marker on the system clipboard when the list holds items. S_OK, also when the
    // marker cannot be put there (a paste is then not offered).
    HRESULT FinishCopyOrCut();

    // Whether the list holds items.
    bool HasItems();
    // Whether the marker is on the system clipboard and the list holds items.
    bool HasItemsForPaste();
    // Whether the system clipboard holds Unicode text (CF_UNICODETEXT) or a list of files
    // (CF_HDROP), for the application's own paste.
    bool HasTextForPaste();
    bool HasFilesForPaste();

    // Appends a fresh duplicate of every item, in list order, to the element list of the
    // target (a menu, or a button for its own elements). Each duplicate's resolved sources are
    // made stale (CDSMenuUtils::ClearForResolve) and a navigation button becomes a command
    // button. The items stay, so the same content can be pasted again. S_FALSE when nothing
    // is offered for paste (HasItemsForPaste is false); E_POINTER for a target without an
    // element list. The first failing step stops the paste and is returned.
    HRESULT Paste(IUnknown* pTarget);

    // The items, process-wide: duplicates for a copy, the elements themselves for a cut.
    static std::vector<CComPtr<IUnknown>> s_ClipboardList;
    // The private format, 0 until registered.
    static UINT s_cfClipboardFormat;
    static const wchar_t s_szClipboardFormatName[];

private:
    // Opens the system clipboard for the window, empties it and puts a one-byte block under
    // the private format. E_SETWINDOWSCLIPBOARDMARKER_FAILED when the clipboard cannot be
    // opened or does not take the block.
    HRESULT SetWindowsClipboardMarker();
    bool WindowsClipboardHasMarker();
    // A navigation button gets the tag ButtonType_Command; anything else is left alone.
    HRESULT FilterPaste(IDSMenu* pMenu, IDSMenuElement* pElement);

    HWND m_hWnd;
};

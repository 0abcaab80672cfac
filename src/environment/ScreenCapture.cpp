#include "dsutils/DSAppUtils.h"

#include "platform/Check.h"
#include "platform/Clipboard.h"
#include "platform/Dib.h"
#include "platform/ErrorStack.h"
#include "platform/Image.h"
#include "platform/Window.h"

namespace {

// Saves the picture on the clipboard, then empties the clipboard: the picture was put there
// to be captured.
HRESULT SaveClipboardPicture(const wchar_t* path)
{
    ScopedClipboard clipboard(nullptr);
    if (!clipboard.IsOpen())
        CHECK_HR_TEXT(E_ACCESSDENIED, "OpenClipboard(NULL)");
    BgraImage picture;
    CHECK_HR(ReadPackedDib(static_cast<HGLOBAL>(GetClipboardData(CF_DIB)), picture));
    CHECK_HR(SaveImageFile(picture, path));
    EmptyClipboard();
    return S_OK;
}

HRESULT SaveActiveWindow(const wchar_t* path)
{
    HWND hWnd = GetActiveWindow();
    if (!hWnd)
        CHECK_HR_TEXT(HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE),
                      "GetActiveWindow() (no window is active: none is shown, or there is no "
                      "display)");
    BgraImage picture;
    CHECK_HR(CopyWindowPicture(hWnd, picture));
    CHECK_HR(SaveImageFile(picture, path));
    return S_OK;
}

} // namespace

HRESULT CDSAppUtils::CaptureScreenToFile(const wchar_t* path, DWORD flags)
{
    KVUClearErrorStack();
    CHECK_NULL(path);
    if ((flags & Capture_ClipboardPicture) && IsClipboardFormatAvailable(CF_DIB))
        CHECK_HR_SHORT(SaveClipboardPicture(path));
    else
        CHECK_HR_SHORT(SaveActiveWindow(path));
    return S_OK;
}

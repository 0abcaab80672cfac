#include "platform/Window.h"

#include "HandleTable.h"

namespace {

struct Window
{
    POINT topLeft;
    BgraImage picture;
};

// The windows and which one is active, both under the table's lock.
struct Desktop
{
    HandleTable<Window> windows{0x20000};
    HWND active = nullptr;
};

Desktop& TheDesktop()
{
    static Desktop desktop;
    return desktop;
}

} // namespace

HWND CreateStandInWindow(POINT topLeft, const BgraImage& picture)
{
    if (picture.Empty())
        return nullptr;
    Desktop& desktop = TheDesktop();
    auto guard = desktop.windows.Lock();
    return desktop.windows.Add<HWND>(Window{topLeft, picture});
}

BOOL DestroyWindow(HWND window)
{
    Desktop& desktop = TheDesktop();
    auto guard = desktop.windows.Lock();
    if (!desktop.windows.Remove(window))
        return FALSE;
    if (desktop.active == window)
        desktop.active = nullptr;
    return TRUE;
}

BOOL IsWindow(HWND window)
{
    Desktop& desktop = TheDesktop();
    auto guard = desktop.windows.Lock();
    return desktop.windows.Find(window) ? TRUE : FALSE;
}

HWND GetActiveWindow()
{
    Desktop& desktop = TheDesktop();
    auto guard = desktop.windows.Lock();
    return desktop.active;
}

HWND SetActiveWindow(HWND window)
{
    Desktop& desktop = TheDesktop();
    auto guard = desktop.windows.Lock();
    if (!desktop.windows.Find(window))
        return nullptr;
    HWND previous = desktop.active;
    desktop.active = window;
    return previous;
}

BOOL GetWindowRect(HWND window, RECT* rect)
{
    Desktop& desktop = TheDesktop();
    auto guard = desktop.windows.Lock();
    const Window* found = desktop.windows.Find(window);
    if (!found || !rect)
        return FALSE;
    SetRect(rect, found->topLeft.x, found->topLeft.y, found->topLeft.x + found->picture.Width(),
            found->topLeft.y + found->picture.Height());
    return TRUE;
}

HRESULT CopyWindowPicture(HWND window, BgraImage& picture)
{
    Desktop& desktop = TheDesktop();
    auto guard = desktop.windows.Lock();
    const Window* found = desktop.windows.Find(window);
    if (!found)
        return HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE);
    picture = found->picture;
    for (int y = 0; y < picture.Height(); ++y) {
        BYTE* row = picture.Row(y);
        for (int x = 0; x < picture.Width(); ++x)
            row[4 * x + 3] = 255;
    }
    return S_OK;
}

HRESULT SetWindowPicture(HWND window, const BgraImage& picture)
{
    if (picture.Empty())
        return E_INVALIDARG;
    Desktop& desktop = TheDesktop();
    auto guard = desktop.windows.Lock();
    Window* found = desktop.windows.Find(window);
    if (!found)
        return HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE);
    found->picture = picture;
    return S_OK;
}

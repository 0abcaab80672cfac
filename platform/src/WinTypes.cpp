#include "platform/WinTypes.h"

#include <algorithm>
#include <cerrno>

HRESULT HResultFromErrno(int error)
{
    switch (error) {
    case 0:
        return S_OK;
    case ENOENT:
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    case ENOTDIR:
        return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
    case EACCES:
    case EPERM:
    case EROFS:
        return E_ACCESSDENIED;
    case ENOSPC:
        return HRESULT_FROM_WIN32(ERROR_DISK_FULL);
    case EEXIST:
        return HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS);
    case EINVAL:
        return E_INVALIDARG;
    case ENOMEM:
        return E_OUTOFMEMORY;
    default:
        return E_FAIL;
    }
}

BOOL PtInRect(const RECT* rect, POINT point)
{
    if (!rect)
        return FALSE;
    return point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}

BOOL IsRectEmpty(const RECT* rect)
{
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom)
{
    if (!rect)
        return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL IntersectRect(RECT* out, const RECT* a, const RECT* b)
{
    if (!out || !a || !b)
        return FALSE;
    RECT overlap{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                 std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(a) || IsRectEmpty(b) || IsRectEmpty(&overlap)) {
        *out = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *out = overlap;
    return TRUE;
}

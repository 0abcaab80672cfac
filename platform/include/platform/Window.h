// The program's top-level windows as the desktop sees them: where each one is on the screen,
// the picture it shows and which one is active. A program run without a display has no
// windows, so that GetActiveWindow answers null; a program that shows windows makes them here.
#pragma once

#include "platform/Image.h"
#include "platform/WinTypes.h"

// A new window whose top-left corner is at topLeft on the screen and which shows the picture
// (its size is the picture's). Null for an empty picture.
HWND CreateStandInWindow(POINT topLeft, const BgraImage& picture);

// Removes the window; it stops being the active one. FALSE for an unknown window.
BOOL DestroyWindow(HWND window);

// Whether the handle names a window that exists.
BOOL IsWindow(HWND window);

// The active window, or null when none is (always null without a display).
HWND GetActiveWindow();

// Makes the window the active one and returns the one that was; an unknown window changes
// nothing and gives null.
HWND SetActiveWindow(HWND window);

// The window's rectangle in screen pixels. FALSE for an unknown window or a null out.
BOOL GetWindowRect(HWND window, RECT* rect);

// What the window shows, pixel for pixel, as copying from its whole-window device context
// gives it: opaque, since the screen has no transparency.
// HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE) for an unknown window.
HRESULT CopyWindowPicture(HWND window, BgraImage& picture);

// Gives the window a new picture; its size changes with it.
HRESULT SetWindowPicture(HWND window, const BgraImage& picture);

// Window timers over an emulated message loop of the calling thread. A timer fires only when
// its thread pumps the loop; every thread has its own timers.
#pragma once

#include "platform/WinTypes.h"

using TIMERPROC = void (*)(HWND window, UINT message, UINT_PTR id, DWORD time);

constexpr UINT WM_TIMER = 0x0113;

// Starts a timer that calls proc every elapse milliseconds (0 counts as 1). With a null
// window and id 0 a new id is made; with a known id of the thread the timer is reset.
// Returns the id, 0 when proc is null.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);

// Stops a timer; FALSE when the thread has no timer of that id.
BOOL KillTimer(HWND window, UINT_PTR id);

// Runs, on the calling thread, every timer that is due (each at most once per call), after
// waiting up to waitMilliseconds for the first one to fall due when none is. Returns how many
// fired.
int PumpTimers(DWORD waitMilliseconds = 0);

// A base for objects that want a callback from a window timer of the calling thread's
// message loop.
#pragma once

#include "platform/MessageLoop.h"

#include <map>

class TimerBase
{
public:
    struct TimerData
    {
        TimerBase* object = nullptr;
        bool repeat = false;
        void* context = nullptr;
    };

    TimerBase() = default;
    // Copies share no timers: a copy starts with none.
    TimerBase(const TimerBase&) {}
    TimerBase& operator=(const TimerBase&) { return *this; }
    // Kills the object's timers and forgets them, so that no callback reaches a dead object.
    virtual ~TimerBase();

    virtual void OnTimer(void* context) = 0;

    // Starts a timer of milliseconds that calls OnTimer(context) once, or until killed when
    // repeat is set. Returns the timer id (0 when no timer could be made).
    UINT_PTR AddTimer(void* context, bool repeat, unsigned long milliseconds);

    static void TimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);

private:
    static std::map<UINT_PTR, TimerData>& myTimerMap();
};

#include "dsutils/TimerBase.h"

#include <vector>

std::map<UINT_PTR, TimerBase::TimerData>& TimerBase::myTimerMap()
{
    // Timers call back on the thread that set them, so each thread keeps its own map.
    thread_local std::map<UINT_PTR, TimerData> timers;
    return timers;
}

TimerBase::~TimerBase()
{
    auto& timers = myTimerMap();
    std::vector<UINT_PTR> mine;
    for (const auto& [id, data] : timers) {
        if (data.object == this)
            mine.push_back(id);
    }
    for (UINT_PTR id : mine) {
        KillTimer(nullptr, id);
        timers.erase(id);
    }
}

UINT_PTR TimerBase::AddTimer(void* context, bool repeat, unsigned long milliseconds)
{
    UINT_PTR id = SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), TimerBase::TimerProc);
    myTimerMap()[id] = TimerData{this, repeat, context};
    return id;
}

void TimerBase::TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    auto& timers = myTimerMap();
    auto found = timers.find(id);
    if (found == timers.end() || !found->second.object)
        return;
    TimerData data = found->second;
    if (!data.repeat) {
        KillTimer(nullptr, id);
        timers.erase(found);
    }
    data.object->OnTimer(data.context);
}

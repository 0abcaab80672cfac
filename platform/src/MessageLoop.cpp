#include "platform/MessageLoop.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Timer
{
    HWND window;
    UINT elapse;
    TIMERPROC proc;
    Clock::time_point due;
};

struct ThreadTimers
{
    std::map<UINT_PTR, Timer> timers;
    UINT_PTR nextId = 1;
};

ThreadTimers& Timers()
{
    thread_local ThreadTimers timers;
    return timers;
}

DWORD TickCount()
{
    auto since =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch());
    return static_cast<DWORD>(since.count());
}

UINT_PTR NewId(ThreadTimers& state)
{
    while (state.timers.count(state.nextId) || state.nextId == 0)
        ++state.nextId;
    return state.nextId++;
}

std::vector<UINT_PTR> DueTimers(Clock::time_point now)
{
    std::vector<UINT_PTR> due;
    for (const auto& [id, timer] : Timers().timers) {
        if (timer.due <= now)
            due.push_back(id);
    }
    return due;
}

void WaitForFirstDue(DWORD waitMilliseconds)
{
    auto& timers = Timers().timers;
    if (timers.empty() || waitMilliseconds == 0)
        return;
    auto earliest = std::min_element(timers.begin(), timers.end(), [](auto& a, auto& b) {
                        return a.second.due < b.second.due;
                    })->second.due;
    auto limit = Clock::now() + std::chrono::milliseconds(waitMilliseconds);
    std::this_thread::sleep_until(std::min(earliest, limit));
}

} // namespace

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    if (!proc)
        return 0;
    ThreadTimers& state = Timers();
    // Without a window an unknown id asks for a new one; a known id resets its timer.
    if (!state.timers.count(id) && (!window || id == 0))
        id = NewId(state);
    UINT period = std::max<UINT>(elapse, 1);
    state.timers[id] =
        Timer{window, period, proc, Clock::now() + std::chrono::milliseconds(period)};
    return id;
}

BOOL KillTimer(HWND, UINT_PTR id)
{
    return Timers().timers.erase(id) ? TRUE : FALSE;
}

int PumpTimers(DWORD waitMilliseconds)
{
    Clock::time_point now = Clock::now();
    std::vector<UINT_PTR> due = DueTimers(now);
    if (due.empty()) {
        WaitForFirstDue(waitMilliseconds);
        now = Clock::now();
        due = DueTimers(now);
    }
    int fired = 0;
    for (UINT_PTR id : due) {
        auto& timers = Timers().timers;
        auto found = timers.find(id);
        // A callback that ran before may have killed this timer.
        if (found == timers.end())
            continue;
        Timer timer = found->second;
        found->second.due = now + std::chrono::milliseconds(timer.elapse);
        timer.proc(timer.window, WM_TIMER, id, TickCount());
        ++fired;
    }
    return fired;
}

#include "dsutils/TimerBase.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class Counter : public TimerBase
{
public:
    void OnTimer(void* context) override { calls.push_back(context); }
    std::vector<void*> calls;
};

// Pumps until the timers have had a chance to fire count times.
void Pump(int count)
{
    for (int i = 0; i < count; ++i)
        PumpTimers(200);
}

TEST(TimerBase, OneShotTimerFiresOnceAndIsKilledBeforeItsCallback)
{
    Counter counter;
    int context = 0;
    UINT_PTR id = counter.AddTimer(&context, false, 1);
    ASSERT_NE(id, 0u);
    Pump(3);
    EXPECT_EQ(counter.calls, (std::vector<void*>{&context}));
    EXPECT_FALSE(KillTimer(nullptr, id));
}

TEST(TimerBase, RepeatingTimerFiresUntilItsOwnerKillsIt)
{
    Counter counter;
    UINT_PTR id = counter.AddTimer(nullptr, true, 1);
    Pump(3);
    EXPECT_EQ(counter.calls.size(), 3u);
    EXPECT_TRUE(KillTimer(nullptr, id));
    Pump(1);
    EXPECT_EQ(counter.calls.size(), 3u);
}

TEST(TimerBase, DestroyedObjectGetsNoCallback)
{
    auto counter = std::make_unique<Counter>();
    counter->AddTimer(nullptr, true, 1);
    counter.reset();
    EXPECT_EQ(PumpTimers(20), 0);
}

TEST(TimerBase, CopiesStartWithoutTimers)
{
    Counter original;
    original.AddTimer(nullptr, true, 1);
    {
        Counter copy(original);
        Pump(1);
        EXPECT_TRUE(copy.calls.empty());
    }
    EXPECT_EQ(original.calls.size(), 1u);
}

} // namespace

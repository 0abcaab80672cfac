#include "platform/KVUTimer.h"
#include "platform/MessageLoop.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<UINT_PTR>& Fired()
{
    static std::vector<UINT_PTR> fired;
    return fired;
}

void Record(HWND, UINT message, UINT_PTR id, DWORD)
{
    EXPECT_EQ(message, WM_TIMER);
    Fired().push_back(id);
}

void KillSelf(HWND window, UINT, UINT_PTR id, DWORD)
{
    Fired().push_back(id);
    KillTimer(window, id);
}

TEST(MessageLoop, TimersFireOnlyWhenThePumpRunsAndUntilKilled)
{
    Fired().clear();
    UINT_PTR id = SetTimer(nullptr, 0, 1, Record);
    ASSERT_NE(id, 0u);
    EXPECT_TRUE(Fired().empty());
    EXPECT_EQ(PumpTimers(200), 1);
    EXPECT_EQ(PumpTimers(200), 1);
    EXPECT_EQ(Fired(), (std::vector<UINT_PTR>{id, id}));
    EXPECT_TRUE(KillTimer(nullptr, id));
    EXPECT_FALSE(KillTimer(nullptr, id));
    EXPECT_EQ(PumpTimers(5), 0);
    EXPECT_EQ(Fired().size(), 2u);
}

TEST(MessageLoop, ACallbackMayKillItsOwnTimer)
{
    Fired().clear();
    UINT_PTR id = SetTimer(nullptr, 0, 1, KillSelf);
    EXPECT_EQ(PumpTimers(200), 1);
    EXPECT_EQ(PumpTimers(5), 0);
    EXPECT_EQ(Fired(), (std::vector<UINT_PTR>{id}));
    EXPECT_EQ(SetTimer(nullptr, 0, 1, nullptr), 0u);
}

TEST(MessageLoop, ResettingAKnownIdKeepsOneTimer)
{
    Fired().clear();
    UINT_PTR id = SetTimer(nullptr, 0, 1, Record);
    EXPECT_EQ(SetTimer(nullptr, id, 1, Record), id);
    EXPECT_EQ(PumpTimers(200), 1);
    KillTimer(nullptr, id);
}

TEST(KVUTimer, ScopesRecordTheirCheckpointsInOrder)
{
    CKVUTimer::ClearRecentScopes();
    {
        CKVUTimer timer("MenuUtils::ResolveMenuProduction", 0);
        timer.AddEntry("PreResolves");
        timer.AddEntry("PostRslvBtnThmbSrc");
        ASSERT_EQ(timer.Checkpoints().size(), 2u);
        EXPECT_LE(timer.Checkpoints()[0].elapsedMilliseconds,
                  timer.Checkpoints()[1].elapsedMilliseconds);
    }
    auto scopes = CKVUTimer::RecentScopes();
    ASSERT_EQ(scopes.size(), 1u);
    EXPECT_EQ(scopes[0].label, "MenuUtils::ResolveMenuProduction");
    ASSERT_EQ(scopes[0].checkpoints.size(), 2u);
    EXPECT_EQ(scopes[0].checkpoints[1].name, "PostRslvBtnThmbSrc");
}

} // namespace

#include "platform/KVUTimer.h"

#include <cstdio>
#include <cstdlib>
#include <deque>

namespace {

constexpr size_t kKeptScopes = 64;

std::deque<CKVUTimer::Record>& Recent()
{
    thread_local std::deque<CKVUTimer::Record> recent;
    return recent;
}

void Print(const CKVUTimer::Record& record)
{
    std::fprintf(stderr, "timing: %s %.3f ms\n", record.label.c_str(), record.totalMilliseconds);
    for (const CKVUTimer::Checkpoint& checkpoint : record.checkpoints)
        std::fprintf(stderr, "timing:   %s at %.3f ms\n", checkpoint.name.c_str(),
                     checkpoint.elapsedMilliseconds);
}

} // namespace

CKVUTimer::CKVUTimer(const char* label, int)
    : m_record{label ? label : "", {}, 0.0}, m_start(std::chrono::steady_clock::now())
{}

CKVUTimer::~CKVUTimer()
{
    std::chrono::duration<double, std::milli> total = std::chrono::steady_clock::now() - m_start;
    m_record.totalMilliseconds = total.count();
    if (std::getenv("REELMARK_TIMING"))
        Print(m_record);
    auto& recent = Recent();
    recent.push_back(std::move(m_record));
    if (recent.size() > kKeptScopes)
        recent.pop_front();
}

void CKVUTimer::AddEntry(const char* checkpoint)
{
    std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - m_start;
    m_record.checkpoints.push_back({checkpoint ? checkpoint : "", elapsed.count()});
}

std::vector<CKVUTimer::Record> CKVUTimer::RecentScopes()
{
    return {Recent().begin(), Recent().end()};
}

void CKVUTimer::ClearRecentScopes()
{
    Recent().clear();
}

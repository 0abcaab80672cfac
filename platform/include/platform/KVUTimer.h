// Timing scopes of long operations: a scope records named checkpoints with the time elapsed
// since it opened. When REELMARK_TIMING is set, a closing scope prints its record to standard
// error. The last closed scopes of the thread can be read back.
#pragma once

#include <chrono>
#include <string>
#include <vector>

class CKVUTimer
{
public:
    struct Checkpoint
    {
        std::string name;
        double elapsedMilliseconds;
    };

    struct Record
    {
        std::string label;
        std::vector<Checkpoint> checkpoints;
        double totalMilliseconds;
    };

    // Opens a scope; the second argument is kept for callers and has no effect.
    CKVUTimer(const char* label, int flags);
    ~CKVUTimer();
    CKVUTimer(const CKVUTimer&) = delete;
    CKVUTimer& operator=(const CKVUTimer&) = delete;

    void AddEntry(const char* checkpoint);

    const std::vector<Checkpoint>& Checkpoints() const { return m_record.checkpoints; }

    // The scopes closed on this thread, oldest first; at most the last 64 are kept.
    static std::vector<Record> RecentScopes();
    static void ClearRecentScopes();

private:
    Record m_record;
    std::chrono::steady_clock::time_point m_start;
};

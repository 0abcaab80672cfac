// Keeping a failure's report while the failure is undone.
#pragma once

#include "platform/ErrorStack.h"

#include <string>
#include <vector>

// Takes the calling thread's error stack as it is now and puts it back when it goes, so that
// the operations that undo a failed step (which clear the stack) leave the report of the
// failure to the caller.
class ErrorReportKeeper
{
public:
    ErrorReportKeeper() : m_report(KVUGetErrorStack()) {}
    ~ErrorReportKeeper()
    {
        KVUClearErrorStack();
        for (const std::wstring& line : m_report)
            KVUReportError(line.c_str());
    }
    ErrorReportKeeper(const ErrorReportKeeper&) = delete;
    ErrorReportKeeper& operator=(const ErrorReportKeeper&) = delete;

private:
    std::vector<std::wstring> m_report;
};

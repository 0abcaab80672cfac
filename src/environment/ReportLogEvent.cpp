#include "dsutils/DSAppUtils.h"

#include "platform/EventLog.h"

void CDSAppUtils::ReportLogEvent(const wchar_t* source, WORD type, DWORD eventId, WORD category,
                                 WORD stringCount, const wchar_t** strings)
{
    HANDLE hSource = RegisterEventSourceW(nullptr, source);
    if (!hSource)
        return;
    ReportEventW(hSource, type, category, eventId, nullptr, stringCount, 0, strings, nullptr);
    DeregisterEventSource(hSource);
}

#include "platform/EventLog.h"

#include "HandleTable.h"

#include "platform/StringConv.h"

#include <string>
#include <syslog.h>

namespace {

HandleTable<std::string>& Sources()
{
    static HandleTable<std::string> table(0x30000);
    return table;
}

// The syslog priority of an event type; -1 for an unknown type.
int PriorityOf(WORD type)
{
    switch (type) {
    case EVENTLOG_SUCCESS:
    case EVENTLOG_INFORMATION_TYPE:
        return LOG_INFO;
    case EVENTLOG_ERROR_TYPE:
        return LOG_ERR;
    case EVENTLOG_WARNING_TYPE:
    case EVENTLOG_AUDIT_FAILURE:
        return LOG_WARNING;
    case EVENTLOG_AUDIT_SUCCESS:
        return LOG_NOTICE;
    default:
        return -1;
    }
}

std::string RecordText(WORD category, DWORD eventId, WORD stringCount, LPCWSTR* strings)
{
    std::string text =
        "event " + std::to_string(eventId) + ", category " + std::to_string(category) + ":";
    for (WORD i = 0; i < stringCount; ++i) {
        text += i == 0 ? " " : "; ";
        text += WideToUtf8(strings[i] ? strings[i] : L"");
    }
    return text;
}

} // namespace

HANDLE RegisterEventSourceW(LPCWSTR server, LPCWSTR source)
{
    if (server || !source || !*source)
        return nullptr;
    auto guard = Sources().Lock();
    return Sources().Add<HANDLE>(WideToUtf8(source));
}

BOOL ReportEventW(HANDLE source, WORD type, WORD category, DWORD eventId, void* userSid,
                  WORD stringCount, DWORD dataSize, LPCWSTR* strings, LPVOID data)
{
    int priority = PriorityOf(type);
    if (priority < 0 || userSid || dataSize || data || (stringCount && !strings))
        return FALSE;
    std::string ident;
    {
        auto guard = Sources().Lock();
        const std::string* name = Sources().Find(source);
        if (!name)
            return FALSE;
        ident = *name;
    }
    std::string text = RecordText(category, eventId, stringCount, strings);
    // syslog keeps the identity pointer until closelog, so the record is opened and closed
    // here while ident lives.
    openlog(ident.c_str(), LOG_PID, LOG_USER);
    syslog(priority, "%s", text.c_str());
    closelog();
    return TRUE;
}

BOOL DeregisterEventSource(HANDLE source)
{
    auto guard = Sources().Lock();
    return Sources().Remove(source) ? TRUE : FALSE;
}

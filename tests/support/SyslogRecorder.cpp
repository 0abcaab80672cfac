#include "support/SyslogRecorder.h"

#include <cstdarg>
#include <cstdio>
#include <syslog.h>

namespace {

SyslogRecording*& Current()
{
    static SyslogRecording* current = nullptr;
    return current;
}

} // namespace

SyslogRecording::SyslogRecording()
{
    Current() = this;
}

SyslogRecording::~SyslogRecording()
{
    Current() = nullptr;
}

void RecordOpenlog(const char* ident, int option, int facility)
{
    if (SyslogRecording* recording = Current()) {
        recording->m_ident = ident ? ident : "";
        recording->m_option = option;
        recording->m_facility = facility;
        recording->m_closed = false;
    }
}

void RecordSyslog(int priority, const std::string& text)
{
    if (SyslogRecording* recording = Current()) {
        recording->m_records.push_back(SyslogRecord{recording->m_ident, recording->m_option,
                                                    recording->m_facility, priority, text});
    }
}

void RecordCloselog()
{
    if (SyslogRecording* recording = Current()) {
        recording->m_ident.clear();
        recording->m_closed = true;
    }
}

// The C library's functions, replaced for the whole test program.
extern "C" {

void openlog(const char* ident, int option, int facility)
{
    RecordOpenlog(ident, option, facility);
}

void vsyslog(int priority, const char* format, va_list args)
{
    char text[4096];
    std::vsnprintf(text, sizeof(text), format, args);
    RecordSyslog(priority, text);
}

void syslog(int priority, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vsyslog(priority, format, args);
    va_end(args);
}

void closelog()
{
    RecordCloselog();
}
}

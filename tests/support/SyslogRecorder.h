// The syslog calls of the process, recorded instead of sent while a SyslogRecording lives: the
// test program defines openlog, syslog and closelog itself, so that no syslog daemon is
// needed. Without a recording the records are dropped.
#pragma once

#include <string>
#include <vector>

struct SyslogRecord
{
    std::string ident; // as openlog set it; empty when none was set
    int option = 0;
    int facility = 0;
    int priority = 0;
    std::string text;
};

class SyslogRecording
{
public:
    SyslogRecording();
    ~SyslogRecording();
    SyslogRecording(const SyslogRecording&) = delete;
    SyslogRecording& operator=(const SyslogRecording&) = delete;

    const std::vector<SyslogRecord>& Records() const { return m_records; }
    // Whether the last openlog was closed again.
    bool Closed() const { return m_closed; }

private:
    friend void RecordSyslog(int priority, const std::string& text);
    friend void RecordOpenlog(const char* ident, int option, int facility);
    friend void RecordCloselog();

    std::vector<SyslogRecord> m_records;
    std::string m_ident;
    int m_option = 0;
    int m_facility = 0;
    bool m_closed = true;
};

// The crash report of the process: prepared, with every text and path it needs, before any
// fatal signal comes, and written from the signal handler with async-signal-safe calls only.
#pragma once

#include "platform/Bstr.h"
#include "platform/ComPtr.h"
#include "platform/ErrorReport.h"

#include <csignal>
#include <string>

class CrashReport
{
public:
    // Prepares the report of a crash named name: the dump path "<temporary folder>/<name>.dmp"
    // (the folder is made; "/tmp" serves when the temporary folder's path is empty or longer
    // than 260 characters), the program's path and build ID, the library's version, and the
    // error-reporting object, when its class is registered, to hand the dump to as
    // "Crash_<name>".
    HRESULT Prepare(const std::wstring& name);

    // Writes the dump of a signal (the handler's information and machine context) and hands
    // it to the error-reporting object; a dump that cannot be written is not handed over.
    // Async-signal-safe; the error-reporting object is not released, since freeing memory is
    // not allowed here and the process ends next.
    void WriteAndHandOver(int signal, const siginfo_t* info, const void* context) const;

    // The crash name; empty until prepared.
    const std::wstring& Name() const { return m_name; }
    const std::string& DumpPath() const { return m_dumpPath; }

private:
    bool WriteDump(int signal, const siginfo_t* info, const void* context) const;
    bool WriteSignalLines(int fd, int signal, const siginfo_t* info) const;

    std::wstring m_name;
    std::string m_dumpPath;
    // "Crash name" to "Library" lines, less the signal's.
    std::string m_heading;
    std::string m_versions;
    CComBSTR m_bstrDumpPath;
    CComBSTR m_bstrReportName;
    CComPtr<IDSErrorReport> m_spReport;
};

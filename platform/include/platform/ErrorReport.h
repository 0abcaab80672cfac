// The application's error-reporting service. It keeps every report it is given as a text file
// in a folder of the user's application data (ErrorReportFolder()): crash reports with the
// dump they carry, and short messages. It sends nothing anywhere.
//
//     CComPtr<IDSErrorReport> report;
//     report.CoCreateInstance(CLSID_DSErrorReport);
//     report->AttachFile(dumpPath);
//     report->Send(CComBSTR(L"Crash_Reelmark"), ErrorReport_Crash);
//
// Both methods keep to the calls a fatal-signal handler may make, so that a crash handler can
// hand its report over before the process ends; the object must be created beforehand.
#pragma once

#include "platform/Bstr.h"
#include "platform/Unknown.h"

#include <string>

DS_INTERFACE_ID(IDSErrorReport, IUnknown, "{CFF4DFAA-803D-484F-8EF6-65495C213BDB}");

// The kinds of report Send takes.
enum ErrorReportFlags : LONG
{
    ErrorReport_Message = 0, // the text is the message
    ErrorReport_Crash = 1,   // the text names the crash; the attached dump is the report
};

struct IDSErrorReport : IUnknown
{
    // Attaches a file, a crash dump, to the next report sent; null or empty attaches nothing.
    // E_INVALIDARG (nothing attached) for a path too long to keep.
    virtual HRESULT AttachFile(BSTR path) = 0;
    // Stores a report: the file "<name>.txt" in the report folder, or "<name>_2.txt" and so on
    // when the name is taken, so that no earlier report is lost. A crash report is named after
    // its text (characters that cannot stand in a file name become '_'), a message report
    // "Message". The file holds the text, the kind and the attachment's path, then a blank
    // line and the attachment's bytes. The attachment is used once. A failure to store the
    // file is returned; an attachment that cannot be read is noted in the report and its
    // error returned.
    virtual HRESULT Send(BSTR text, LONG flags) = 0;
};

inline constexpr CLSID CLSID_DSErrorReport = MakeGuid("{14BCF20A-7873-4DBB-BA27-BC7EC27FA7E6}");

// Registers CLSID_DSErrorReport with the class factory.
HRESULT RegisterErrorReportClass();

// The folder the reports are kept in: "Corvane/ErrorReports" of the user's application data.
std::wstring ErrorReportFolder();

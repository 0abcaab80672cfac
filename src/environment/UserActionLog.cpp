#include "dsutils/DSAppUtils.h"
#include "dsutils/DSFileUtils.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/StringConv.h"
#include "platform/WideFormat.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

// The log of the user's actions, kept for a bug report: the file is open while records are
// written and closed when its name is handed out, so that it can be read and sent.
class UserActionLog
{
public:
    ~UserActionLog() { Close(); }

    // Opens the log, emptied when truncating; a log that cannot be opened stays closed.
    void Open(bool bTruncate)
    {
        Close();
        if (FAILED(LogPath(m_path)))
            return;
        m_file = std::fopen(WideToUtf8(m_path).c_str(), bTruncate ? "we" : "a+e");
    }

    void Close()
    {
        if (m_file)
            std::fclose(m_file);
        m_file = nullptr;
    }

    // The log's path; a log never opened is asked for its path without opening it.
    HRESULT Path(std::wstring& path)
    {
        if (m_path.empty())
            CHECK_HR_SHORT(LogPath(m_path));
        path = m_path;
        return S_OK;
    }

    FILE* m_file = nullptr;
    // The first record of the process starts the log afresh; once its name was handed out,
    // the next record adds to it.
    bool m_bTruncate = true;

private:
    // "UserOperations.txt" in the "ReportBug" folder of the temporary folder, deleted by the
    // clean-up of temporary files once older than six days.
    static HRESULT LogPath(std::wstring& path)
    {
        CComBSTR bstrPath;
        CHECK_HR(CDSFileUtils().GetFilePath(CDSFileUtils::DirTemp, L"ReportBug", true,
                                            L"UserOperations", L"txt", false, bstrPath,
                                            CDSFileUtils::TempFile_OlderThanSixDays));
        path = bstrPath.Str();
        return S_OK;
    }

    std::wstring m_path;
};

UserActionLog& TheLog()
{
    static UserActionLog log;
    return log;
}

} // namespace

void CDSAppUtils::LogUserAction(const wchar_t* format, ...)
{
    UserActionLog& log = TheLog();
    if (!log.m_file) {
        log.Open(log.m_bTruncate);
        log.m_bTruncate = true;
    }
    if (!log.m_file || !format)
        return;
    va_list args;
    va_start(args, format);
    std::string record = WideToUtf8(FormatWideV(format, args));
    va_end(args);
    std::fputs(record.c_str(), log.m_file);
    std::fflush(log.m_file);
}

void CDSAppUtils::LogUserClear()
{
    TheLog().Open(true);
}

HRESULT CDSAppUtils::GetLogUserFilename(BSTR* pbstrPath)
{
    KVUClearErrorStack();
    CHECK_NULL(pbstrPath);
    UserActionLog& log = TheLog();
    log.m_bTruncate = false;
    log.Close();
    std::wstring path;
    CHECK_HR_SHORT(log.Path(path));
    *pbstrPath = SysAllocString(path.c_str());
    return *pbstrPath ? S_OK : E_OUTOFMEMORY;
}

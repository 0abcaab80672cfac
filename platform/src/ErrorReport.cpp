#include "platform/ErrorReport.h"

#include "platform/ClassFactory.h"
#include "platform/ComObject.h"
#include "platform/PathService.h"
#include "platform/SignalSafeIo.h"

#include <cerrno>
#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

namespace {

using ReportPath = FixedText<PATH_MAX>;

// The longest part of a report's file name taken from its text, in bytes.
constexpr size_t kMaxNameBytes = 120;
constexpr int kMaxNumberedNames = 10000;

// A name made of the text: what cannot stand in a file name becomes '_', and a name that
// would be hidden or empty starts with '_'.
FixedText<kMaxNameBytes + 2> FileNameOf(const wchar_t* text)
{
    FixedText<kMaxNameBytes + 2> utf8;
    utf8.AppendWide(text);
    FixedText<kMaxNameBytes + 2> name;
    if (utf8.Empty() || utf8.Text()[0] == '.')
        name.AppendByte('_');
    for (const char* at = utf8.Text(); *at; ++at) {
        unsigned char c = static_cast<unsigned char>(*at);
        name.AppendByte(c < 0x20 || c == '/' || c == '\\' || c == 0x7F ? '_' : *at);
    }
    return name;
}

class ErrorReport : public ComObject<ErrorReport, IDSErrorReport>
{
public:
    ErrorReport() { m_folder.AppendWide(ErrorReportFolder().c_str()); }

    HRESULT AttachFile(BSTR path) override
    {
        m_attachment.Clear();
        m_attachment.AppendWide(path);
        if (!m_attachment.Cut())
            return S_OK;
        m_attachment.Clear();
        return E_INVALIDARG;
    }

    HRESULT Send(BSTR text, LONG flags) override
    {
        int fd = -1;
        HRESULT hr = CreateReportFile(text, flags, fd);
        if (SUCCEEDED(hr)) {
            hr = WriteReport(fd, text, flags);
            close(fd);
        }
        m_attachment.Clear();
        return hr;
    }

private:
    friend class ComObject<ErrorReport, IDSErrorReport>;
    ~ErrorReport() override = default;

    // Opens a new file for the report, numbered when the name is taken.
    HRESULT CreateReportFile(const wchar_t* text, LONG flags, int& fd)
    {
        if (m_folder.Cut() || !SignalSafeMakeFolders(m_folder.Text()))
            return m_folder.Cut() ? E_INVALIDARG : HResultFromErrno(errno);
        auto name = (flags & ErrorReport_Crash) ? FileNameOf(text) : FileNameOf(L"Message");
        for (int number = 1; number <= kMaxNumberedNames; ++number) {
            ReportPath path;
            path.Append(m_folder.Text()).Append("/").Append(name.Text());
            if (number > 1)
                path.Append("_").AppendDecimal(number);
            path.Append(".txt");
            if (path.Cut())
                return E_INVALIDARG;
            fd = open(path.Text(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd >= 0)
                return S_OK;
            if (errno != EEXIST)
                return HResultFromErrno(errno);
        }
        return HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS);
    }

    HRESULT WriteReport(int fd, const wchar_t* text, LONG flags)
    {
        int attachment =
            m_attachment.Empty() ? -1 : open(m_attachment.Text(), O_RDONLY | O_CLOEXEC);
        int attachmentError = attachment < 0 && !m_attachment.Empty() ? errno : 0;
        FixedText<1024> header;
        header.Append("Kind: ").Append(flags & ErrorReport_Crash ? "crash" : "message");
        header.Append("\nAttachment: ").Append(m_attachment.Text());
        header.Append(attachmentError ? " (could not be read)\n" : "\n");
        bool written = SignalSafeWrite(fd, "Report: ") && SignalSafeWriteWide(fd, text) &&
                       SignalSafeWrite(fd, "\n") && SignalSafeWrite(fd, header.Text()) &&
                       SignalSafeWrite(fd, "\n");
        if (attachment >= 0) {
            written = written && SignalSafeCopy(attachment, fd);
            close(attachment);
        }
        if (!written)
            return HResultFromErrno(errno ? errno : EIO);
        return attachmentError ? HResultFromErrno(attachmentError) : S_OK;
    }

    ReportPath m_folder;
    ReportPath m_attachment;
};

} // namespace

HRESULT RegisterErrorReportClass()
{
    return CoRegisterClass(CLSID_DSErrorReport, CreatorOf<ErrorReport>());
}

std::wstring ErrorReportFolder()
{
    std::wstring appData;
    GetShellFolderPath(CSIDL_APPDATA, appData);
    return PathAppend(appData, L"Corvane/ErrorReports");
}

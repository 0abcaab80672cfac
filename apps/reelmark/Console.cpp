#include "Console.h"

#include "platform/ErrorStack.h"
#include "platform/StringConv.h"

#include <ostream>

Console::Console(std::ostream& out, std::ostream& err, bool errIsTerminal)
    : m_out(out), m_err(err), m_errIsTerminal(errIsTerminal)
{}

void Console::Report(const nlohmann::json& report,
                     const std::function<void(const nlohmann::json&, std::ostream&)>& printText)
{
    if (m_json)
        m_out << report.dump(2) << '\n';
    else
        printText(report, m_out);
    m_out.flush();
}

ExitStatus Console::Fail(const std::string& message, ExitStatus status)
{
    m_err << "reelmark: " << message << '\n';
    if (m_verbose) {
        for (const std::wstring& line : KVUGetErrorStack()) {
            std::string text = WideToUtf8(line);
            while (!text.empty() && text.back() == '\n')
                text.pop_back();
            m_err << "    " << text << '\n';
        }
    }
    m_err.flush();
    return status;
}

ProgressBar Console::Progress(const std::string& label, int total)
{
    return ProgressBar(m_err, m_errIsTerminal, label, total);
}

// Output for people and programs: reports as plain text or, with --json, as one JSON document
// on standard output; failures as one line on standard error, with the library's error stack
// under it when --verbose asks; progress bars on a terminal only.
#pragma once

#include "ExitStatus.h"
#include "ProgressBar.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <iosfwd>
#include <string>

class Console
{
public:
    // errIsTerminal says whether err is a terminal, where progress bars are drawn.
    Console(std::ostream& out, std::ostream& err, bool errIsTerminal);

    void SetJson(bool json) { m_json = json; }
    bool Json() const { return m_json; }
    void SetVerbose(bool verbose) { m_verbose = verbose; }
    bool Verbose() const { return m_verbose; }

    std::ostream& Out() { return m_out; }

    // Writes a report: the document itself with --json, else the text printText makes of it.
    void Report(const nlohmann::json& report,
                const std::function<void(const nlohmann::json&, std::ostream&)>& printText);

    // Writes "reelmark: " and the message as one line on standard error, then, with --verbose,
    // the calling thread's error stack indented under it. Returns status.
    ExitStatus Fail(const std::string& message, ExitStatus status = ExitStatus::Failure);

    // A progress bar for work of total steps, drawn on standard error when it is a terminal.
    ProgressBar Progress(const std::string& label, int total);

private:
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_errIsTerminal;
    bool m_json = false;
    bool m_verbose = false;
};

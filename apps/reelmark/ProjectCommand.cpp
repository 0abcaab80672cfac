#include "ProjectCommand.h"

#include "TextFormat.h"

void ProjectCommand::Define(CLI::App& command)
{
    command.add_option("PROJECT", m_projectPath, "The project file (.dmsd)")->required();
    DefineOptions(command);
}

ExitStatus ProjectCommand::Run(Console& console)
{
    ProjectDocument document;
    if (ExitStatus opened = document.Open(m_projectPath, console); opened != ExitStatus::Success)
        return opened;
    ExitStatus status = RunOn(document, console);
    if (status == ExitStatus::Success && ChangesProject() && document.Modified())
        status = document.Save(console);
    return status;
}

ExitStatus ProjectCommand::ReportOn(ProjectDocument& document, Console& console, Gather gather,
                                    Print print, const std::string& what)
{
    nlohmann::json report;
    return ReportOn(document, console, gather, print, what, report);
}

ExitStatus ProjectCommand::ReportOn(ProjectDocument& document, Console& console, Gather gather,
                                    Print print, const std::string& what, nlohmann::json& report)
{
    report = {{"project", document.Path()}};
    HRESULT hr = gather(document.Project(), report);
    if (FAILED(hr))
        return console.Fail("cannot read " + what + " of " + Quoted(document.Path()) + ": " +
                            ResultText(hr));
    console.Report(report, print);
    return ExitStatus::Success;
}

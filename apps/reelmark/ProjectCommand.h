// A command that works on one project file, named by its first argument PROJECT. The frame
// opens the project before the command runs and, for a command that changes projects, saves
// it only when the command succeeded and changed it; a failed command leaves the file as it was.
#pragma once

#include "Command.h"
#include "ProjectDocument.h"

class ProjectCommand : public Command
{
public:
    void Define(CLI::App& command) final;
    ExitStatus Run(Console& console) final;

protected:
    // Whether the command may change the project, which is then saved after it succeeded.
    virtual bool ChangesProject() const { return false; }
    // Declares the arguments and options that follow PROJECT.
    virtual void DefineOptions(CLI::App&) {}
    // The command's work on the opened project.
    virtual ExitStatus RunOn(ProjectDocument& document, Console& console) = 0;

    // The work of a command that reports on the project: gather fills a report that starts
    // with the project's path, and the console writes it (print makes its text). A failed
    // gather is told as "cannot read <what> of 'PATH': <reason>".
    using Gather = HRESULT (*)(IDSProjectData* project, nlohmann::json& report);
    using Print = void (*)(const nlohmann::json& report, std::ostream& out);
    static ExitStatus ReportOn(ProjectDocument& document, Console& console, Gather gather,
                               Print print, const std::string& what);
    // The same, handing the report to the caller in report.
    static ExitStatus ReportOn(ProjectDocument& document, Console& console, Gather gather,
                               Print print, const std::string& what, nlohmann::json& report);

private:
    std::string m_projectPath;
};

#include "ProjectCommand.h"

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

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

private:
    std::string m_projectPath;
};

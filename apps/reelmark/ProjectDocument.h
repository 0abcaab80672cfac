// The project file a command works on: loaded through the object model's file service with
// errors a person understands, and saved back only when the command asks, through a
// temporary file renamed over the old one, so that a failed save leaves the file as it was.
#pragma once

#include "Console.h"

#include "model/IDSProjectData.h"
#include "model/IDSProjectFile.h"
#include "platform/ComPtr.h"

#include <string>

class ProjectDocument
{
public:
    // Loads the project at path. A missing file, a folder, a file that is not a project and
    // an unreadable file each give one line on the console and ExitStatus::Failure.
    ExitStatus Open(const std::string& path, Console& console);

    // Makes a new, empty project to be saved at path, where no file may be yet.
    ExitStatus Create(const std::string& path, Console& console);

    // Writes the project back to its file; a failure is reported and the file keeps what it
    // held.
    ExitStatus Save(Console& console);

    // Whether the project changed since it was opened.
    bool Modified() const;

    // The project, borrowed: the document holds it.
    IDSProjectData* Project() const { return m_project; }
    // The path as the user gave it.
    const std::string& Path() const { return m_path; }

private:
    ExitStatus CreateObjects(Console& console);

    std::string m_path;
    CComPtr<IDSProjectData> m_project;
    CComPtr<IDSProjectFile> m_fileService;
};

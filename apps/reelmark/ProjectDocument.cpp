#include "ProjectDocument.h"

#include "TextFormat.h"

#include "model/ModelClasses.h"
#include "platform/StringConv.h"

#include <filesystem>
#include <system_error>

ExitStatus ProjectDocument::Open(const std::string& path, Console& console)
{
    m_path = path;
    std::error_code error;
    auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return console.Fail("no project file at " + Quoted(path));
    if (std::filesystem::is_directory(status))
        return console.Fail(Quoted(path) + " is a folder, not a project file");
    if (ExitStatus created = CreateObjects(console); created != ExitStatus::Success)
        return created;
    HRESULT hr = m_fileService->LoadProject(CComBSTR(Utf8ToWide(path)), m_project);
    if (hr == E_INVALIDARG)
        return console.Fail(Quoted(path) + " is not a project file: it is malformed or of " +
                            "another kind");
    if (FAILED(hr))
        return console.Fail("cannot read " + Quoted(path) + ": " + ResultText(hr));
    m_project->ResetModified();
    return ExitStatus::Success;
}

ExitStatus ProjectDocument::Create(const std::string& path, Console& console)
{
    m_path = path;
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return console.Fail(Quoted(path) + " already exists; a new project needs a new file");
    std::filesystem::path folder = std::filesystem::absolute(path, error).parent_path();
    if (!std::filesystem::is_directory(folder, error))
        return console.Fail("no folder " + Quoted(folder.string()) + " for " + Quoted(path));
    return CreateObjects(console);
}

ExitStatus ProjectDocument::Save(Console& console)
{
    HRESULT hr = m_fileService->SaveProject(CComBSTR(Utf8ToWide(m_path)), m_project);
    if (FAILED(hr))
        return console.Fail("cannot save " + Quoted(m_path) + ": " + ResultText(hr) +
                            "; the file is unchanged");
    return ExitStatus::Success;
}

bool ProjectDocument::Modified() const
{
    VARIANT_BOOL modified = VARIANT_FALSE;
    return m_project && SUCCEEDED(m_project->get_Modified(&modified)) && modified != VARIANT_FALSE;
}

ExitStatus ProjectDocument::CreateObjects(Console& console)
{
    HRESULT hr = m_project.CoCreateInstance(CLSID_CDSProjectData);
    if (SUCCEEDED(hr))
        hr = m_fileService.CoCreateInstance(CLSID_CDSProjectFile);
    if (FAILED(hr))
        return console.Fail("cannot create the project object model: " + ResultText(hr));
    return ExitStatus::Success;
}

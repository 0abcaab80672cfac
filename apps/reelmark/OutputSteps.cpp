#include "OutputSteps.h"

#include "DemoClips.h"
#include "MenuPictures.h"
#include "TextFormat.h"

#include "platform/StringConv.h"

#include <filesystem>
#include <system_error>

ExitStatus MakeFolder(const std::string& folder, Console& console)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return console.Fail("cannot make the folder " + Quoted(folder) + ": " + error.message());
    return ExitStatus::Success;
}

ExitStatus MakeClips(const std::string& folder, double seconds, Console& console,
                     std::vector<std::wstring>& files)
{
    if (ExitStatus made = MakeFolder(folder, console); made != ExitStatus::Success)
        return made;
    std::wstring failed;
    HRESULT hr = S_OK;
    {
        int frames = int(DemoClips().size()) * DemoClipFrameCount(seconds);
        ProgressBar progress = console.Progress("Making clips", frames);
        hr = WriteDemoClips(
            Utf8ToWide(folder), seconds, [&] { progress.Advance(); }, files, failed);
    }
    if (FAILED(hr))
        return console.Fail("cannot write " + Quoted(Utf8(failed.c_str())) + ": " + ResultText(hr));
    return ExitStatus::Success;
}

ExitStatus PictureMenus(IDSProjectData* project, const std::string& folder,
                        const std::string& projectPath, Console& console, nlohmann::json& report)
{
    if (ExitStatus made = MakeFolder(folder, console); made != ExitStatus::Success)
        return made;
    HRESULT hr = S_OK;
    {
        ProgressBar progress =
            console.Progress("Rendering menus", int(PicturedPages(project).size()));
        hr = WriteMenuPictures(
            project, Utf8ToWide(folder), [&] { progress.Advance(); }, report);
    }
    if (FAILED(hr))
        return console.Fail("cannot picture the menus of " + Quoted(projectPath) + ": " +
                            ResultText(hr));
    return ExitStatus::Success;
}

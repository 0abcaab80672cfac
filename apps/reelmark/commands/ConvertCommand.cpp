// convert PROJECT --format … [--menuless | --with-menus]: the project made a project of another
// disc format, its encoding and menus following.
#include "commands/Commands.h"

#include "ChoiceOptions.h"
#include "DisplayNames.h"
#include "MenuPictures.h"
#include "ProjectCommand.h"
#include "TextFormat.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSTags.h"

#include <ostream>

using nlohmann::json;

namespace {

json DiscOf(IDSProjectData* project)
{
    DiscFormat format = DiscFormat_None;
    TVStandard tv = TVStandard_NTSC;
    project->get_DiscFormat(&format);
    project->get_TVStandard(&tv);
    return {{"format", NameOf(format).key},
            {"tv", NameOf(tv).key},
            {"aspect", NameOf(IsAspectRatio16x9(project) ? AspectRatio_16x9 : AspectRatio_4x3).key},
            {"menus", PicturedPages(project).size()}};
}

std::string DiscText(const json& disc)
{
    int menus = disc["menus"];
    return LabelOf(disc["format"]) + ", " + LabelOf(disc["tv"]) + ", " +
           disc["aspect"].get<std::string>() + ", " +
           (menus == 0 ? "no menus" : std::to_string(menus) + (menus == 1 ? " menu" : " menus"));
}

void PrintConversion(const json& report, std::ostream& out)
{
    out << "Converted " << Quoted(report["project"].get<std::string>()) << " from "
        << DiscText(report["from"]) << " to " << DiscText(report["to"]) << '\n';
}

class ConvertCommand : public ProjectCommand
{
public:
    std::string Name() const override { return "convert"; }
    std::string Summary() const override
    {
        return "Make a project one of another disc format; its encoding and menus follow";
    }
    std::string Examples() const override
    {
        return "  reelmark convert holiday.dmsd --format bluray\n"
               "  reelmark convert holiday.dmsd --format dvd --menuless\n"
               "  reelmark convert slides.dmsd --format dvd --with-menus --json\n";
    }
    bool Reports() const override { return true; }

protected:
    bool ChangesProject() const override { return true; }

    void DefineOptions(CLI::App& command) override
    {
        AddDiscFormatOption(command, "--format", m_format, "The new disc format")->required();
        CLI::Option* menuless = command.add_flag(
            "--menuless", m_menuless, "Leave no menus: the titles play one after another");
        command
            .add_flag("--with-menus", m_withMenus,
                      "Give a project without menus menus made from its theme")
            ->excludes(menuless);
    }

    ExitStatus RunOn(ProjectDocument& document, Console& console) override
    {
        IDSProjectData* project = document.Project();
        json report = {{"project", document.Path()}, {"from", DiscOf(project)}};
        bool menuless = m_menuless || (!m_withMenus && report["from"]["menus"] == 0);
        HRESULT hr = CDSAppUtils::ConvertProjectType(
            project, m_format, menuless ? ULONG(CDSAppUtils::ConvertProject_Menuless) : 0UL);
        if (FAILED(hr))
            return console.Fail("cannot convert " + Quoted(document.Path()) + " to " +
                                NameOf(m_format).label + ": " + ResultText(hr));
        report["to"] = DiscOf(project);
        console.Report(report, PrintConversion);
        return ExitStatus::Success;
    }

private:
    DiscFormat m_format = DiscFormat_DVD;
    bool m_menuless = false;
    bool m_withMenus = false;
};

} // namespace

std::unique_ptr<Command> MakeConvertCommand()
{
    return std::make_unique<ConvertCommand>();
}

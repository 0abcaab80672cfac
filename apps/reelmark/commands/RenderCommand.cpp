// render PROJECT --out DIR: every menu page resolved and pictured, with its subpicture, its
// highlights and one contact sheet of all pages.
#include "commands/Commands.h"

#include "MenuPictures.h"
#include "OutputSteps.h"
#include "ProjectCommand.h"

namespace {

class RenderCommand : public ProjectCommand
{
public:
    std::string Name() const override { return "render"; }
    std::string Summary() const override
    {
        return "Resolve every menu and picture its pages: a PNG of each page, its subpicture, "
               "its highlights and a contact sheet of all pages";
    }
    std::string Examples() const override
    {
        return "  reelmark render holiday.dmsd --out previews\n"
               "  reelmark render holiday.dmsd --out previews --json | jq -r .contactSheet\n";
    }
    bool Reports() const override { return true; }

protected:
    // Resolving mends links to objects that are gone; the project keeps what it mended.
    bool ChangesProject() const override { return true; }

    void DefineOptions(CLI::App& command) override
    {
        command
            .add_option("--out", m_folder,
                        "The folder the pictures are written to (made "
                        "when missing)")
            ->required();
    }

    ExitStatus RunOn(ProjectDocument& document, Console& console) override
    {
        nlohmann::json report = {{"project", document.Path()}, {"folder", m_folder}};
        if (ExitStatus pictured =
                PictureMenus(document.Project(), m_folder, document.Path(), console, report);
            pictured != ExitStatus::Success)
            return pictured;
        console.Report(report, PrintMenuPictures);
        return ExitStatus::Success;
    }

private:
    std::string m_folder;
};

} // namespace

std::unique_ptr<Command> MakeRenderCommand()
{
    return std::make_unique<RenderCommand>();
}

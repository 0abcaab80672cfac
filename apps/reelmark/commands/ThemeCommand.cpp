// theme PROJECT NAME|PATH: gives the project's menus the look of another theme, a shipped or
// user theme by name or a theme file by path.
#include "commands/Commands.h"

#include "DisplayNames.h"
#include "ProjectCommand.h"
#include "ProjectTheme.h"
#include "TextFormat.h"
#include "ThemeLookup.h"

#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"
#include "platform/StringConv.h"

#include <ostream>

namespace {

std::string MenuTypesText(const std::vector<ULONG>& types)
{
    std::string text;
    for (ULONG type : types)
        text += (text.empty() ? "" : " and ") + MenuKindOf(type).label + "s";
    return text;
}

void PrintThemeChange(const nlohmann::json& report, std::ostream& out)
{
    int menus = report["menusStyled"];
    out << "Applied the theme " << report["theme"]["name"].get<std::string>() << " to " << menus
        << (menus == 1 ? " menu" : " menus") << " of "
        << Quoted(report["project"].get<std::string>()) << ": "
        << report["templatesAdded"].get<int>() << " templates in place of "
        << report["templatesRemoved"].get<int>() << "\n";
}

class ThemeCommand : public ProjectCommand
{
public:
    std::string Name() const override { return "theme"; }
    std::string Summary() const override
    {
        return "Give a project's menus the look of another theme";
    }
    std::string Examples() const override
    {
        return "  reelmark theme holiday.dmsd Ember\n"
               "  reelmark theme holiday.dmsd ~/themes/Sunset.dmsd\n"
               "  reelmark theme holiday.dmsd Ember --json | jq .menusStyled\n";
    }
    bool Reports() const override { return true; }

protected:
    bool ChangesProject() const override { return true; }

    void DefineOptions(CLI::App& command) override
    {
        command
            .add_option("THEME", m_theme,
                        "A theme's name (see 'reelmark themes') or the path of a theme file "
                        "(.dmsd)")
            ->required();
    }

    ExitStatus RunOn(ProjectDocument& document, Console& console) override
    {
        std::wstring file;
        CComPtr<IDSProjectData> theme;
        if (ExitStatus loaded =
                LoadThemeForProject(document.Project(), m_theme, file, theme, console);
            loaded != ExitStatus::Success)
            return loaded;
        return Apply(document, theme, file, console);
    }

private:
    ExitStatus Apply(ProjectDocument& document, IDSProjectData* theme, const std::wstring& file,
                     Console& console) const
    {
        std::string name = ThemeName(file);
        std::vector<ULONG> missing = MenuTypesWithoutTemplate(document.Project(), theme);
        if (!missing.empty())
            return console.Fail("the theme " + Quoted(name) + " has no template for " +
                                MenuTypesText(missing) + ", which " + Quoted(document.Path()) +
                                " has");
        ThemeChange change;
        HRESULT hr = ReplaceTheme(document.Project(), theme, change);
        if (FAILED(hr))
            return console.Fail("cannot apply the theme " + Quoted(name) + " to " +
                                Quoted(document.Path()) + ": " + ResultText(hr));
        nlohmann::json report = {{"project", document.Path()},
                                 {"theme", {{"name", name}, {"file", Utf8(file.c_str())}}},
                                 {"menusStyled", change.menusStyled},
                                 {"templatesAdded", change.templatesAdded},
                                 {"templatesRemoved", change.templatesRemoved}};
        console.Report(report, PrintThemeChange);
        return ExitStatus::Success;
    }

    std::string m_theme;
};

} // namespace

std::unique_ptr<Command> MakeThemeCommand()
{
    return std::make_unique<ThemeCommand>();
}

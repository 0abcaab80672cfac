// theme PROJECT NAME|PATH: gives the project's menus the look of another theme, a shipped or
// user theme by name or a theme file by path.
#include "commands/Commands.h"

#include "DisplayNames.h"
#include "ProjectCommand.h"
#include "ProjectTheme.h"
#include "TextFormat.h"
#include "ThemeCatalogue.h"

#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"
#include "platform/NativePath.h"
#include "platform/StringConv.h"

#include <filesystem>
#include <ostream>

namespace {

// A theme argument holding a separator or ending in ".dmsd" is a path; anything else a name.
bool IsPath(const std::string& argument)
{
    std::string extension = std::filesystem::path(argument).extension().string();
    return argument.find('/') != std::string::npos ||
           CompareNoCase(Utf8ToWide(extension), L".dmsd") == 0;
}

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
        if (ExitStatus found = FindTheme(document.Project(), file, console);
            found != ExitStatus::Success)
            return found;
        CComPtr<IDSProjectData> theme;
        if (ExitStatus loaded = LoadTheme(file, theme, console); loaded != ExitStatus::Success)
            return loaded;
        return Apply(document, theme, file, console);
    }

private:
    ExitStatus FindTheme(IDSProjectData* project, std::wstring& file, Console& console) const
    {
        if (IsPath(m_theme)) {
            file = Utf8ToWide(m_theme);
            if (!std::filesystem::is_regular_file(NativePath(file)))
                return console.Fail("no theme file at " + Quoted(m_theme));
            return ExitStatus::Success;
        }
        AspectRatio aspect = IsAspectRatio16x9(project) ? AspectRatio_16x9 : AspectRatio_4x3;
        file = FindThemeFile(m_theme, aspect);
        if (file.empty()) {
            std::string shape = NameOf(aspect).key;
            return console.Fail("no theme called " + Quoted(m_theme) + " for " + shape +
                                " menus; 'reelmark themes --aspect " + shape + "' lists them");
        }
        return ExitStatus::Success;
    }

    static ExitStatus LoadTheme(const std::wstring& file, CComPtr<IDSProjectData>& theme,
                                Console& console)
    {
        std::string path = Quoted(Utf8(file.c_str()));
        HRESULT hr = CMenuStyleUtil::Load(file.c_str(), &theme);
        if (hr == E_INVALIDARG)
            return console.Fail(path + " is not a theme: it is malformed or of another kind");
        if (FAILED(hr))
            return console.Fail("cannot read the theme " + path + ": " + ResultText(hr));
        if (GetMenuList(theme, MenuType_MainTemplate | MenuType_ChapterTemplate).empty())
            return console.Fail(path + " is not a theme: it has no menu templates");
        return ExitStatus::Success;
    }

    ExitStatus Apply(ProjectDocument& document, IDSProjectData* theme, const std::wstring& file,
                     Console& console) const
    {
        std::string name = NativePath(file).stem().string();
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

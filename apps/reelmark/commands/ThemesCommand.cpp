// themes [--aspect 4:3|16:9]: the shipped themes and the user's own, with what each offers.
#include "commands/Commands.h"

#include "DisplayNames.h"
#include "TextFormat.h"
#include "ThemeCatalogue.h"

#include <ostream>

using nlohmann::json;

namespace {

std::string TemplatesText(const json& templates)
{
    bool main = templates["main"].get<int>() > 0;
    bool chapter = templates["chapter"].get<int>() > 0;
    if (main && chapter)
        return "main and chapter menus";
    if (main || chapter)
        return main ? "main menus only" : "chapter menus only";
    return "no menu templates";
}

void PrintTheme(const json& theme, std::ostream& out)
{
    out << "  " << theme["name"].get<std::string>();
    if (theme["readable"].get<bool>()) {
        std::string title = theme["title"];
        if (!title.empty() && title != theme["name"])
            out << " \"" << title << "\"";
        out << "  " << theme["origin"].get<std::string>() << ", "
            << TemplatesText(theme["templates"]);
    } else {
        out << "  " << theme["origin"].get<std::string>()
            << ", cannot be used: " << theme["problem"].get<std::string>();
    }
    if (theme["highDefinition"].get<bool>())
        out << ", high definition";
    if (theme["default"].get<bool>())
        out << ", the default";
    out << '\n';
}

void PrintAspect(const json& report, const std::string& aspect, std::ostream& out)
{
    out << aspect << " themes\n";
    for (const json& folder : report["folders"]) {
        if (folder["aspect"] == aspect)
            out << "  from " << folder["folder"].get<std::string>() << '\n';
    }
    bool any = false;
    for (const json& theme : report["themes"]) {
        if (theme["aspect"] == aspect) {
            PrintTheme(theme, out);
            any = true;
        }
    }
    if (!any)
        out << "  none found\n";
}

void PrintThemes(const json& report, std::ostream& out)
{
    bool first = true;
    for (const json& aspect : report["aspects"]) {
        if (!first)
            out << '\n';
        PrintAspect(report, aspect, out);
        first = false;
    }
}

class ThemesCommand : public Command
{
public:
    std::string Name() const override { return "themes"; }
    std::string Summary() const override
    {
        return "List the shipped themes and your own, for 4:3 and 16:9 menus";
    }
    std::string Examples() const override
    {
        return "  reelmark themes\n"
               "  reelmark themes --aspect 16:9\n"
               "  reelmark themes --json | jq -r '.themes[] | select(.readable) | .name'\n";
    }
    bool Reports() const override { return true; }

    void Define(CLI::App& command) override
    {
        command.add_option("--aspect", m_aspect, "Only the themes for menus of this shape")
            ->check(CLI::IsMember({"4:3", "16:9"}));
    }

    ExitStatus Run(Console& console) override
    {
        std::vector<AspectRatio> aspects;
        if (m_aspect.empty() || m_aspect == "4:3")
            aspects.push_back(AspectRatio_4x3);
        if (m_aspect.empty() || m_aspect == "16:9")
            aspects.push_back(AspectRatio_16x9);
        json report = {{"aspects", json::array()}};
        for (AspectRatio aspect : aspects)
            report["aspects"].push_back(NameOf(aspect).key);
        HRESULT hr = ListThemes(aspects, report);
        if (FAILED(hr))
            return console.Fail("cannot list the themes: " + ResultText(hr));
        console.Report(report, PrintThemes);
        return ExitStatus::Success;
    }

private:
    std::string m_aspect;
};

} // namespace

std::unique_ptr<Command> MakeThemesCommand()
{
    return std::make_unique<ThemesCommand>();
}

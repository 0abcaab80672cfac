// themes [--aspect 4:3|16:9]: the shipped themes and the user's own, with what each offers.
#include "commands/Commands.h"

#include "CatalogueCommand.h"
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
    for (const json& kind : theme["defaultFor"]) {
        std::string projects = kind == "hd" ? "high-definition" : kind.get<std::string>();
        out << ", the default for " << projects << " projects";
    }
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

class ThemesCommand : public CatalogueCommand
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

protected:
    std::string What() const override { return "the themes"; }
    HRESULT List(const std::vector<AspectRatio>& aspects, json& report) const override
    {
        return ListThemes(aspects, report);
    }
    void Print(const json& report, std::ostream& out) const override { PrintThemes(report, out); }
};

} // namespace

std::unique_ptr<Command> MakeThemesCommand()
{
    return std::make_unique<ThemesCommand>();
}

// buttons [--aspect 4:3|16:9]: the button styles with the kinds of button they serve and their
// previews.
#include "commands/Commands.h"

#include "ButtonCatalogue.h"
#include "CatalogueCommand.h"
#include "TextFormat.h"

#include <algorithm>
#include <ostream>

using nlohmann::json;

namespace {

// "command, chapter range": the kinds as their keys say them, in words.
std::string KindsText(const json& types)
{
    std::string text;
    for (const json& type : types) {
        std::string word = type;
        std::replace(word.begin(), word.end(), '-', ' ');
        text += (text.empty() ? "" : ", ") + word;
    }
    return text.empty() ? "no kind of button" : text;
}

std::string PreviewText(const json& preview)
{
    if (preview.is_null())
        return "no preview";
    if (!preview["readable"].get<bool>())
        return "a preview that cannot be read: " + preview["file"].get<std::string>();
    return "preview " + std::to_string(preview["width"].get<int>()) + "x" +
           std::to_string(preview["height"].get<int>()) + " " + preview["file"].get<std::string>();
}

void PrintStyle(const json& style, std::ostream& out)
{
    out << "  " << style["name"].get<std::string>();
    std::string title = style["title"];
    if (!title.empty() && title != style["name"])
        out << " \"" << title << "\"";
    out << "  " << KindsText(style["types"]) << "\n      " << PreviewText(style["preview"]) << '\n';
}

void PrintButtons(const json& report, std::ostream& out)
{
    bool first = true;
    for (const json& folder : report["folders"]) {
        out << (first ? "" : "\n") << folder["aspect"].get<std::string>() << " button styles\n"
            << "  from " << folder["folder"].get<std::string>() << '\n';
        first = false;
        bool any = false;
        for (const json& style : report["styles"]) {
            if (style["aspect"] == folder["aspect"]) {
                PrintStyle(style, out);
                any = true;
            }
        }
        if (!any)
            out << "  none found\n";
    }
}

class ButtonsCommand : public CatalogueCommand
{
public:
    std::string Name() const override { return "buttons"; }
    std::string Summary() const override
    {
        return "List the button styles, the kinds of button each serves and its preview";
    }
    std::string Examples() const override
    {
        return "  reelmark buttons\n"
               "  reelmark buttons --aspect 16:9\n"
               "  reelmark buttons --json | jq -r '.styles[] | select(.types | index(\"command\"))"
               " | .name'\n";
    }

protected:
    std::string What() const override { return "the button styles"; }
    HRESULT List(const std::vector<AspectRatio>& aspects, json& report) const override
    {
        return ListButtonStyles(aspects, report);
    }
    void Print(const json& report, std::ostream& out) const override { PrintButtons(report, out); }
};

} // namespace

std::unique_ptr<Command> MakeButtonsCommand()
{
    return std::make_unique<ButtonsCommand>();
}

// menus PROJECT: the menu tree of a project, from the root menu down: the pages of each menu,
// their buttons and where each button leads.
#include "commands/Commands.h"

#include "DisplayNames.h"
#include "MenuTree.h"
#include "ProjectCommand.h"

#include <map>
#include <ostream>
#include <set>

using nlohmann::json;

namespace {

// Prints chains as a tree: a chain is printed in full under the first button that leads to it,
// and named only wherever it turns up again.
class MenuTreePrinter
{
public:
    MenuTreePrinter(const json& report, std::ostream& out) : m_out(out)
    {
        for (const json& chain : report["menus"])
            m_chains[chain["id"].get<LONG>()] = &chain;
    }

    void Print(const json& report)
    {
        if (report["menus"].empty()) {
            m_out << "No menus\n";
            return;
        }
        if (!report["root"].is_null())
            PrintChain(*m_chains.at(report["root"].get<LONG>()), 0);
        for (const json& chain : report["menus"]) {
            if (!m_printed.count(chain["id"].get<LONG>()))
                PrintChain(chain, 0);
        }
    }

private:
    static std::string MenuName(const json& menu)
    {
        std::string text = LabelOf(menu["kind"]);
        text[0] = char(std::toupper(static_cast<unsigned char>(text[0])));
        if (!menu["name"].get<std::string>().empty())
            text += " \"" + menu["name"].get<std::string>() + "\"";
        return text + " (menu " + std::to_string(menu["id"].get<LONG>()) + ")";
    }

    void PrintChain(const json& chain, int depth)
    {
        m_printed.insert(chain["id"].get<LONG>());
        std::string indent(depth * 4, ' ');
        size_t pages = chain["pages"].size();
        m_out << indent << MenuName(chain);
        if (!chain["title"].is_null())
            m_out << " for title \"" << chain["title"]["name"].get<std::string>() << "\"";
        m_out << ", " << pages << (pages == 1 ? " page" : " pages");
        if (!chain["reachable"].get<bool>())
            m_out << ", no viewer can reach it";
        m_out << '\n';
        int number = 0;
        for (const json& page : chain["pages"]) {
            m_out << indent << "  page " << ++number << " (menu " << page["id"].get<LONG>()
                  << ")\n";
            for (const json& button : page["buttons"])
                PrintButton(button, chain["id"].get<LONG>(), depth);
        }
    }

    std::string TargetText(const json& target, LONG chain) const
    {
        if (target.is_null())
            return "leads nowhere";
        if (target["type"] == "title") {
            std::string text = "plays title \"" + target["name"].get<std::string>() + "\" (title " +
                               std::to_string(target["id"].get<LONG>()) + ")";
            int chapter = target["chapter"].get<int>();
            return chapter > 1 ? text + " from chapter " + std::to_string(chapter) : text;
        }
        if (target["chain"] == chain)
            return "goes to page " + std::to_string(target["page"].get<int>());
        // A page of another menu is named by that menu, the chain of its pages.
        auto known =
            target["chain"].is_null() ? m_chains.end() : m_chains.find(target["chain"].get<LONG>());
        if (known == m_chains.end())
            return "goes to " + LowerFirst(MenuName(target));
        std::string text = "goes to " + LowerFirst(MenuName(*known->second));
        return target["page"] == 1 ? text
                                   : text + ", page " + std::to_string(target["page"].get<int>());
    }

    static std::string LowerFirst(std::string text)
    {
        text[0] = char(std::tolower(static_cast<unsigned char>(text[0])));
        return text;
    }

    void PrintButton(const json& button, LONG chain, int depth)
    {
        std::string indent(depth * 4 + 4, ' ');
        std::string name = button["kind"] == "command"
                               ? std::to_string(button["number"].get<int>()) + ". " +
                                     button["label"].get<std::string>()
                               : "[" + LabelOf(button["kind"]) + "]";
        if (button["kind"] != "command" && !button["label"].get<std::string>().empty())
            name += " " + button["label"].get<std::string>();
        const json& target = button["target"];
        m_out << indent << name << "  " << TargetText(target, chain) << '\n';
        if (target.is_null() || target["type"] != "menu" || target["chain"].is_null())
            return;
        LONG targetChain = target["chain"].get<LONG>();
        if (!m_printed.count(targetChain) && m_chains.count(targetChain))
            PrintChain(*m_chains.at(targetChain), depth + 2);
    }

    std::ostream& m_out;
    std::map<LONG, const json*> m_chains;
    std::set<LONG> m_printed;
};

void PrintMenus(const json& report, std::ostream& out)
{
    MenuTreePrinter(report, out).Print(report);
}

class MenusCommand : public ProjectCommand
{
public:
    std::string Name() const override { return "menus"; }
    std::string Summary() const override
    {
        return "Show the menu tree: pages, buttons and where each button leads";
    }
    std::string Examples() const override
    {
        return "  reelmark menus holiday.dmsd\n"
               "  reelmark menus holiday.dmsd --json | jq '.menus[] | select(.reachable | not)'\n";
    }
    bool Reports() const override { return true; }

protected:
    ExitStatus RunOn(ProjectDocument& document, Console& console) override
    {
        return ReportOn(document, console, DescribeMenus, PrintMenus, "the menus");
    }
};

} // namespace

std::unique_ptr<Command> MakeMenusCommand()
{
    return std::make_unique<MenusCommand>();
}

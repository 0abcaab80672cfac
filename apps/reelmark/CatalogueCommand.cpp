#include "CatalogueCommand.h"

#include "DisplayNames.h"
#include "TextFormat.h"

namespace {

// The aspect ratios the option's value asks for: both when it is empty.
std::vector<AspectRatio> ChosenAspects(const std::string& aspect)
{
    std::vector<AspectRatio> aspects;
    for (AspectRatio shape : {AspectRatio_4x3, AspectRatio_16x9}) {
        if (aspect.empty() || aspect == NameOf(shape).key)
            aspects.push_back(shape);
    }
    return aspects;
}

nlohmann::json AspectKeys(const std::vector<AspectRatio>& aspects)
{
    nlohmann::json keys = nlohmann::json::array();
    for (AspectRatio aspect : aspects)
        keys.push_back(NameOf(aspect).key);
    return keys;
}

} // namespace

void CatalogueCommand::Define(CLI::App& command)
{
    command.add_option("--aspect", m_aspect, "Only " + What() + " for menus of this shape")
        ->check(CLI::IsMember({NameOf(AspectRatio_4x3).key, NameOf(AspectRatio_16x9).key}));
}

ExitStatus CatalogueCommand::Run(Console& console)
{
    std::vector<AspectRatio> aspects = ChosenAspects(m_aspect);
    nlohmann::json report = {{"aspects", AspectKeys(aspects)}};
    HRESULT hr = List(aspects, report);
    if (FAILED(hr))
        return console.Fail("cannot list " + What() + ": " + ResultText(hr));
    console.Report(report,
                   [this](const nlohmann::json& listed, std::ostream& out) { Print(listed, out); });
    return ExitStatus::Success;
}

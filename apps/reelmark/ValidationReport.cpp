#include "ValidationReport.h"

#include "DisplayNames.h"
#include "TextFormat.h"

#include "dsutils/DSProjectValidator.h"
#include "dsutils/DSReachabilityReport.h"
#include "dsutils/DSTags.h"
#include "model/IDSDataFile.h"
#include "platform/Check.h"
#include "platform/ErrorStack.h"

#include <algorithm>
#include <functional>
#include <map>
#include <ostream>

using nlohmann::json;

namespace {

const char* SeverityKey(eErrorSeverity severity)
{
    switch (severity) {
    case ErrorSeverity_Fatal:
        return "fatal";
    case ErrorSeverity_Warning:
        return "warning";
    default:
        return "info";
    }
}

// A title, menu, button or data file of the project by its ID.
json ObjectEntry(IDSProjectData* project, LONG id)
{
    CComPtr<IUnknown> object;
    project->FindByID(id, &object);
    json entry = {{"id", id}, {"kind", "unknown"}, {"name", ""}};
    if (CComQIPtr<IDSDataFile> file = object.p) {
        CComBSTR path;
        file->get_SourcePath(&path);
        entry["kind"] = "data file";
        entry["name"] = Utf8(path);
        return entry;
    }
    if (CComQIPtr<IDSTitle>(object.p))
        entry["kind"] = "title";
    else if (CComQIPtr<IDSMenu>(object.p))
        entry["kind"] = "menu";
    else if (CComQIPtr<IDSMenuButton>(object.p))
        entry["kind"] = "button";
    else if (object)
        entry["kind"] = "element";
    if (object)
        entry["name"] = Utf8(GetDisplayName(object, nullptr));
    return entry;
}

// The IDs a finding names, each once: its item, the further items, its menu and the menus
// and titles it affects.
std::vector<LONG> IdsOf(const CErrorInfo& finding)
{
    std::vector<LONG> ids = {finding.getItemID()};
    ids.insert(ids.end(), finding.getAffectedItems().begin(), finding.getAffectedItems().end());
    ids.push_back(finding.getItemID2());
    ids.push_back(finding.getMenuID());
    ids.insert(ids.end(), finding.getAffectedMenus().begin(), finding.getAffectedMenus().end());
    ids.insert(ids.end(), finding.getAffectedTitles().begin(), finding.getAffectedTitles().end());
    std::vector<LONG> unique;
    for (LONG id : ids) {
        if (id > 0 && std::find(unique.begin(), unique.end(), id) == unique.end())
            unique.push_back(id);
    }
    return unique;
}

// "title "Beach" (title 5)", or "title 5" when it has no name.
std::string ObjectText(const json& object)
{
    std::string kind = object["kind"];
    std::string id = std::to_string(object["id"].get<LONG>());
    std::string name = object["name"];
    return name.empty() ? kind + " " + id : kind + " \"" + name + "\" (" + kind + " " + id + ")";
}

std::string FindingText(const json& objects, const DisplayName& kind, const std::string& file)
{
    std::string text;
    for (const json& object : objects)
        text += (text.empty() ? "" : ", ") + ObjectText(object);
    text += (text.empty() ? "" : ": ") + kind.label;
    return file.empty() ? text : text + ": " + Quoted(file);
}

json FindingEntry(IDSProjectData* project, const CErrorInfo& finding)
{
    DisplayName kind = FindingKindOf(finding.getErrorCode());
    json objects = json::array();
    for (LONG id : IdsOf(finding))
        objects.push_back(ObjectEntry(project, id));
    std::string file = Utf8(finding.getFileName().c_str());
    json entry = {{"severity", SeverityKey(finding.getErrorSeverity())},
                  {"code", finding.getErrorCode()},
                  {"kind", kind.key},
                  {"objects", objects},
                  {"file", file.empty() ? json(nullptr) : json(file)},
                  {"text", FindingText(objects, kind, file)}};
    return entry;
}

HRESULT Findings(IDSProjectData* project, json& report)
{
    CDSProjectValidator validator;
    CHECK_HR(validator.validateProject(project));
    report["burnable"] = !validator.areErrorsPreventingBurn();
    std::map<std::string, int> counts = {{"fatal", 0}, {"warning", 0}, {"info", 0}};
    report["findings"] = json::array();
    for (const CErrorInfo& finding : validator.getErrorList()) {
        ++counts[SeverityKey(finding.getErrorSeverity())];
        report["findings"].push_back(FindingEntry(project, finding));
    }
    report["counts"] = counts;
    return S_OK;
}

HRESULT Reachability(IDSProjectData* project, json& report)
{
    CDSReachabilityReport reachability;
    CHECK_HR(reachability.Build(project));
    std::string text;
    CHECK_HR(reachability.WriteJson(text));
    report["reachability"] = json::parse(text, nullptr, false);
    if (report["reachability"].is_discarded())
        RETURN_CODE(E_UNEXPECTED);
    return S_OK;
}

std::string CountText(int count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

void PrintFindings(const json& report, std::ostream& out)
{
    const json& counts = report["counts"];
    out << "Findings  " << CountText(counts["fatal"], "fatal", "fatal") << ", "
        << CountText(counts["warning"], "warning", "warnings") << ", "
        << CountText(counts["info"], "note", "notes") << '\n';
    for (const json& finding : report["findings"]) {
        std::string severity = finding["severity"];
        out << "  " << severity << std::string(9 - severity.size(), ' ')
            << finding["text"].get<std::string>() << '\n';
    }
}

// A list under a heading on its first line: "  unreachable   title 4" and the others under it.
void PrintList(const std::string& heading, const json& items, const std::string& none,
               const std::function<std::string(const json&)>& text, std::ostream& out)
{
    std::string label = heading;
    if (items.empty())
        out << "  " << label << none << '\n';
    for (const json& item : items) {
        out << "  " << label << text(item) << '\n';
        label.assign(label.size(), ' ');
    }
}

void PrintReachability(const json& reachability, std::ostream& out)
{
    out << "\nReachability\n";
    PrintList(
        "starts with   ", reachability["starts"], "nothing",
        [](const json& start) {
            return ObjectText(start) + " (" + start["start"].get<std::string>() + ")";
        },
        out);
    const json& reachable = reachability["reachable"];
    auto menus = std::count_if(reachable.begin(), reachable.end(),
                               [](const json& object) { return object["kind"] == "menu"; });
    out << "  reachable     " << CountText(int(menus), "menu", "menus") << ", "
        << CountText(int(reachable.size() - menus), "title", "titles") << '\n';
    json unreachable = reachability["unreachableMenus"];
    unreachable.insert(unreachable.end(), reachability["unreachableTitles"].begin(),
                       reachability["unreachableTitles"].end());
    PrintList("unreachable   ", unreachable, "none", ObjectText, out);
}

} // namespace

HRESULT ValidateProject(IDSProjectData* project, json& report)
{
    KVUClearErrorStack();
    CHECK_NULL(project);
    CHECK_HR_SHORT(Findings(project, report));
    CHECK_HR_SHORT(Reachability(project, report));
    return S_OK;
}

void PrintValidation(const json& report, std::ostream& out)
{
    out << "Project   " << report["project"].get<std::string>() << '\n';
    PrintFindings(report, out);
    PrintReachability(report["reachability"], out);
    int fatal = report["counts"]["fatal"];
    out << '\n'
        << (report["burnable"].get<bool>()
                ? std::string("Nothing stops the burn.")
                : "Burning is blocked by " + CountText(fatal, "fatal finding", "fatal findings") +
                      ".")
        << '\n';
}

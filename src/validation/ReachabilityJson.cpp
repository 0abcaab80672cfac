// The reachability report as JSON, for the command-line program and other tools.
#include "dsutils/DSReachabilityReport.h"

#include "platform/StringConv.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

const char* KindOf(bool isMenu)
{
    return isMenu ? "menu" : "title";
}

const char* NameOf(CDSReachabilityReport::StepKind kind)
{
    switch (kind) {
    case CDSReachabilityReport::Step_Button:
        return "button";
    case CDSReachabilityReport::Step_End:
        return "end";
    default:
        return "start";
    }
}

Json ObjectJson(const CDSReachabilityReport::Object& object)
{
    return {{"id", object.id}, {"kind", KindOf(object.isMenu)}, {"name", WideToUtf8(object.name)}};
}

Json StepJson(const CDSReachabilityReport::Step& step)
{
    Json json = ObjectJson(step.object);
    json["via"] = NameOf(step.kind);
    if (step.kind == CDSReachabilityReport::Step_Button)
        json["button"] = step.buttonId;
    if (step.kind == CDSReachabilityReport::Step_Start)
        json["start"] = step.start;
    return json;
}

Json ObjectsJson(const std::vector<CDSReachabilityReport::Object>& objects)
{
    Json list = Json::array();
    for (const CDSReachabilityReport::Object& object : objects)
        list.push_back(ObjectJson(object));
    return list;
}

} // namespace

HRESULT CDSReachabilityReport::WriteJson(std::string& out) const
{
    try {
        Json json;
        json["starts"] = Json::array();
        for (const Step& start : m_starts)
            json["starts"].push_back(StepJson(start));
        json["reachable"] = Json::array();
        for (const Object& object : m_reachable) {
            Json reached = ObjectJson(object);
            reached["path"] = Json::array();
            for (const Step& step : GetPath(object.id))
                reached["path"].push_back(StepJson(step));
            json["reachable"].push_back(std::move(reached));
        }
        json["unreachableMenus"] = ObjectsJson(m_unreachableMenus);
        json["unreachableTitles"] = ObjectsJson(m_unreachableTitles);
        json["deadButtons"] = Json::array();
        for (const DeadButton& dead : m_deadButtons) {
            json["deadButtons"].push_back({{"button", dead.buttonId},
                                           {"menu", dead.menuId},
                                           {"unknownTargets", dead.unknownTargets}});
        }
        out = json.dump(2);
    } catch (const nlohmann::json::exception&) {
        // Every text is valid UTF-8 and every value a number or a string: not expected.
        return E_UNEXPECTED;
    }
    return S_OK;
}

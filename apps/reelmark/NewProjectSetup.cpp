#include "NewProjectSetup.h"

#include "DisplayNames.h"
#include "ProjectTheme.h"
#include "TextFormat.h"
#include "ThemeLookup.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "platform/Check.h"

#include <ostream>

using nlohmann::json;

namespace {

// NewProject takes the TV standard from the user's settings; the project takes the one asked
// for, with the encoding of the format for it at the high-quality preset.
HRESULT SetTVStandard(IDSProjectData* project, DiscFormat format, TVStandard tv)
{
    CDSEncodeParams encoding;
    CHECK_HR(encoding.Read(project));
    if (encoding.GetTVStandard() == tv)
        return S_OK;
    CHECK_HR(encoding.SetFormat(format, tv));
    CHECK_HR(encoding.SetEncoderPresets(EP_HQ, true));
    CHECK_HR(encoding.Write());
    CHECK_HR(project->put_TVStandard(tv));
    return S_OK;
}

ExitStatus ApplyTheme(IDSProjectData* project, const std::string& argument, json& report,
                      Console& console)
{
    report["theme"] = nullptr;
    if (argument.empty())
        return ExitStatus::Success;
    std::wstring file;
    CComPtr<IDSProjectData> theme;
    if (ExitStatus loaded = LoadThemeForProject(project, argument, file, theme, console);
        loaded != ExitStatus::Success)
        return loaded;
    ThemeChange change;
    HRESULT hr = ReplaceTheme(project, theme, change);
    if (FAILED(hr))
        return console.Fail("cannot give the new project the theme " + Quoted(ThemeName(file)) +
                            ": " + ResultText(hr));
    report["theme"] = {{"name", ThemeName(file)}, {"file", Utf8(file.c_str())}};
    return ExitStatus::Success;
}

void DescribeProject(IDSProjectData* project, json& report)
{
    DiscFormat format = DiscFormat_None;
    TVStandard tv = TVStandard_NTSC;
    project->get_DiscFormat(&format);
    project->get_TVStandard(&tv);
    report["format"] = NameOf(format).key;
    report["tv"] = NameOf(tv).key;
    report["aspect"] = NameOf(IsAspectRatio16x9(project) ? AspectRatio_16x9 : AspectRatio_4x3).key;
    std::vector<CComPtr<IDSMenu>> menus = GetMenuList(project, MenuType_Main | MenuType_Chapter);
    std::erase_if(menus, [](const CComPtr<IDSMenu>& menu) {
        return (GetTag(menu) & (MenuType_MainTemplate | MenuType_ChapterTemplate)) != 0;
    });
    report["menus"] = menus.size();
}

} // namespace

ExitStatus MakeNewProject(IDSProjectData* project, const NewProjectChoice& choice, Console& console,
                          json& report)
{
    HRESULT hr = CDSAppUtils::NewProject(project, choice.format, choice.aspect, false, false, 0);
    if (SUCCEEDED(hr))
        hr = SetTVStandard(project, choice.format, choice.tv);
    if (FAILED(hr))
        return console.Fail("cannot make a new " + NameOf(choice.format).label +
                            " project: " + ResultText(hr));
    if (ExitStatus themed = ApplyTheme(project, choice.theme, report, console);
        themed != ExitStatus::Success)
        return themed;
    DescribeProject(project, report);
    return ExitStatus::Success;
}

void PrintNewProject(const json& report, std::ostream& out)
{
    const json& theme = report["theme"];
    out << "Made " << Quoted(report["project"].get<std::string>()) << ": "
        << LabelOf(report["format"]) << ", " << LabelOf(report["tv"]) << ", "
        << report["aspect"].get<std::string>() << " menus with the "
        << (theme.is_null() ? "default theme" : "theme " + theme["name"].get<std::string>()) << ", "
        << report["menus"].get<int>() << (report["menus"].get<int>() == 1 ? " menu" : " menus")
        << "\n";
}

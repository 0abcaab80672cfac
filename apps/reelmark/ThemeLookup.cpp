#include "ThemeLookup.h"

#include "DisplayNames.h"
#include "TextFormat.h"
#include "ThemeCatalogue.h"

#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"
#include "platform/NativePath.h"
#include "platform/StringConv.h"

#include <filesystem>

namespace {

bool IsPath(const std::string& argument)
{
    std::string extension = std::filesystem::path(argument).extension().string();
    return argument.find('/') != std::string::npos ||
           CompareNoCase(Utf8ToWide(extension), L".dmsd") == 0;
}

} // namespace

ExitStatus FindThemeArgument(const std::string& argument, AspectRatio aspect, std::wstring& file,
                             Console& console)
{
    if (IsPath(argument)) {
        file = Utf8ToWide(argument);
        if (!std::filesystem::is_regular_file(NativePath(file)))
            return console.Fail("no theme file at " + Quoted(argument));
        return ExitStatus::Success;
    }
    file = FindThemeFile(argument, aspect);
    if (file.empty()) {
        std::string shape = NameOf(aspect).key;
        return console.Fail("no theme called " + Quoted(argument) + " for " + shape +
                            " menus; 'reelmark themes --aspect " + shape + "' lists them");
    }
    return ExitStatus::Success;
}

ExitStatus LoadThemeFile(const std::wstring& file, CComPtr<IDSProjectData>& theme, Console& console)
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

ExitStatus LoadThemeForProject(IDSProjectData* project, const std::string& argument,
                               std::wstring& file, CComPtr<IDSProjectData>& theme, Console& console)
{
    AspectRatio aspect = IsAspectRatio16x9(project) ? AspectRatio_16x9 : AspectRatio_4x3;
    if (ExitStatus found = FindThemeArgument(argument, aspect, file, console);
        found != ExitStatus::Success)
        return found;
    return LoadThemeFile(file, theme, console);
}

std::string ThemeName(const std::wstring& file)
{
    return NativePath(file).stem().string();
}

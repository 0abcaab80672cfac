#include "BackdropSetting.h"

#include "platform/PathService.h"
#include "platform/ProfileString.h"
#include "platform/StringConv.h"

namespace {

constexpr const wchar_t* kBackdropAssets[] = {
    L"Baby_4x3.png",           L"Baby_16x9.png",
    L"xtremebg_filmcraft.jpg", L"xtremebg_filmcraft16X9.png",
    L"Theatre_4x3_main.wmv",   L"Theatre_main.wmv",
    L"Candy_4x3_main.wmv",     L"Candy_main.wmv",
};

constexpr const wchar_t* kSettingsFile = L"_FilmcraftBurnToReelmarkSetting.ini";

} // namespace

bool NamesThemeBackdrop(std::wstring_view source)
{
    for (const wchar_t* asset : kBackdropAssets) {
        if (source.find(asset) != std::wstring_view::npos)
            return true;
    }
    return false;
}

bool UseSubproductionsForOverlays()
{
    std::wstring value =
        GetPrivateProfileString(L"FilmcraftBurnToReelmarkSetting", L"UseSubproductionsForOverlays",
                                L"true", PathAppend(SystemTempFolder(), kSettingsFile));
    return value.size() >= 4 && CompareNoCase(std::wstring_view(value).substr(0, 4), L"true") == 0;
}

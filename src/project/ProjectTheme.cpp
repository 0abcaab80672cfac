#include "ProjectTheme.h"

#include "dsutils/DSTagLists.h"
#include "dsutils/MenuStyleUtil.h"

#include "foundation/FileOperations.h"

#include "platform/Check.h"

#include <string_view>

namespace {

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;

// The path with its aspect folder ("/4x3/" or "/16x9/", the last one) made that of the aspect
// ratio; a path without one is returned as it is.
std::wstring WithAspectFolder(std::wstring path, AspectRatio ar)
{
    const std::wstring_view wanted = ar == AspectRatio_4x3 ? L"/4x3/" : L"/16x9/";
    for (std::wstring_view folder : {std::wstring_view(L"/4x3/"), std::wstring_view(L"/16x9/")}) {
        size_t at = path.rfind(folder);
        if (at != std::wstring::npos)
            return path.replace(at, folder.size(), wanted);
    }
    return path;
}

} // namespace

std::wstring ProjectThemePath(IDSProjectData* pProj, AspectRatio ar)
{
    CComPtr<IDSMenu> spTemplate = GetFirstMenu(pProj, kTemplateTags);
    CComBSTR bstrBackground;
    if (!spTemplate || FAILED(spTemplate->get_Background(&bstrBackground)))
        return std::wstring();
    std::wstring background = bstrBackground.Str();
    size_t slash = background.rfind(L'/');
    if (slash == std::wstring::npos || slash == 0)
        return std::wstring();
    return WithAspectFolder(background.substr(0, slash) + L".dmsd", ar);
}

HRESULT LoadMenuTheme(IDSProjectData* pProj, AspectRatio ar, bool bProjectTheme,
                      CComPtr<IDSProjectData>& spDefsTheme)
{
    if (bProjectTheme) {
        std::wstring path = ProjectThemePath(pProj, ar);
        if (IsExistingFile(path) && SUCCEEDED(CMenuStyleUtil::Load(path.c_str(), &spDefsTheme)))
            return S_OK;
        spDefsTheme.Release();
    }
    CComBSTR bstrThemePath;
    CHECK_HR(
        CMenuStyleUtil::LoadDefault(ar == AspectRatio_4x3, &spDefsTheme, bstrThemePath, pProj));
    return S_OK;
}

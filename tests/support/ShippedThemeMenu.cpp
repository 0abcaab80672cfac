#include "support/ShippedThemeMenu.h"

#include "dsutils/DSChapterList.h"
#include "dsutils/DSMenuUtils.h"

#include "model/KVEEditData.h"
#include "model/ModelClasses.h"

#include "platform/PathService.h"

namespace {

HRESULT AddClipTitle(IDSProjectData* project, const ShippedThemeTitle& spec,
                     CComPtr<IDSTitle>& title)
{
    HRESULT hr = project->AddTitle(-1, &title);
    if (SUCCEEDED(hr))
        hr = title->put_Tag(TitleType_User);
    if (SUCCEEDED(hr))
        hr = title->put_Name(CComBSTR(spec.name.c_str()));
    CComPtr<IUnknown> production;
    if (SUCCEEDED(hr))
        hr = title->GetProduction(&production);
    CComQIPtr<IEditData> edit(production);
    if (SUCCEEDED(hr))
        hr = edit ? edit->AddSourceFile(0, CComBSTR(spec.clip.c_str()), 0.0, 0.0, VARIANT_TRUE,
                                        nullptr)
                  : E_NOINTERFACE;
    if (SUCCEEDED(hr) && spec.thumbnailTime > 0.0)
        hr = CDSChapterList(production).SetProductionThumbTime(spec.thumbnailTime);
    return hr;
}

HRESULT AddTitleButton(IDSMenu* menu, IDSTitle* title, CComPtr<IDSMenuButton>& button)
{
    HRESULT hr = CDSMenuUtils::AddButton(menu, &button, ButtonType_Command);
    if (SUCCEEDED(hr))
        hr = CDSMenuUtils::LinkCmd(button, title);
    if (SUCCEEDED(hr))
        hr = CDSMenuUtils::SetButtonTextToTarget(button, title);
    return hr;
}

HRESULT StyleMainMenu(const wchar_t* theme, ShippedThemeMenu& out)
{
    CComPtr<IDSMenu> mainTemplate;
    std::wstring file = ResolveContentPath(theme);
    HRESULT hr = CDSMenuUtils::CopyTemplate(out.project, file.c_str(), false, &mainTemplate);
    if (SUCCEEDED(hr))
        hr = out.project->AddMenu(-1, &out.menu);
    if (SUCCEEDED(hr))
        hr = out.menu->put_Tag(MenuType_Main);
    if (SUCCEEDED(hr))
        hr = CDSMenuUtils::ApplyStyle(out.menu, mainTemplate);
    return hr;
}

} // namespace

HRESULT MakeShippedThemeMenu(const wchar_t* theme, const std::vector<ShippedThemeTitle>& titles,
                             ShippedThemeMenu& out)
{
    HRESULT hr = out.project.CoCreateInstance(CLSID_CDSProjectData);
    if (SUCCEEDED(hr))
        hr = StyleMainMenu(theme, out);
    for (const ShippedThemeTitle& spec : titles) {
        CComPtr<IDSTitle> title;
        CComPtr<IDSMenuButton> button;
        if (SUCCEEDED(hr))
            hr = AddClipTitle(out.project, spec, title);
        if (SUCCEEDED(hr))
            hr = AddTitleButton(out.menu, title, button);
        out.titles.push_back(title);
        out.buttons.push_back(button);
    }
    if (SUCCEEDED(hr))
        hr = CDSMenuUtils::LayoutArrangeButtons(out.menu, true);
    return hr;
}

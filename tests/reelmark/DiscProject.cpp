#include "DiscProject.h"

#include "support/ClipWriter.h"
#include "support/ModelBuilder.h"

#include "dsutils/DSMenuUtils.h"
#include "model/IDSEncodingParams.h"
#include "model/KVEEditData.h"

#include <gtest/gtest.h>

CComPtr<IDSTitle> AddClipTitle(IDSProjectData* project, const ScratchFolder& folder,
                               const char* name, const std::string& clip)
{
    ClipShape shape;
    shape.toneFrequency = 330.0;
    EXPECT_EQ(S_OK, WriteColourClip(folder.File(clip), shape));
    CComPtr<IDSTitle> title = ::AddTitle(project);
    EXPECT_EQ(S_OK, title->put_Name(CComBSTR(name)));
    CComPtr<IUnknown> production;
    EXPECT_EQ(S_OK, title->GetProduction(&production));
    CComPtr<IUnknown> panel;
    EXPECT_EQ(S_OK, CComQIPtr<IEditData>(production)
                        ->AddSourceFile(0, CComBSTR(folder.File(clip)), 0.0, 2.0, 0, &panel));
    return title;
}

DiscProject::DiscProject(AspectRatio aspect, const wchar_t* theme) : project(NewProject())
{
    EXPECT_EQ(S_OK, project->put_DiscFormat(DiscFormat_DVD));
    EXPECT_EQ(S_OK, project->put_TVStandard(TVStandard_PAL));
    EXPECT_EQ(S_OK, CComQIPtr<IDSEncodingParams>(project)->put_AspectRatio(aspect));
    std::wstring folder = aspect == AspectRatio_4x3 ? L"4x3" : L"16x9";
    std::wstring file = L"%CONTENT%/DVD/" + folder + L"/Themes/" + theme + L".dmsd";
    EXPECT_EQ(S_OK, CDSMenuUtils::CopyTemplate(project, file.c_str(), false, &templates));
}

CComPtr<IDSMenu> DiscProject::AddMenu(ULONG type, const wchar_t* name)
{
    CComPtr<IDSMenu> menu = Tagged(::AddMenu(project), type);
    CComPtr<IDSMenu> model;
    EXPECT_EQ(S_OK, CDSMenuUtils::FindTemplateByMenuType(project, templates, type, &model));
    EXPECT_EQ(S_OK, CDSMenuUtils::ApplyStyle(menu, model));
    CComPtr<IDSMenuText> text;
    EXPECT_EQ(S_OK, CDSMenuUtils::AddText(menu, &text));
    SetLabel(text, name);
    return menu;
}

CComPtr<IDSMenuButton> DiscProject::AddButton(IDSMenu* menu, IUnknown* target)
{
    CComPtr<IDSMenuButton> button;
    EXPECT_EQ(S_OK, CDSMenuUtils::AddButton(menu, &button, ButtonType_Command));
    if (CComQIPtr<IDSTitle> title = target)
        EXPECT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, title.p));
    else
        EXPECT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, CComQIPtr<IDSMenu>(target).p));
    EXPECT_EQ(S_OK, CDSMenuUtils::SetButtonTextToTarget(button, target));
    EXPECT_EQ(S_OK, CDSMenuUtils::LayoutArrangeButtons(menu, false));
    return button;
}

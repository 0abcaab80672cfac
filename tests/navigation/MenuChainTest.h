// Projects with menu chains: a theme's template ring and pages made from it.
#pragma once

#include "LinkOperations.h"

#include "dsutils/DSLayout.h"

#include "support/ProjectTest.h"

// The ring of templates a theme gives a project: a main-menu template (tag 4) and a
// chapter-menu template (tag 8), each with one navigation button of every kind along the
// bottom, whose TemplateIDs name each other. The root menu is made from the main template.
class MenuChainTest : public ProjectTest
{
protected:
    static constexpr int kPageCapacity = 4;

    MenuChainTest()
    {
        for (IDSMenu* pTemplate : {mainTemplate.p, chapterTemplate.p}) {
            for (ULONG kind : {ButtonType_Next, ButtonType_Prev, ButtonType_Home, ButtonType_Up})
                model.AddButton(pTemplate, kind, NavButtonX(kind), kNavButtonY);
        }
        EXPECT_EQ(S_OK, mainTemplate->put_TemplateID(GetID(chapterTemplate)));
        EXPECT_EQ(S_OK, chapterTemplate->put_TemplateID(GetID(mainTemplate)));
    }

    // A menu of the type made from its template, whose layout holds kPageCapacity buttons.
    CComPtr<IDSMenu> Page(ULONG type)
    {
        CComPtr<IDSMenu> spPage = model.AddMenu(type);
        IDSMenu* pTemplate = (type & MenuType_Chapter) ? chapterTemplate.p : mainTemplate.p;
        EXPECT_EQ(S_OK, spPage->put_TemplateID(GetID(pTemplate)));
        CDSLayout layout(2, 2, LayoutStyle_Rows, Justify_Center, Justify_Center,
                         Weight_LastLinesFull);
        EXPECT_EQ(S_OK, spPage->put_ButtonLayout(layout));
        return spPage;
    }

    // Gives the page command buttons that play the title, chapters 1 … count.
    void AddChapterButtons(IDSMenu* pPage, IDSTitle* pTitle, int count)
    {
        for (int chapter = 1; chapter <= count; ++chapter) {
            CComPtr<IDSMenuButton> spButton = model.AddButton(pPage, ButtonType_Command);
            DiscCommandParams entry = Cmd(DiscCommand_None);
            ASSERT_EQ(S_OK, CDSMenuUtils::SetCmd(entry, pTitle, chapter));
            SetCommands(spButton, {entry});
        }
    }

    // The page's buttons of one kind.
    static std::vector<CComPtr<IDSMenuButton>> Buttons(IDSMenu* pPage, ULONG kind)
    {
        return GetButtonList(pPage, kind);
    }

    static float NavButtonX(ULONG kind) { return -0.6f + 0.3f * static_cast<float>(kind); }

    static constexpr float kNavButtonY = -0.8f;

    NavigationProject model{NewProject()};
    CComPtr<IDSMenu> mainTemplate = model.AddMenu(MenuType_MainTemplate);
    CComPtr<IDSMenu> chapterTemplate = model.AddMenu(MenuType_ChapterTemplate);
    CComPtr<IDSMenu> root = Page(MenuType_Main);
};

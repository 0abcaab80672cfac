#include "ThemeTest.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "platform/ResultCodes.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TemplateRing : public ThemeTest
{
protected:
    // Copies a theme of templates with these tags into the project; the first copy is kept.
    std::vector<CComPtr<IDSMenu>> CopyTheme(std::initializer_list<ULONG> tags)
    {
        CComPtr<IDSProjectData> theme = NewTheme(L"Ring");
        for (ULONG tag : tags)
            AddMainTemplate(theme, tag);
        std::wstring path = SaveTheme(theme, m_scratch.File("ring.dmsd"));
        CComBSTR name;
        EXPECT_EQ(S_OK, CDSMenuUtils::CopyTemplate(m_project, path.c_str(), false, &m_first,
                                                   std::addressof(name)));
        EXPECT_EQ(name.Str(), L"Ring");
        return GetMenuList(m_project, MenuType_MainTemplate | MenuType_ChapterTemplate);
    }

    HRESULT Find(IDSMenu* head, ULONG type)
    {
        m_found.Release();
        return CDSMenuUtils::FindTemplateByMenuType(m_project, head, type, &m_found);
    }

    CComPtr<IDSMenu> m_first;
    CComPtr<IDSMenu> m_found;
};

TEST_F(TemplateRing, OneTemplatePointsToItselfAndServesItsKindOnly)
{
    std::vector<CComPtr<IDSMenu>> ring = CopyTheme({MenuType_MainTemplate});
    ASSERT_EQ(ring.size(), 1u);
    EXPECT_EQ(m_first.p, ring[0].p);
    EXPECT_EQ(GetTemplateID(ring[0]), GetID(ring[0]));
    ASSERT_EQ(S_OK, Find(ring[0], MenuType_Main));
    EXPECT_EQ(m_found.p, ring[0].p);
    EXPECT_EQ(E_FINDTEMPLATEBYMENUTYPE_NOT_FOUND, Find(ring[0], MenuType_Chapter));
    ASSERT_EQ(S_OK, ring[0]->put_Tag(MenuType_MainTemplate | MenuType_ChapterTemplate));
    EXPECT_EQ(S_OK, Find(ring[0], MenuType_Chapter));
    EXPECT_EQ(E_POINTER, Find(nullptr, MenuType_Main));
}

TEST_F(TemplateRing, TemplatesPointToEachOtherAndAChapterMenuFindsTheChapterTemplate)
{
    std::vector<CComPtr<IDSMenu>> ring =
        CopyTheme({MenuType_MainTemplate, MenuType_ChapterTemplate, MenuType_MainTemplate});
    ASSERT_EQ(ring.size(), 3u);
    EXPECT_EQ(GetTemplateID(ring[0]), GetID(ring[1]));
    EXPECT_EQ(GetTemplateID(ring[1]), GetID(ring[2]));
    EXPECT_EQ(GetTemplateID(ring[2]), GetID(ring[0]));
    CComPtr<IDSMenu> chapter = Tagged(::AddMenu(m_project), MenuType_Chapter);
    ASSERT_EQ(S_OK, chapter->put_TemplateID(GetID(ring[2])));
    CComPtr<IDSMenu> found;
    ASSERT_EQ(S_OK, CDSMenuUtils::FindTemplate(chapter, MenuType_Chapter, &found));
    EXPECT_EQ(found.p, ring[1].p);
    // Walked from the third template, the first main template met is the third itself.
    ASSERT_EQ(S_OK, Find(ring[2], MenuType_Main));
    EXPECT_EQ(m_found.p, ring[2].p);
}

TEST_F(TemplateRing, ADamagedRingEndsTheWalk)
{
    std::vector<CComPtr<IDSMenu>> ring = CopyTheme({MenuType_MainTemplate, MenuType_MainTemplate});
    // The second template points to itself: the walk from the first never comes back.
    ASSERT_EQ(S_OK, ring[1]->put_TemplateID(GetID(ring[1])));
    EXPECT_EQ(E_FINDTEMPLATEBYMENUTYPE_NOT_FOUND, Find(ring[0], MenuType_Chapter));
    ASSERT_EQ(S_OK, ring[1]->put_TemplateID(987654));
    EXPECT_EQ(E_FINDTEMPLATEBYMENUTYPE_NOT_FOUND, Find(ring[0], MenuType_Chapter));
}

TEST_F(TemplateRing, DefaultTemplateServesTheAskedType)
{
    EXPECT_FALSE(CDSMenuUtils::GetDefaultTemplate(m_project, MenuType_MainTemplate));
    // A theme that lists its chapter template first.
    std::vector<CComPtr<IDSMenu>> ring =
        CopyTheme({MenuType_ChapterTemplate, MenuType_MainTemplate});
    EXPECT_EQ(CDSMenuUtils::GetDefaultTemplate(m_project, MenuType_MainTemplate).p, ring[1].p);
    EXPECT_EQ(CDSMenuUtils::GetDefaultTemplate(m_project, MenuType_ChapterTemplate).p, ring[0].p);
    // With a root menu, its template's ring is asked.
    CComPtr<IDSMenu> root = Tagged(::AddMenu(m_project), MenuType_Main);
    ASSERT_EQ(S_OK, root->put_TemplateID(GetID(ring[1])));
    EXPECT_EQ(CDSMenuUtils::GetDefaultTemplate(m_project, MenuType_ChapterTemplate).p, ring[0].p);
    // A type no template serves gives the project's first template.
    ASSERT_EQ(S_OK, ring[0]->put_Tag(MenuType_MainTemplate));
    EXPECT_EQ(CDSMenuUtils::GetDefaultTemplate(m_project, MenuType_ChapterTemplate).p, ring[0].p);
}

class Templates : public ThemedProject
{};

TEST_F(Templates, ApplyThemeToMenusGivesEachMenuTheTemplateOfItsType)
{
    CComPtr<IDSMenu> main = Tagged(::AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenu> chapter = Tagged(::AddMenu(m_project), MenuType_Chapter);
    EXPECT_EQ(E_INVALIDARG, CDSMenuUtils::ApplyThemeToMenus({}, m_mainTemplate));
    EXPECT_EQ(E_INVALIDARG, CDSMenuUtils::ApplyThemeToMenus({main}, nullptr));
    ASSERT_EQ(S_OK, CDSMenuUtils::ApplyThemeToMenus({main, chapter}, m_chapterTemplate));
    EXPECT_EQ(GetTemplateID(main), GetID(m_mainTemplate));
    EXPECT_EQ(GetTemplateID(chapter), GetID(m_chapterTemplate));
    EXPECT_EQ(BackgroundOf(chapter), m_scratch.File("chapters.png"));
}

TEST_F(Templates, ApplyStyleMarksPrivateProductionsForProducingAgain)
{
    CComPtr<IDSTitle> montage = Tagged(::AddTitle(m_project), TitleType_Private);
    ASSERT_EQ(S_OK, montage->put_ProductionCurrent(VARIANT_TRUE));
    ASSERT_EQ(S_OK, m_title->put_ProductionCurrent(VARIANT_TRUE));
    ASSERT_EQ(S_OK, CDSMenuUtils::ApplyStyle(m_main, m_mainTemplate));
    VARIANT_BOOL current = VARIANT_TRUE;
    ASSERT_EQ(S_OK, montage->get_ProductionCurrent(&current));
    EXPECT_EQ(current, VARIANT_FALSE);
    ASSERT_EQ(S_OK, m_title->get_ProductionCurrent(&current));
    EXPECT_EQ(current, VARIANT_TRUE);
}

TEST_F(Templates, ConstructTemplateMakesATemplateOfAUsersMenu)
{
    CComPtr<IDSMenuButton> button;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddButton(m_chapter, &button, ButtonType_Next));
    CComPtr<IDSMenu> made = ::AddMenu(m_project);
    ASSERT_EQ(S_OK, CDSMenuUtils::ConstructTemplate(made, m_chapter));
    EXPECT_EQ(GetTag(made), ULONG(MenuType_ChapterTemplate));
    EXPECT_EQ(GetElementList(made, kAllTags).size(), GetElementList(m_chapter, kAllTags).size());
    CComPtr<IDSMenu> fromMain = ::AddMenu(m_project);
    ASSERT_EQ(S_OK, CDSMenuUtils::ConstructTemplate(fromMain, m_main));
    EXPECT_EQ(GetTag(fromMain), ULONG(MenuType_MainTemplate));
}

} // namespace

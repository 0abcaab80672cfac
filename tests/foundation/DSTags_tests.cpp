#include "dsutils/DSTags.h"

#include "FakeModel.h"

#include <gtest/gtest.h>

namespace {

class Tags : public ::testing::Test
{
protected:
    CComPtr<FakeProject> m_project = FakeProject::Create();
    CComPtr<FakeMenu> m_menu = m_project->AddMenu(10, MenuType_Main);
    CComPtr<FakeTitle> m_title = m_project->AddTitle(20, TitleType_User);
    CComPtr<FakeButton> m_button =
        m_project->AddElement<FakeButton>(m_menu, 30, ButtonType_Command);
};

TEST_F(Tags, SetAndClearTagChangeTheStoredBits)
{
    EXPECT_EQ(SetTag(m_menu->GetUnknown(), MenuType_Chapter), 0x03u);
    EXPECT_EQ(m_menu->tag, 0x03u);
    EXPECT_EQ(ClearTag(m_menu->GetUnknown(), MenuType_Chapter), 0x01u);
    EXPECT_EQ(m_menu->tag, 0x01u);
    EXPECT_EQ(SetTag(m_button->GetUnknown(), ButtonType_Next), 0x21u);
    EXPECT_EQ(GetTag(m_button->GetUnknown()), 0x21u);
}

TEST_F(Tags, TitleTagIsNotWrittenButTheCombinedValueIsReturned)
{
    EXPECT_EQ(SetTag(m_title->GetUnknown(), TitleType_Private), 0x09u);
    EXPECT_EQ(m_title->tag, ULONG(TitleType_User));
    EXPECT_EQ(ClearTag(m_title->GetUnknown(), TitleType_User), 0x00u);
    EXPECT_EQ(m_title->tag, ULONG(TitleType_User));
}

TEST_F(Tags, FlagsChangeOnMenusAndElements)
{
    m_menu->flags = MenuFlag_Still;
    EXPECT_EQ(SetFlag(m_menu->GetUnknown(), MenuFlag_FreePlacement), 0x03u);
    EXPECT_EQ(ClearFlag(m_menu->GetUnknown(), MenuFlag_Still), 0x02u);
    EXPECT_EQ(m_menu->flags, 0x02u);
    EXPECT_EQ(SetFlag(m_button->GetUnknown(), 0x40), 0x40u);
    EXPECT_EQ(GetFlag(m_button->GetUnknown()), 0x40u);
}

TEST_F(Tags, ObjectsOfOtherKindsGiveNeutralAnswers)
{
    IUnknown* project = m_project->GetUnknown();
    EXPECT_EQ(GetID(nullptr), 0);
    EXPECT_EQ(GetID(project), 0);
    EXPECT_EQ(GetTag(project), 0u);
    EXPECT_EQ(GetFlag(nullptr), 0u);
    EXPECT_EQ(SetTag(nullptr, 0x04), 0x04u);
    EXPECT_EQ(GetTemplateID(m_button->GetUnknown()), 0);
}

TEST_F(Tags, IDsAndTemplateIDsAreReadFromEveryKind)
{
    m_menu->templateId = 77;
    EXPECT_EQ(GetID(m_menu->GetUnknown()), 10);
    EXPECT_EQ(GetID(m_title->GetUnknown()), 20);
    EXPECT_EQ(GetID(m_button->GetUnknown()), 30);
    EXPECT_EQ(GetTemplateID(m_menu->GetUnknown()), 77);
}

} // namespace

#include "dsutils/DSTags.h"

#include "support/ProjectTest.h"

namespace {

ULONG StoredTag(auto* object)
{
    ULONG tag = 0;
    EXPECT_EQ(S_OK, object->get_Tag(&tag));
    return tag;
}

ULONG StoredFlags(auto* object)
{
    ULONG flags = 0;
    EXPECT_EQ(S_OK, object->get_Flags(&flags));
    return flags;
}

class Tags : public ProjectTest
{
protected:
    CComPtr<IDSProjectData> m_project = NewProject();
    CComPtr<IDSMenu> m_menu = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSTitle> m_title = Tagged(AddTitle(m_project), TitleType_User);
    CComPtr<IDSMenuButton> m_button = Tagged(AddButton(m_menu), ButtonType_Command);
};

TEST_F(Tags, SetAndClearTagChangeTheStoredBits)
{
    EXPECT_EQ(SetTag(m_menu, MenuType_Chapter), 0x03u);
    EXPECT_EQ(StoredTag(m_menu.p), 0x03u);
    EXPECT_EQ(ClearTag(m_menu, MenuType_Chapter), 0x01u);
    EXPECT_EQ(StoredTag(m_menu.p), 0x01u);
    EXPECT_EQ(SetTag(m_button, ButtonType_Next), 0x21u);
    EXPECT_EQ(GetTag(m_button), 0x21u);
}

TEST_F(Tags, TitleTagIsNotWrittenButTheCombinedValueIsReturned)
{
    EXPECT_EQ(SetTag(m_title, TitleType_Private), 0x09u);
    EXPECT_EQ(StoredTag(m_title.p), ULONG(TitleType_User));
    EXPECT_EQ(ClearTag(m_title, TitleType_User), 0x00u);
    EXPECT_EQ(StoredTag(m_title.p), ULONG(TitleType_User));
}

TEST_F(Tags, FlagsChangeOnMenusAndElements)
{
    ASSERT_EQ(S_OK, m_menu->put_Flags(MenuFlag_Still));
    EXPECT_EQ(SetFlag(m_menu, MenuFlag_FreePlacement), 0x03u);
    EXPECT_EQ(ClearFlag(m_menu, MenuFlag_Still), 0x02u);
    EXPECT_EQ(StoredFlags(m_menu.p), 0x02u);
    EXPECT_EQ(SetFlag(m_button, 0x40), 0x40u);
    EXPECT_EQ(GetFlag(m_button), 0x40u);
}

TEST_F(Tags, ObjectsOfOtherKindsGiveNeutralAnswers)
{
    EXPECT_EQ(GetID(nullptr), 0);
    EXPECT_EQ(GetID(m_project), 0);
    EXPECT_EQ(GetTag(m_project), 0u);
    EXPECT_EQ(GetFlag(nullptr), 0u);
    EXPECT_EQ(SetTag(nullptr, 0x04), 0x04u);
    EXPECT_EQ(GetTemplateID(m_button), 0);
}

TEST_F(Tags, IDsAndTemplateIDsAreReadFromEveryKind)
{
    ASSERT_EQ(S_OK, m_menu->put_TemplateID(77));
    EXPECT_GT(GetID(m_menu), 0);
    EXPECT_EQ(GetID(m_menu), IdOf(m_menu));
    EXPECT_EQ(GetID(m_title), IdOf(m_title));
    EXPECT_EQ(GetID(m_button), IdOf(m_button));
    EXPECT_NE(IdOf(m_menu), IdOf(m_title));
    EXPECT_NE(IdOf(m_title), IdOf(m_button));
    EXPECT_EQ(GetTemplateID(m_menu), 77);
}

} // namespace

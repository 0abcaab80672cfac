#include "ProductionTest.h"

#include "production/Subproductions.h"

#include "dsutils/DSTags.h"

namespace {

using Subproductions = ProductionTest;

// The private title an ID names is emptied and rebuilt by its user: an ID that names a user's
// title (a copied or damaged project) must not hand out that title's production.
TEST_F(Subproductions, PrivateProductionsNeverTakeAUsersTitle)
{
    AddSource(m_title, MakePicture(m_folder, "user.png", 8, 6, 0xFF00FF00));
    DWORD id = DWORD(IdOf(m_title));
    CComPtr<IKVEProductionData> made;
    ASSERT_EQ(S_OK, GetPrivateProduction(m_project, &made, &id));
    EXPECT_NE(DWORD(IdOf(m_title)), id);
    CComPtr<IDSTitle> title = FindTitle(m_project, id);
    ASSERT_TRUE(title);
    EXPECT_EQ(ULONG(TitleType_Private), GetTag(title));
    EXPECT_TRUE(made.IsEqualObject(StoryboardOf(title)));

    DWORD again = id;
    CComPtr<IKVEProductionData> found;
    ASSERT_EQ(S_OK, GetPrivateProduction(m_project, &found, &again));
    EXPECT_EQ(id, again);
    EXPECT_TRUE(found.IsEqualObject(made));
    EXPECT_TRUE(FindPrivateProduction(m_project, id).IsEqualObject(made));
    EXPECT_FALSE(FindPrivateProduction(m_project, DWORD(IdOf(m_title))));
}

TEST_F(Subproductions, NestedProductionsAreKeptUnderTheirOwnersID)
{
    CComPtr<IKVEProductionData> menu = StoryboardOf(AddMenu(m_project));
    CComBSTR moniker;
    EXPECT_EQ(E_INVALIDARG, AddSubproduction(menu, &moniker, StoryboardOf(m_title), 0));
    ASSERT_EQ(S_OK, AddSubproduction(menu, &moniker, StoryboardOf(m_title), 42));
    EXPECT_EQ(L"moniker::dvdproduction_42", moniker.Str());
    CComPtr<IUnknown> kept;
    ASSERT_EQ(S_OK, menu->GetSubProduction(moniker, &kept));
    EXPECT_TRUE(kept.IsEqualObject(StoryboardOf(m_title)));
}

} // namespace

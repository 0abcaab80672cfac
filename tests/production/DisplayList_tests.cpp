#include "OverlayTest.h"

#include "production/DisplayList.h"

#include "model/KVEMarkerList.h"

#include "platform/ComObject.h"

#include "support/EngineStubs.h"

namespace {

// A marker list holding only a production thumbnail, at whatever time a test gives it, even
// one the engine would refuse.
class ThumbnailOnlyMarkers : public StubMarkerList<ComObject<ThumbnailOnlyMarkers, IKVEMarkerList>>
{
public:
    HRESULT GetMarkerCount(LONG kind, LONG* count) override
    {
        *count = kind == KVE_MARKER_THUMBNAIL ? 1 : 0;
        return S_OK;
    }
    HRESULT GetMarkerItem(LONG index, LONG kind, KVEMarker* marker) override
    {
        return index == 0 && kind == KVE_MARKER_THUMBNAIL ? GetMarkerByID(7, marker) : E_INVALIDARG;
    }
    HRESULT GetMarkerByID(LONG id, KVEMarker* marker) override
    {
        if (id != 7)
            return E_INVALIDARG;
        *marker = {7, m_time, -5, KVE_MARKER_THUMBNAIL};
        return S_OK;
    }

    double m_time = 0.0;
};

TEST(ThumbnailTime, TimesBeforeTheStartAreTakenAsTheStart)
{
    CComPtr<ThumbnailOnlyMarkers> markers = ThumbnailOnlyMarkers::Create();
    markers->m_time = -2.5;
    EXPECT_EQ(0.0, GetThumbnailTime(static_cast<IKVEMarkerList*>(markers), 1));
    markers->m_time = 1.5;
    EXPECT_EQ(1.5, GetThumbnailTime(static_cast<IKVEMarkerList*>(markers), 1));
}

using DisplayListTest = OverlayTest;

std::vector<LONG> IdsOf(const DisplayList& list)
{
    std::vector<LONG> ids;
    for (const DisplayEntry& entry : list)
        ids.push_back(entry.m_Id);
    return ids;
}

// The link of a button's thumbnail, rule by rule: a chapter menu's title, a menu without a
// title (the menu itself), and the commands that stand for several titles.
TEST_F(DisplayListTest, ButtonLinksListTheTitlesTheButtonsReach)
{
    CComPtr<IDSTitle> first = ClipTitle("first.mp4", 0.6);
    CComPtr<IDSTitle> excluded = ClipTitle("excluded.mp4");
    ASSERT_EQ(S_OK, excluded->put_Excluded(VARIANT_TRUE));
    CComPtr<IDSTitle> last = ClipTitle("last.mp4", 1.4);
    CComPtr<IDSMenu> chapters = Tagged(AddMenu(m_project), MenuType_Chapter);
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(
                        Placed(AddButton(chapters), ButtonType_Command, 0, 0, 1, 1), last));
    CComPtr<IDSMenu> plain = Tagged(AddMenu(m_project), MenuType_Main);

    DisplayList list;
    ASSERT_EQ(S_OK, ResolveBtnCmdLink(ThumbnailOf(ButtonTo(chapters)), list));
    ASSERT_EQ(S_OK, ResolveBtnCmdLink(ThumbnailOf(ButtonTo(plain)), list));
    EXPECT_EQ((std::vector<LONG>{IdOf(last), IdOf(plain)}), IdsOf(list));
    EXPECT_NEAR(1.4, list[0].m_dOffset, 1e-9);
    EXPECT_EQ(0.0, list[1].m_dOffset);

    ButtonTo(first);
    CComPtr<IDSMenuButton> playAll = ButtonTo(first);
    CCommandList commands(static_cast<IUnknown*>(playAll));
    ASSERT_EQ(S_OK, commands.ReplaceCommand(DiscCommand_PlayAll, 0, 0));
    ASSERT_EQ(S_OK, commands.Commit());
    list.clear();
    ASSERT_EQ(S_OK, ResolveBtnCmdLink(ThumbnailOf(playAll), list));
    EXPECT_EQ((std::vector<LONG>{IdOf(first), IdOf(last)}), IdsOf(list));
    EXPECT_NEAR(0.6, list[0].m_dOffset, 1e-9);

    ASSERT_EQ(S_OK, commands.ReplaceCommand(DiscCommand_PlayMenuTitles, 0, 0));
    ASSERT_EQ(S_OK, commands.Commit());
    list.clear();
    ASSERT_EQ(S_OK, ResolveBtnCmdLink(ThumbnailOf(playAll), list));
    // The menu's buttons in order: those leading to menus and this one play no title.
    EXPECT_EQ(std::vector<LONG>{IdOf(first)}, IdsOf(list));

    EXPECT_EQ(E_POINTER, ResolveBtnCmdLink(FreeOverlay(OverlaySource_ButtonLink), list));
}

TEST_F(DisplayListTest, MenuTitlesAreTheTitlesOfTheMenusButtonsInButtonOrder)
{
    CComPtr<IDSTitle> a = ClipTitle("a.mp4");
    CComPtr<IDSTitle> b = ClipTitle("b.mp4", 0.8);
    CComPtr<IDSMenu> chapters = Tagged(AddMenu(m_project), MenuType_Chapter);
    ASSERT_EQ(S_OK, CDSMenuUtils::LinkCmd(
                        Placed(AddButton(chapters), ButtonType_Command, 0, 0, 1, 1), a));
    ButtonTo(b);
    ButtonTo(chapters);
    ButtonTo(m_menu);
    DisplayList list;
    ASSERT_EQ(S_OK, ResolveAllMenuTitles(FreeOverlay(OverlaySource_AllMenuTitles), list));
    EXPECT_EQ((std::vector<LONG>{IdOf(b), IdOf(a)}), IdsOf(list));
    EXPECT_NEAR(0.8, list[0].m_dOffset, 1e-9);
}

} // namespace

#include "dsutils/DSMenuUtils.h"

#include "platform/ComObject.h"
#include "support/ErrorStackText.h"
#include "support/ModelStubs.h"
#include "support/ProjectTest.h"

namespace {

// An overlay whose resolved source cannot be forgotten.
class StuckOverlay
    : public StubMenuOverlay<StubMenuElement<ComObject<StuckOverlay, IDSMenuOverlay>>>
{
public:
    HRESULT ResetResolvedSource() override { return E_ACCESSDENIED; }
};

struct Resolved
{
    CComBSTR source;
    LONG privateId = -1;
};

Resolved ResolvedOf(IDSMenuOverlay* overlay)
{
    Resolved resolved;
    overlay->get_Source(&resolved.source);
    overlay->get_PrivateId(&resolved.privateId);
    return resolved;
}

// An overlay that shows every title of the project, resolved to a nested production.
CComPtr<IDSMenuOverlay> ResolvedOverlay(IUnknown* parent, ULONG tag)
{
    CComPtr<IDSMenuOverlay> overlay = Tagged(AddOverlay(parent), tag);
    EXPECT_EQ(overlay->SetSourceType(OverlaySource_AllTitles, 0), S_OK);
    EXPECT_EQ(overlay->put_Source(CComBSTR(L"moniker::dvdproduction_3")), S_OK);
    EXPECT_EQ(overlay->put_PrivateId(21), S_OK);
    return overlay;
}

class ClearForResolve : public ProjectTest
{
protected:
    CComPtr<IDSProjectData> m_project = NewProject();
    CComPtr<IDSMenu> m_menu = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenuButton> m_button = Tagged(AddButton(m_menu), ButtonType_Command);
};

TEST_F(ClearForResolve, AButtonForgetsTheSourcesOfItsThumbnailsOnly)
{
    CComPtr<IDSMenuOverlay> thumbnail = ResolvedOverlay(m_button, OverlayType_Thumbnail);
    CComPtr<IDSMenuOverlay> frame = ResolvedOverlay(m_button, OverlayType_Generic);
    CComPtr<IDSMenuButton> inner = AddButton(m_button);
    CComPtr<IDSMenuOverlay> innerThumbnail = ResolvedOverlay(inner, OverlayType_Thumbnail);

    ASSERT_EQ(CDSMenuUtils::ClearForResolve(m_button), S_OK);

    EXPECT_TRUE(ResolvedOf(thumbnail).source.IsEmpty());
    EXPECT_EQ(ResolvedOf(thumbnail).privateId, 0);
    EXPECT_EQ(ResolvedOf(frame).privateId, 21);
    EXPECT_EQ(ResolvedOf(innerThumbnail).privateId, 21) << "only the button's own thumbnails";
}

TEST_F(ClearForResolve, AnOverlayForgetsItsOwnSourceAndTextsAreLeftAlone)
{
    CComPtr<IDSMenuOverlay> overlay = ResolvedOverlay(m_menu, OverlayType_Generic);
    ASSERT_EQ(CDSMenuUtils::ClearForResolve(overlay), S_OK);
    EXPECT_TRUE(ResolvedOf(overlay).source.IsEmpty());
    EXPECT_EQ(ResolvedOf(overlay).privateId, 0);

    CComPtr<IDSMenuText> text = AddText(m_menu);
    EXPECT_EQ(CDSMenuUtils::ClearForResolve(text), S_OK);
    EXPECT_EQ(CDSMenuUtils::ClearForResolve(nullptr), E_POINTER);
    EXPECT_TRUE(StackHolds(L"*** Error NULL = pElement"));
}

TEST_F(ClearForResolve, TheFirstFailureIsReturned)
{
    CComPtr<StuckOverlay> stuck = StuckOverlay::Create();
    EXPECT_EQ(CDSMenuUtils::ClearForResolve(stuck), E_ACCESSDENIED);
    EXPECT_TRUE(StackHolds(L"= spOverlay->ResetResolvedSource()"));
}

} // namespace

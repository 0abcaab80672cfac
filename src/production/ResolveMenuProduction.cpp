#include "DeadLinks.h"

#include "dsutils/DSButtonLinkAlgorithm.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/KVUTimer.h"

namespace {

// Keeps resolution from leaving unsaved changes in a project that had none: it only brings
// the production in line with what the project already says.
class ProjectStateGuard
{
public:
    ProjectStateGuard() = default;
    ProjectStateGuard(const ProjectStateGuard&) = delete;
    ProjectStateGuard& operator=(const ProjectStateGuard&) = delete;
    ~ProjectStateGuard()
    {
        if (m_spProject && m_bResetOnClose)
            m_spProject->ResetModified();
    }

    HRESULT Open(IDSMenu* pMenu)
    {
        pMenu->GetProject(&m_spProject);
        CHECK_NULL_TEXT(m_spProject.p, "(IDSProjectData*) spProject");
        VARIANT_BOOL vbModified = VARIANT_FALSE;
        m_spProject->get_Modified(&vbModified);
        m_bResetOnClose = vbModified != VARIANT_TRUE;
        return S_OK;
    }
    IDSProjectData* Project() const { return m_spProject; }

private:
    CComPtr<IDSProjectData> m_spProject;
    bool m_bResetOnClose = false;
};

// Holds the storyboard's updates back while it is open, so that the engine sees the whole
// resolution as one change.
class UpdateSwitchGuard
{
public:
    explicit UpdateSwitchGuard(IKVEProductionData* pSbd) : m_spSbd(pSbd)
    {
        m_spSbd->EnableUpdates(VARIANT_FALSE);
    }
    UpdateSwitchGuard(const UpdateSwitchGuard&) = delete;
    UpdateSwitchGuard& operator=(const UpdateSwitchGuard&) = delete;
    ~UpdateSwitchGuard() { m_spSbd->EnableUpdates(VARIANT_TRUE); }

private:
    CComPtr<IKVEProductionData> m_spSbd;
};

HRESULT HandOutStoryboard(IKVEProductionData* pSbd, IUnknown** ppSbd)
{
    if (ppSbd)
        CHECK_HR(pSbd->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ppSbd)));
    return S_OK;
}

// Steps 5 and 6: the thumbnails of the command buttons, then the free overlays.
HRESULT ResolveSources(IDSMenu* pMenu, IKVEProductionData* spMenuSbd, CKVUTimer& timer)
{
    timer.AddEntry("PreResolves");
    std::vector<CComPtr<IDSMenuButton>> btnVec = GetButtonList(pMenu, ButtonType_Command);
    for (size_t i = 0; i < btnVec.size(); ++i)
        CHECK_HR_TEXT(CDSMenuUtils::ResolveBtnThumbSource(btnVec[i], spMenuSbd),
                      "CDSMenuUtils::ResolveBtnThumbSource(btnVec[i], spMenuSbd)");
    timer.AddEntry("PostRslvBtnThmbSrc");
    std::vector<CComPtr<IDSMenuOverlay>> overlayVec = GetOverlayList(pMenu, OverlayType_Generic);
    for (size_t i = 0; i < overlayVec.size(); ++i)
        CHECK_HR_TEXT(CDSMenuUtils::ResolveOverlaySource(overlayVec[i], spMenuSbd, false),
                      "CDSMenuUtils::ResolveOverlaySource(overlayVec[i], spMenuSbd, false)");
    timer.AddEntry("PostRslvOvlSrc");
    return S_OK;
}

// Video CD formats show button numbers instead of highlights.
void NumberButtonsOnVideoCDs(IDSMenu* pMenu, IDSProjectData* pProject)
{
    DiscFormat format = DiscFormat_None;
    if (SUCCEEDED(pProject->get_DiscFormat(&format)) &&
        (format == DiscFormat_VCD || format == DiscFormat_SVCD))
        CDSMenuUtils::SetNumberBtns(pMenu);
}

// Step 9: the arrow-key neighbours and the transition menus of the buttons.
HRESULT Relink(IDSMenu* pMenu, CKVUTimer& timer)
{
    CHECK_HR_TEXT(applyButtonLinkAlgorithm(pMenu), "applyButtonLinkAlgorithm(pMenu)");
    timer.AddEntry("PostButtonLink");
    std::vector<CComPtr<IDSMenuButton>> allBtns = GetButtonList(pMenu, kAllTags);
    for (size_t i = 0; i < allBtns.size(); ++i)
        CHECK_HR_TEXT(CDSMenuUtils::CreateTransition(allBtns[i], L""),
                      "CreateTransition(allBtns[i], CString())");
    timer.AddEntry("PostCreateTrans");
    return S_OK;
}

} // namespace

HRESULT CDSMenuUtils::ResolveMenuProduction(IDSMenu* pMenu, IUnknown** ppSbd, bool bRelink)
{
    KVUClearErrorStack();
    CHECK_NULL(pMenu);
    CKVUTimer timer("MenuUtils::ResolveMenuProduction", 0);
    CComPtr<IKVEProductionData> spMenuSbd = CDSProductionUtils::GetProduction(pMenu);
    CHECK_NULL_TEXT(spMenuSbd.p, "(IKVEProductionData*)spMenuSbd");
    CHECK_HR_SHORT(HandOutStoryboard(spMenuSbd, ppSbd));
    ProjectStateGuard guard;
    CHECK_HR_SHORT(guard.Open(pMenu));
    if (bRelink)
        PurgeDeadLinks(pMenu);
    UpdateSwitchGuard updates(spMenuSbd);
    CHECK_HR_SHORT(ResolveSources(pMenu, spMenuSbd, timer));
    CHECK_HR_TEXT(ResolveMenuBkgndSource(pMenu), "ResolveMenuBkgndSource(pMenu)");
    timer.AddEntry("PostRslvBkgndSrc");
    NumberButtonsOnVideoCDs(pMenu, guard.Project());
    if (bRelink)
        CHECK_HR_SHORT(Relink(pMenu, timer));
    CHECK_HR_TEXT(ResolveEffectDuration(pMenu), "ResolveEffectDuration(pMenu)");
    timer.AddEntry("PostRslvEffDur");
    return S_OK;
}

// Transition menus: the small menus tagged MenuType_Transition that a button's transition
// command leads to, which play a clip or an effect between two stills before the player goes on
// to the button's destination.
#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/DSTransition.h"

#include "foundation/FileOperations.h"

#include "model/KVEEditData.h"

#include "platform/Check.h"
#include "platform/ErrorStack.h"
#include "platform/Variant.h"

#include <set>

namespace {

CComPtr<IDSMenu> MenuOfButton(IDSMenuButton* pButton)
{
    CComPtr<IDSMenu> spMenu;
    if (FAILED(pButton->GetMenu(&spMenu)))
        return nullptr;
    return spMenu;
}

bool IsTransitionMenu(IDSMenu* pMenu)
{
    return pMenu && (GetTag(pMenu) & MenuType_Transition);
}

// After its transition the player goes on to the root menu; a project without one loops on
// the transition menu itself.
HRESULT LinkToRootMenu(IDSProjectData* pProject, IDSMenu* pTransMenu)
{
    IDSMenu* pRoot = CDSMenuUtils::GetRootMenu(pProject);
    CHECK_HR(CDSMenuUtils::LinkCmd(pTransMenu, pRoot ? pRoot : pTransMenu));
    return S_OK;
}

HRESULT AppendTransitionMenu(IDSProjectData* spParentProject, CComPtr<IDSMenu>& spTransMenu)
{
    CHECK_HR_TEXT(spParentProject->AddMenu(-1, &spTransMenu),
                  "spParentProject->AddMenu(-1, &spNewMenu)");
    CHECK_HR(spTransMenu->put_Tag(MenuType_Transition));
    CHECK_HR_SHORT(LinkToRootMenu(spParentProject, spTransMenu));
    return S_OK;
}

// The first button of the project, in menu and element order, whose transition command leads
// to the menu with that ID; null when none does.
CComPtr<IDSMenuButton> FirstButtonLeadingTo(IDSProjectData* pProject, LONG lMenuId)
{
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProject, kAllTags)) {
        for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, kAllTags)) {
            if (GetID(CDSMenuUtils::GetTransition(spButton)) == lMenuId)
                return spButton;
        }
    }
    return nullptr;
}

// The transition menu the command leads to, when it is one and belongs to this button: a
// button copied with its commands leads to the original's menu, which it must not rebuild.
CComPtr<IDSMenu> OwnTransitionMenu(IDSProjectData* pProject, const DiscCommandParams& command,
                                   IDSMenuButton* pButton)
{
    if (command.param1 == 0)
        return nullptr;
    CComPtr<IDSMenu> spMenu = FindMenu(pProject, command.param1);
    if (!IsTransitionMenu(spMenu))
        return nullptr;
    CComPtr<IDSMenuButton> spOwner = FirstButtonLeadingTo(pProject, command.param1);
    return spOwner && spOwner.IsEqualObject(pButton) ? spMenu : nullptr;
}

HRESULT TransitionMenuFor(IDSProjectData* pProject, const DiscCommandParams& command,
                          IDSMenuButton* pButton, CComPtr<IDSMenu>& spTransMenu)
{
    spTransMenu = OwnTransitionMenu(pProject, command, pButton);
    if (!spTransMenu)
        return AppendTransitionMenu(pProject, spTransMenu);
    CHECK_HR_SHORT(LinkToRootMenu(pProject, spTransMenu));
    return S_OK;
}

// Where the button leads: the title it plays, else the menu it jumps to; null for neither.
CComPtr<IUnknown> DestinationOf(IDSMenuButton* pButton)
{
    if (IDSTitle* pTitle = CDSMenuUtils::GetLinkedTitle(pButton, nullptr, true))
        return CComPtr<IUnknown>(pTitle);
    if (IDSMenu* pMenu = CDSMenuUtils::GetLinkedMenu(pButton))
        return CComPtr<IUnknown>(pMenu);
    return nullptr;
}

// The effect a transition command plays. A command that carries only the effect's name (no
// "effect_id") plays the catalogue's effect of that name; one the catalogue does not know
// plays as it is.
CComPtr<IXMLDOMNode> EffectOf(IXMLDOMNode* pCommandNode)
{
    CComPtr<IXMLDOMNode> spId;
    CComQIPtr<IXMLDOMElement> spElem(pCommandNode);
    CComVariant varName;
    if (!spElem ||
        (SUCCEEDED(pCommandNode->selectSingleNode(CComBSTR(L"effect_id"), &spId)) && spId) ||
        FAILED(spElem->getAttribute(CComBSTR(L"Name"), &varName)) || varName.vt != VT_BSTR)
        return pCommandNode;
    CDSTransition catalogue;
    CComPtr<IUnknown> spEffect;
    if (FAILED(catalogue.FindByName(varName.bstrVal, &spEffect)))
        return pCommandNode;
    return CComQIPtr<IXMLDOMNode>(spEffect);
}

// The transition menu's production: the source still, the effect, the destination still, in
// the shape of the source menu (a destination of the other shape is letterboxed by the
// engine).
HRESULT BuildTransitionProduction(IDSMenu* pTransMenu, IKVEProductionData* pSrcSbd,
                                  const CComBSTR& bstrSrcThumbnail,
                                  const CComBSTR& bstrDstThumbnail, IXMLDOMNode* pEffect)
{
    CComPtr<IKVEProductionData> spTransSbd = CDSProductionUtils::GetProduction(pTransMenu);
    CHECK_NULL_TEXT(spTransSbd.p, "(IKVEProductionData*)spTransSbd");
    CComQIPtr<IEditData> spEditData(spTransSbd);
    CHECK_NULL_TEXT(spEditData.p, "(IEditData*)spEditData");
    CHECK_HR(CDSProductionUtils::ClearProduction(spTransSbd));
    CHECK_HR(CDSProductionUtils::MatchAspectRatio(pSrcSbd, spTransSbd));
    CComPtr<IUnknown> spUnk;
    CHECK_HR_TEXT(spEditData->AddSourceFile(0, bstrSrcThumbnail, 0, 0, VARIANT_FALSE, &spUnk),
                  "spEditData->AddSourceFile(0,bstrSrcThumbnail,0,0,VARIANT_FALSE,&spUnk)");
    spUnk.Release();
    CHECK_HR_TEXT(spEditData->AddSourceFile(2, bstrDstThumbnail, 0, 0, VARIANT_FALSE, &spUnk),
                  "spEditData->AddSourceFile(2,bstrDstThumbnail,0,0,VARIANT_FALSE,&spUnk)");
    CHECK_HR_TEXT(spEditData->AddTransition(1, EffectOf(pEffect), NULL, NULL),
                  "spEditData->AddTransition(1, dcp.pXMLData, NULL,NULL)");
    return S_OK;
}

// A clip transition: a transition menu whose background is the clip, made once. A command that
// leads to a transition menu keeps it and only follows a changed clip.
HRESULT ResolveClipTransition(IDSProjectData* spParentProject, CCommandList& commandList, int i)
{
    DiscCommand cmd = DiscCommand_None;
    CComBSTR bstrName;
    if (commandList.GetTransition(cmd, &bstrName, i) != S_OK || !IsExistingFile(bstrName.Str()))
        return S_OK;
    CComPtr<IDSMenu> spNewMenu = FindMenu(spParentProject, commandList[i].param1);
    if (!IsTransitionMenu(spNewMenu)) {
        CHECK_HR_SHORT(AppendTransitionMenu(spParentProject, spNewMenu));
        commandList[i].param1 = GetID(spNewMenu);
    }
    CComBSTR bstrShown;
    CHECK_HR(spNewMenu->get_Background(&bstrShown));
    if (bstrShown.View() != bstrName.View())
        CHECK_HR_TEXT(spNewMenu->put_Background(bstrName), "spNewMenu->put_Background(bstrName)");
    return S_OK;
}

HRESULT NameTransitionMenu(IDSMenuButton* pButton, const wchar_t* pszName)
{
    IDSMenu* pTransMenu = CDSMenuUtils::GetTransition(pButton);
    if (!pszName || !*pszName || !pTransMenu)
        return S_OK;
    CHECK_HR(pTransMenu->put_Name(CComBSTR(pszName)));
    return S_OK;
}

} // namespace

IDSMenu* CDSMenuUtils::GetTransition(IDSMenuButton* pButton)
{
    if (!pButton)
        return nullptr;
    CComPtr<IDSMenu> spMenu = MenuOfButton(pButton);
    CComPtr<IDSProjectData> spProject = GetProject(spMenu.p);
    CCommandList commands(static_cast<IUnknown*>(pButton));
    int i = commands.FindTransition(0);
    if (!spProject || i < 0)
        return nullptr;
    // Borrowed: the project keeps the menu alive.
    return FindMenu(spProject, commands[i].param1).p;
}

HRESULT CDSMenuUtils::CreateTransition(IDSMenuButton* pButton, const wchar_t* pszName)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    CComPtr<IDSProjectData> spParentProject = GetProject(MenuOfButton(pButton).p);
    CHECK_NULL_TEXT(spParentProject.p, "(IDSProjectData*)spParentProject");
    CCommandList commandList;
    CHECK_HR(commandList.Init(static_cast<IUnknown*>(pButton)));
    int i = commandList.FindTransition(0);
    if (i < 0)
        return S_OK;
    LONG lTarget = commandList[i].param1;
    if (commandList[i].command == DiscCommand_TransitionClip)
        CHECK_HR_SHORT(ResolveClipTransition(spParentProject, commandList, i));
    else
        CHECK_HR_TEXT(CreateAutoTransition(commandList[i], pButton),
                      "CreateAutoTransition(commandList[i], spButton)");
    if (commandList[i].param1 != lTarget)
        CHECK_HR(commandList.Commit());
    CHECK_HR_SHORT(NameTransitionMenu(pButton, pszName));
    return S_OK;
}

HRESULT CDSMenuUtils::CreateAutoTransition(DiscCommandParams& dcp, IDSMenuButton* pButton)
{
    KVUClearErrorStack();
    CHECK_NULL(pButton);
    CHECK_NULL_TEXT(dcp.node, "dcp.pXMLData");
    CComPtr<IDSMenu> spSrcMenu;
    CHECK_HR(pButton->GetMenu(&spSrcMenu));
    CHECK_NULL_TEXT(spSrcMenu.p, "(IDSMenu*)spSrcMenu");
    CComPtr<IDSProjectData> spProject = GetProject(spSrcMenu.p);
    CHECK_NULL_TEXT(spProject.p, "(IDSProjectData*)spProject");
    CComPtr<IUnknown> spDest = DestinationOf(pButton);
    if (!spDest)
        return S_FALSE;
    CComPtr<IKVEProductionData> spSrcSbd = CDSProductionUtils::GetProduction(spSrcMenu);
    CHECK_NULL_TEXT(spSrcSbd.p, "(IKVEProductionData*)spSrcSbd");
    CComPtr<IKVEProductionData> spDstSbd = CDSProductionUtils::GetProduction(spDest);
    CHECK_NULL_TEXT(spDstSbd.p, "(IKVEProductionData*)spDstSbd");
    // The stills come first, so that a failure leaves no transition menu behind.
    CComBSTR bstrSrcThumbnail;
    CHECK_HR(GetThumbnailFromCache(&bstrSrcThumbnail, spSrcSbd, false, GetID(spSrcMenu)));
    CComBSTR bstrDstThumbnail;
    CHECK_HR(GetThumbnailFromCache(&bstrDstThumbnail, spDstSbd, true, GetID(spDest)));
    CComPtr<IDSMenu> spTransMenu;
    CHECK_HR_SHORT(TransitionMenuFor(spProject, dcp, pButton, spTransMenu));
    dcp.param1 = GetID(spTransMenu);
    CHECK_HR_SHORT(BuildTransitionProduction(spTransMenu, spSrcSbd, bstrSrcThumbnail,
                                             bstrDstThumbnail, dcp.node));
    return S_OK;
}

HRESULT CDSMenuUtils::RemoveUnreferencedTransitions(IDSProjectData* pProject)
{
    KVUClearErrorStack();
    CHECK_NULL(pProject);
    std::set<LONG> used;
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProject, kAllTags)) {
        for (const CComPtr<IDSMenuButton>& spButton : GetButtonList(spMenu, kAllTags)) {
            if (IDSMenu* pTransMenu = GetTransition(spButton))
                used.insert(GetID(pTransMenu));
        }
    }
    for (const CComPtr<IDSMenu>& spMenu : GetMenuList(pProject, MenuType_Transition)) {
        LONG lId = GetID(spMenu);
        if (!used.count(lId))
            CHECK_HR(pProject->RemoveMenu(lId, nullptr));
    }
    return S_OK;
}

#include "NavigationProject.h"

#include "dsutils/DSCmdList.h"
#include "dsutils/DSTags.h"

#include "mediaengine/MediaEngine.h"
#include "objectmodel/ObjectModel.h"
#include "support/ModelBuilder.h"

#include "platform/TaskMemory.h"
#include "platform/Xml.h"

#include <gtest/gtest.h>

namespace {

constexpr float kButtonWidth = 0.3f;
constexpr float kButtonHeight = 0.2f;

} // namespace

NavigationProject::NavigationProject()
{
    EXPECT_EQ(RegisterXmlClasses(), S_OK);
    EXPECT_EQ(RegisterMediaEngineClasses(), S_OK);
    EXPECT_EQ(RegisterObjectModelClasses(), S_OK);
    project = ::NewProject();
}

CComPtr<IDSMenu> NavigationProject::AddMenu(ULONG tag)
{
    CComPtr<IDSMenu> spMenu = ::AddMenu(project);
    EXPECT_EQ(spMenu->put_Tag(tag), S_OK);
    return spMenu;
}

CComPtr<IDSTitle> NavigationProject::AddTitle(const wchar_t* name, ULONG tag)
{
    CComPtr<IDSTitle> spTitle = ::AddTitle(project);
    EXPECT_EQ(spTitle->put_Tag(tag), S_OK);
    EXPECT_EQ(spTitle->put_Name(CComBSTR(name)), S_OK);
    return spTitle;
}

CComPtr<IDSMenuButton> NavigationProject::AddButton(IDSMenu* pMenu, ULONG tag, float x, float y)
{
    CComPtr<IDSMenuButton> spButton = ::AddButton(pMenu);
    EXPECT_EQ(spButton->put_Tag(tag), S_OK);
    EXPECT_EQ(spButton->SetPosition(x, y), S_OK);
    EXPECT_EQ(spButton->SetSize(kButtonWidth, kButtonHeight), S_OK);
    return spButton;
}

CComPtr<IDSMenuOverlay> NavigationProject::AddThumbnail(IDSMenuButton* pButton, float width,
                                                        float height)
{
    CComPtr<IDSMenuOverlay> spOverlay = ::AddOverlay(pButton);
    EXPECT_EQ(spOverlay->put_Tag(OverlayType_Thumbnail), S_OK);
    EXPECT_EQ(spOverlay->SetSize(width, height), S_OK);
    return spOverlay;
}

CComPtr<IDSMenuText> NavigationProject::AddText(IUnknown* pHolder, const wchar_t* label)
{
    CComPtr<IDSMenuText> spText = ::AddText(pHolder);
    EXPECT_EQ(spText->put_Label(CComBSTR(label)), S_OK);
    return spText;
}

CComPtr<IDSMenuButton> NavigationProject::AddLinkedButton(IDSMenu* pMenu, ULONG tag,
                                                          IUnknown* pTarget)
{
    CComPtr<IDSMenuButton> spButton = AddButton(pMenu, tag);
    DiscCommandParams entry = {DiscCommand_None, 0, 0, nullptr};
    EXPECT_EQ(CDSMenuUtils::SetCmd(entry, pTarget, 1), S_OK);
    SetCommands(spButton, {entry});
    return spButton;
}

void NavigationProject::Chain(std::initializer_list<IDSMenu*> pages)
{
    std::vector<IDSMenu*> list(pages);
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        AddLinkedButton(list[i], ButtonType_Next, list[i + 1]);
        AddLinkedButton(list[i + 1], ButtonType_Prev, list[i]);
    }
}

void SetCommands(IUnknown* pObject, const std::vector<DiscCommandParams>& commands)
{
    CComQIPtr<IDSCommandList> spList(pObject);
    ASSERT_TRUE(spList);
    ASSERT_EQ(spList->SetCommands(static_cast<LONG>(commands.size()), commands.data()), S_OK);
}

std::vector<DiscCommandParams> CommandsOf(IUnknown* pObject)
{
    CCommandList list(pObject);
    std::vector<DiscCommandParams> commands;
    for (int i = 0; i < list.size(); ++i)
        commands.push_back({list[i].command, list[i].param1, list[i].param2, nullptr});
    return commands;
}

ElementNeighbours NeighboursOf(IDSMenuElement* pElement)
{
    ElementNeighbours* pRecord = nullptr;
    ElementNeighbours record = {-1, -1, -1, -1};
    if (SUCCEEDED(pElement->GetNeighbours(&pRecord)) && pRecord)
        record = *pRecord;
    CoTaskMemFree(pRecord);
    return record;
}

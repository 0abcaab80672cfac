#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "FakeModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

template <class I> std::vector<LONG> IDs(const std::vector<CComPtr<I>>& list)
{
    std::vector<LONG> ids;
    for (const CComPtr<I>& object : list)
        ids.push_back(GetID(object));
    return ids;
}

TEST(TagLists, MaskKeepsObjectsSharingABitInTheirOrder)
{
    CComPtr<FakeProject> project = FakeProject::Create();
    project->AddMenu(1, MenuType_Chapter);
    project->AddMenu(2, MenuType_Transition);
    project->AddMenu(3, MenuType_Main | MenuType_MainTemplate);
    project->AddMenu(4, 0);
    EXPECT_EQ(IDs(GetMenuList(project, MenuType_Main | MenuType_Chapter)),
              (std::vector<LONG>{1, 3}));
    EXPECT_EQ(IDs(GetMenuList(project, kAllTags)), (std::vector<LONG>{1, 2, 3, 4}));
    EXPECT_TRUE(GetMenuList(project, 0).empty());
    EXPECT_TRUE(GetTitleList(nullptr, kAllTags).empty());
}

TEST(TagLists, ButtonListSkipsOtherElementsAndNestedOnes)
{
    CComPtr<FakeProject> project = FakeProject::Create();
    CComPtr<FakeMenu> menu = project->AddMenu(1, MenuType_Main);
    CComPtr<FakeButton> first = project->AddElement<FakeButton>(menu, 2, ButtonType_Command);
    project->AddElement<FakeText>(menu, 3, ButtonType_Command);
    project->AddElement<FakeButton>(menu, 4, ButtonType_Next);
    project->AddElement<FakeButton>(menu, 5, ButtonType_Command);
    project->AddText(first, 6, TextType_Label, L"nested");
    EXPECT_EQ(IDs(GetButtonList(menu->GetUnknown(), ButtonType_Command)),
              (std::vector<LONG>{2, 5}));
    EXPECT_EQ(IDs(GetElementList(menu->GetUnknown(), kAllTags)), (std::vector<LONG>{2, 3, 4, 5}));
    EXPECT_TRUE(GetElementList(project->GetUnknown(), kAllTags).empty());
}

} // namespace

#include "dsutils/DSTagLists.h"

#include "support/ProjectTest.h"

#include <vector>

namespace {

template <class I> std::vector<LONG> IDs(const std::vector<CComPtr<I>>& list)
{
    std::vector<LONG> ids;
    for (const CComPtr<I>& object : list)
        ids.push_back(IdOf(object));
    return ids;
}

class TagLists : public ProjectTest
{
protected:
    CComPtr<IDSProjectData> m_project = NewProject();
};

TEST_F(TagLists, MaskKeepsObjectsSharingABitInTheirOrder)
{
    LONG chapter = IdOf(Tagged(AddMenu(m_project), MenuType_Chapter));
    LONG transition = IdOf(Tagged(AddMenu(m_project), MenuType_Transition));
    LONG main = IdOf(Tagged(AddMenu(m_project), MenuType_Main | MenuType_MainTemplate));
    LONG untagged = IdOf(AddMenu(m_project));
    EXPECT_EQ(IDs(GetMenuList(m_project, MenuType_Main | MenuType_Chapter)),
              (std::vector<LONG>{chapter, main}));
    EXPECT_EQ(IDs(GetMenuList(m_project, kAllTags)),
              (std::vector<LONG>{chapter, transition, main, untagged}));
    EXPECT_TRUE(GetMenuList(m_project, 0).empty());
    EXPECT_TRUE(GetTitleList(nullptr, kAllTags).empty());
    // The first match alone, in the same order.
    EXPECT_EQ(IdOf(GetFirstMenu(m_project, MenuType_Main | MenuType_Transition)), transition);
    EXPECT_EQ(IdOf(GetFirstMenu(m_project, kAllTags)), chapter);
    EXPECT_FALSE(GetFirstMenu(m_project, MenuType_ChapterTemplate));
    EXPECT_FALSE(GetFirstMenu(nullptr, kAllTags));
}

TEST_F(TagLists, ButtonListSkipsOtherElementsAndNestedOnes)
{
    CComPtr<IDSMenu> menu = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenuButton> first = Tagged(AddButton(menu), ButtonType_Command);
    LONG text = IdOf(Tagged(AddText(menu), ButtonType_Command));
    LONG next = IdOf(Tagged(AddButton(menu), ButtonType_Next));
    LONG last = IdOf(Tagged(AddButton(menu), ButtonType_Command));
    Tagged(AddText(first), TextType_Label);
    EXPECT_EQ(IDs(GetButtonList(menu, ButtonType_Command)), (std::vector<LONG>{IdOf(first), last}));
    EXPECT_EQ(IDs(GetElementList(menu, kAllTags)),
              (std::vector<LONG>{IdOf(first), text, next, last}));
    EXPECT_TRUE(GetElementList(m_project, kAllTags).empty());
}

} // namespace

#include "dsutils/DSMenuUtils.h"

#include "LayoutModelTest.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class SetNumberBtns : public LayoutModelTest
{
protected:
    // A menu whose command buttons carry labels with the given texts; null makes a button
    // without a text.
    CComPtr<IDSMenu> MenuLabelled(std::initializer_list<const wchar_t*> labels)
    {
        CComPtr<IDSMenu> menu = AddMenu();
        for (const wchar_t* label : labels) {
            CComPtr<IDSMenuButton> button = AddButton(menu, ButtonType_Command);
            m_texts.push_back(label ? AddText(button, TextType_Label, label) : nullptr);
        }
        return menu;
    }

    std::wstring Label(size_t i) const { return LabelOf(m_texts[i]); }

    bool ProjectChanged() const
    {
        VARIANT_BOOL modified = VARIANT_FALSE;
        m_project->get_Modified(&modified);
        return modified != VARIANT_FALSE;
    }

    std::vector<CComPtr<IDSMenuText>> m_texts;
};

using GetTextElement = LayoutModelTest;

TEST_F(SetNumberBtns, NumbersLabelsAndReplacesOldNumbers)
{
    CComPtr<IDSMenu> menu = MenuLabelled({L"Intro", L"2. Scenes", L"7. Extras", L"12"});
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(menu), S_OK);
    EXPECT_EQ(Label(0), L"1. Intro");
    EXPECT_EQ(Label(1), L"2. Scenes");
    EXPECT_EQ(Label(2), L"3. Extras");
    EXPECT_EQ(Label(3), L"4. 12");
}

TEST_F(SetNumberBtns, SecondRunWritesNothing)
{
    CComPtr<IDSMenu> menu = MenuLabelled({L"Intro", L"12", L"4. ", L"7.Extras", L""});
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(menu), S_OK);
    EXPECT_EQ(Label(2), L"3. ");
    ASSERT_EQ(S_OK, m_project->ResetModified());
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(menu), S_OK);
    EXPECT_FALSE(ProjectChanged());
}

TEST_F(SetNumberBtns, LabelWithTheRightNumberIsNotWritten)
{
    CComPtr<IDSMenu> menu = MenuLabelled({L"1. Intro", L"2. Scenes"});
    ASSERT_EQ(S_OK, m_project->ResetModified());
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(menu), S_OK);
    EXPECT_FALSE(ProjectChanged());
}

// A number not written as "N. " is the user's text: it is kept whole behind the new number.
TEST_F(SetNumberBtns, NumberWithoutABlankIsKeptAsText)
{
    CComPtr<IDSMenu> menu = MenuLabelled({L"Intro", L"12.Extras", L"Scene 3. End"});
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(menu), S_OK);
    EXPECT_EQ(Label(1), L"2. 12.Extras");
    EXPECT_EQ(Label(2), L"3. Scene 3. End");
}

TEST_F(SetNumberBtns, ButtonWithoutTextStillCounts)
{
    CComPtr<IDSMenu> menu = MenuLabelled({L"Intro", nullptr, L"Extras"});
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(menu), S_OK);
    EXPECT_EQ(Label(2), L"3. Extras");
}

TEST_F(SetNumberBtns, OnlyCommandButtonsAreNumbered)
{
    CComPtr<IDSMenu> menu = MenuLabelled({L"Intro"});
    CComPtr<IDSMenuButton> next = AddButton(menu, ButtonType_Next);
    CComPtr<IDSMenuText> arrow = AddText(next, TextType_Label, L"Next");
    CComPtr<IDSMenuText> title = AddText(menu, 0, L"Title");
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(menu), S_OK);
    EXPECT_EQ(LabelOf(arrow), L"Next");
    EXPECT_EQ(LabelOf(title), L"Title");
    EXPECT_EQ(CDSMenuUtils::SetNumberBtns(nullptr), E_POINTER);
}

TEST_F(GetTextElement, FirstTextOfAnyTagInTheOwnList)
{
    CComPtr<IDSMenu> menu = AddMenu();
    CComPtr<IDSMenuButton> button = AddButton(menu, ButtonType_Command);
    AddOverlay(button, OverlayType_Thumbnail, 0, 0, 0.1f, 0.1f);
    CComPtr<IDSMenuText> caption = AddText(button, 0, L"caption");
    AddText(button, TextType_Label, L"label");
    EXPECT_TRUE(
        CComPtr<IDSMenuText>(CDSMenuUtils::GetTextElement(button.p)).IsEqualObject(caption));
    EXPECT_EQ(CDSMenuUtils::GetTextElement(menu.p), nullptr);
    CComPtr<IDSMenuText> heading = AddText(menu, 0, L"heading");
    EXPECT_TRUE(CComPtr<IDSMenuText>(CDSMenuUtils::GetTextElement(menu.p)).IsEqualObject(heading));
}

} // namespace

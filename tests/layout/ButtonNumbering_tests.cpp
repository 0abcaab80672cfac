#include "dsutils/DSMenuUtils.h"

#include "LayoutFakes.h"

#include <gtest/gtest.h>

namespace {

// A menu whose command buttons carry texts with the given labels; a null label makes a button
// without a text.
struct LabelledMenu
{
    explicit LabelledMenu(std::initializer_list<const wchar_t*> labels)
    {
        menu = LayoutMenu::Create();
        for (const wchar_t* label : labels) {
            CComPtr<LayoutButton> button = menu->Add<LayoutButton>(ButtonType_Command);
            if (!label) {
                texts.push_back(nullptr);
                continue;
            }
            CComPtr<LayoutText> text = button->Add<LayoutText>(TextType_Label);
            text->label = label;
            texts.push_back(text);
        }
    }

    std::wstring Label(size_t i) const { return texts[i]->label.Str(); }

    CComPtr<LayoutMenu> menu;
    std::vector<CComPtr<LayoutText>> texts;
};

TEST(SetNumberBtns, NumbersLabelsAndRewritesOnlyWrongOnes)
{
    LabelledMenu labelled({L"Intro", L"2. Scenes", L"7. Extras"});
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(labelled.menu), S_OK);
    EXPECT_EQ(labelled.Label(0), L"1. Intro");
    EXPECT_EQ(labelled.Label(1), L"2. Scenes");
    EXPECT_EQ(labelled.Label(2), L"3. Extras");
    EXPECT_EQ(labelled.texts[1]->labelWrites, 0);
}

TEST(SetNumberBtns, RunningTwiceWritesNothingTheSecondTime)
{
    LabelledMenu labelled({L"Intro", L"12", L"4. ", L"7.Extras", L""});
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(labelled.menu), S_OK);
    std::vector<int> writes;
    for (const CComPtr<LayoutText>& text : labelled.texts)
        writes.push_back(text->labelWrites);
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(labelled.menu), S_OK);
    for (size_t i = 0; i < labelled.texts.size(); ++i)
        EXPECT_EQ(labelled.texts[i]->labelWrites, writes[i]) << labelled.Label(i);
}

TEST(SetNumberBtns, LabelWithoutAFullStopKeepsItsDigits)
{
    LabelledMenu labelled({L"12"});
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(labelled.menu), S_OK);
    EXPECT_EQ(labelled.Label(0), L"1. 12");
}

TEST(SetNumberBtns, BareNumberBecomesTheNewNumberAlone)
{
    LabelledMenu labelled({L"1. Intro", L"4. "});
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(labelled.menu), S_OK);
    EXPECT_EQ(labelled.Label(1), L"2. ");
}

// A number not written as "N. " is the user's text: it is kept whole behind the new number.
TEST(SetNumberBtns, NumberWithoutABlankIsKeptAsText)
{
    LabelledMenu labelled({L"Intro", L"12.Extras", L"Scene 3. End"});
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(labelled.menu), S_OK);
    EXPECT_EQ(labelled.Label(1), L"2. 12.Extras");
    EXPECT_EQ(labelled.Label(2), L"3. Scene 3. End");
}

TEST(SetNumberBtns, ButtonWithoutTextStillCounts)
{
    LabelledMenu labelled({L"Intro", nullptr, L"Extras"});
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(labelled.menu), S_OK);
    EXPECT_EQ(labelled.Label(2), L"3. Extras");
}

TEST(SetNumberBtns, OnlyCommandButtonsAreNumbered)
{
    LabelledMenu labelled({L"Intro"});
    CComPtr<LayoutButton> next = labelled.menu->Add<LayoutButton>(ButtonType_Next);
    CComPtr<LayoutText> arrow = next->Add<LayoutText>(TextType_Label);
    arrow->label = L"Next";
    CComPtr<LayoutText> title = labelled.menu->Add<LayoutText>(0);
    title->label = L"Title";
    ASSERT_EQ(CDSMenuUtils::SetNumberBtns(labelled.menu), S_OK);
    EXPECT_EQ(arrow->label.Str(), L"Next");
    EXPECT_EQ(title->label.Str(), L"Title");
    EXPECT_EQ(CDSMenuUtils::SetNumberBtns(nullptr), E_POINTER);
}

TEST(GetTextElement, FirstTextOfAnyTagInTheOwnList)
{
    CComPtr<LayoutMenu> menu = LayoutMenu::Create();
    CComPtr<LayoutButton> button = menu->Add<LayoutButton>(ButtonType_Command);
    button->Add<LayoutOverlay>(OverlayType_Thumbnail);
    CComPtr<LayoutText> caption = button->Add<LayoutText>(0);
    button->Add<LayoutText>(TextType_Label);
    EXPECT_EQ(CDSMenuUtils::GetTextElement(button.p), static_cast<IDSMenuText*>(caption.p));
    EXPECT_EQ(CDSMenuUtils::GetTextElement(menu.p), nullptr);
    CComPtr<LayoutText> heading = menu->Add<LayoutText>(0);
    EXPECT_EQ(CDSMenuUtils::GetTextElement(menu.p), static_cast<IDSMenuText*>(heading.p));
}

} // namespace

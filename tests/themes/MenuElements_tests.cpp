#include "ThemeTest.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"

#include "platform/DebugOutput.h"

#include <gtest/gtest.h>

namespace {

class AddElements : public ThemedProject
{
protected:
    CComPtr<IDSMenuButton> Add(IDSMenu* menu, ULONG type, int index = 0)
    {
        CComPtr<IDSMenuButton> button;
        EXPECT_EQ(S_OK, CDSMenuUtils::AddButton(menu, &button, type, index));
        return button;
    }
};

TEST_F(AddElements, ChapterRangeIndexChoosesTheTemplateButtonWhenItHasOne)
{
    EXPECT_EQ(NameOf(Add(m_chapter, ButtonType_ChapterRange, 2)), L"Range3");
    EXPECT_EQ(NameOf(Add(m_chapter, ButtonType_ChapterRange, 1)), L"Range2");
    EXPECT_EQ(NameOf(Add(m_chapter, ButtonType_ChapterRange, 0)), L"Range1");
    EXPECT_EQ(NameOf(Add(m_chapter, ButtonType_ChapterRange, 5)), L"Range1");
    EXPECT_EQ(NameOf(Add(m_chapter, ButtonType_ChapterRange, -1)), L"Range1");
    EXPECT_EQ(GetButtonList(m_chapter, ButtonType_ChapterRange).size(), 5u);
}

TEST_F(AddElements, NewButtonIsACopyOfTheTemplateButtonAtItsPlace)
{
    CComPtr<IDSMenuButton> button = Add(m_main, ButtonType_Command);
    CComPtr<IDSMenuButton> model = FirstButtonOf(m_mainTemplate, ButtonType_Command);
    EXPECT_TRUE(IsAt(button, TestThemeLayout::kCommandX, TestThemeLayout::kCommandY));
    EXPECT_NE(GetID(button), GetID(model));
    EXPECT_EQ(GetElementList(button, kAllTags).size(), GetElementList(model, kAllTags).size());
    EXPECT_EQ(LabelOf(FirstTextOf(button, TextType_Label)), L"Movie");
    EXPECT_EQ(GetID(Item(m_main, Count(m_main))), GetID(button));
}

TEST_F(AddElements, TemplateWithoutTheTypeGivesAPlainButtonOfTheType)
{
    DebugOutputCapture debug;
    CComPtr<IDSMenuButton> button = Add(m_main, ButtonType_ChapterRange);
    ASSERT_TRUE(button);
    EXPECT_EQ(GetTag(button), ULONG(ButtonType_ChapterRange));
    EXPECT_EQ(Count(button), 0);
    ASSERT_EQ(debug.Lines().size(), 1u);
    EXPECT_EQ(debug.Lines()[0], L"Template Main has no buttons!");
}

TEST_F(AddElements, MenuWithoutTemplateGetsNoButton)
{
    CComPtr<IDSMenu> orphan = ::AddMenu(m_project);
    CComPtr<IDSMenuButton> button;
    EXPECT_EQ(E_POINTER, CDSMenuUtils::AddButton(orphan, &button, ButtonType_Command, 0));
    EXPECT_FALSE(button);
    EXPECT_EQ(Count(orphan), 0);
}

TEST_F(AddElements, NewTextTakesTheTemplateTextsLookAtTheCentre)
{
    CComPtr<IDSMenuButton> button = Add(m_main, ButtonType_Command);
    for (IUnknown* parent : {static_cast<IUnknown*>(m_main.p), static_cast<IUnknown*>(button.p)}) {
        CComPtr<IDSMenuText> text;
        ASSERT_EQ(S_OK, CDSMenuUtils::AddText(parent, &text));
        COLORREF face = 0;
        ASSERT_EQ(S_OK, text->GetColor(TextColour_Face, &face));
        EXPECT_EQ(face, 0x0000FFFFu) << "the title's yellow";
        float size = 0.0f;
        ASSERT_EQ(S_OK, text->get_FontSize(&size));
        EXPECT_FLOAT_EQ(size, 0.1f);
        EXPECT_TRUE(IsAt(text, 0.0f, 0.0f));
        EXPECT_EQ(LabelOf(text), L"");
    }
}

TEST_F(AddElements, ElementKindsAndParents)
{
    CComPtr<IDSMenuElement> element;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddMenuElement(m_main, etmButton, &element));
    EXPECT_TRUE(CComQIPtr<IDSMenuButton>(element));
    CComPtr<IDSMenuOverlay> overlay;
    ASSERT_EQ(S_OK, CDSMenuUtils::AddOverlay(element, &overlay));
    EXPECT_EQ(Count(element), 1);
    CComPtr<IDSMenuElement> more;
    EXPECT_EQ(E_INVALIDARG, CDSMenuUtils::AddMenuElement(m_main, eMenuElementType(3), &more));
    EXPECT_EQ(E_INVALIDARG, CDSMenuUtils::AddMenuElement(overlay, etmText, &more));
    EXPECT_FALSE(more);
}

TEST_F(AddElements, MoveMenuElementLiftsAThumbnailOutOfItsButtonAndMakesItStale)
{
    CComPtr<IDSMenuButton> button = Add(m_main, ButtonType_Command);
    CComPtr<IDSMenuOverlay> thumbnail = FirstOverlayOf(button, OverlayType_Thumbnail);
    ASSERT_EQ(S_OK, thumbnail->SetSourceType(OverlaySource_ButtonLink, 0));
    ASSERT_EQ(S_OK, thumbnail->put_PrivateId(42));
    LONG before = Count(m_main);
    ASSERT_EQ(S_OK, CDSMenuUtils::MoveMenuElement(m_main, thumbnail));
    EXPECT_EQ(Count(m_main), before + 1);
    EXPECT_EQ(GetID(Item(m_main, before + 1)), GetID(thumbnail));
    EXPECT_FALSE(FirstOverlayOf(button, OverlayType_Thumbnail));
    CComBSTR source;
    ASSERT_EQ(S_OK, thumbnail->get_Source(&source));
    EXPECT_TRUE(source.IsEmpty());
    LONG privateId = -1;
    ASSERT_EQ(S_OK, thumbnail->get_PrivateId(&privateId));
    EXPECT_EQ(privateId, 0);
    // The element must be in the menu it is moved in.
    EXPECT_EQ(E_INVALIDARG, CDSMenuUtils::MoveMenuElement(m_chapter, thumbnail));
}

} // namespace

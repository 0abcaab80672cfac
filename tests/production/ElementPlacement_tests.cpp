#include "dsutils/DSProductionUtils.h"

#include "ProductionTest.h"
#include "support/EffectItems.h"

#include "platform/ResultCodes.h"

namespace {

class ElementPlacement : public ProductionTest
{
protected:
    CComPtr<IDSMenu> m_menu = AddMenu(m_project);
};

TEST_F(ElementPlacement, ItemOfTheElementTakesTheLatestPlace)
{
    CComPtr<IDSMenuButton> button = AddButton(m_menu);
    CComPtr<IDSMenuText> label = AddText(button);
    ASSERT_EQ(S_OK, CDSProductionUtils::SetElementPos(StoryboardOf(m_menu), label, 0.25f, -0.5f));
    ASSERT_EQ(S_OK, CDSProductionUtils::SetElementPos(StoryboardOf(m_menu), label, 0.5f, 0.75f));
    float x = 0.0f;
    float y = 0.0f;
    ASSERT_TRUE(EffectPositionOf(label, x, y));
    EXPECT_FLOAT_EQ(0.5f, x);
    EXPECT_FLOAT_EQ(0.75f, y);
    EXPECT_FALSE(EffectPositionOf(button, x, y));
    ASSERT_EQ(S_OK, CDSProductionUtils::PositionBtnEffect(m_menu, button, -0.1f, 0.2f));
    ASSERT_TRUE(EffectPositionOf(button, x, y));
    EXPECT_FLOAT_EQ(-0.1f, x);
    EXPECT_FLOAT_EQ(0.2f, y);
}

TEST_F(ElementPlacement, ElementsOfOtherMenusHaveNoItemThere)
{
    CComPtr<IDSMenuButton> elsewhere = AddButton(AddMenu(m_project));
    EXPECT_EQ(E_SETELEMENTPOS_NO_EFFECT_ITEM,
              CDSProductionUtils::SetElementPos(StoryboardOf(m_menu), elsewhere, 0.0f, 0.0f));
    EXPECT_EQ(E_SETELEMENTPOS_NO_EFFECT_ITEM,
              CDSProductionUtils::PositionBtnEffect(m_menu, elsewhere, 0.0f, 0.0f));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::SetElementPos(m_title, elsewhere, 0.0f, 0.0f));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::PositionBtnEffect(m_menu, nullptr, 0.0f, 0.0f));
}

} // namespace

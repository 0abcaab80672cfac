#include "ThemeTest.h"

#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "model/KVEPanels.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionLink.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class ColorPanel : public ThemeTest
{
protected:
    // The one panel of a production file.
    struct Panel
    {
        LONG count = 0;
        LONG kind = 0;
        DWORD colour = 0;
        double duration = 0.0;
    };
    static Panel ReadPanel(BSTR file)
    {
        Panel panel;
        CComPtr<IKVEProductionData> production;
        EXPECT_EQ(S_OK, production.CoCreateInstance(CLSID_KVEProduction));
        EXPECT_EQ(S_OK, production->LoadProduction(file, 0));
        EXPECT_EQ(S_OK, production->GetNumberOfPanels(&panel.count));
        CComPtr<IBaseObject> first;
        EXPECT_EQ(S_OK, production->GetPanelBaseObject(0, &first));
        if (!first)
            return panel;
        first->get_Kind(&panel.kind);
        first->get_Duration(&panel.duration);
        if (CComQIPtr<IKVESolidColor> colour(first); colour)
            colour->get_Color(&panel.colour);
        return panel;
    }
};

TEST_F(ColorPanel, ProductionHoldsOneFifteenSecondPanelOfTheColour)
{
    CComBSTR file;
    ASSERT_EQ(S_OK, CMenuStyleUtil::CreateColorPanelProduction(12, 200, 7, &file));
    EXPECT_EQ(std::filesystem::path(file.Str()).filename(), "Default_Background_12_200_7.DMSM");
    Panel panel = ReadPanel(file);
    EXPECT_EQ(panel.count, 1);
    EXPECT_EQ(panel.kind, KVE_PANEL_SOLID_COLOR);
    EXPECT_EQ(panel.colour, 0x0CC807u);
    EXPECT_DOUBLE_EQ(panel.duration, 15.0);
}

TEST_F(ColorPanel, ChapterFallbackIsAChapterTemplateOnRed)
{
    CComPtr<IDSMenu> menu = ::AddMenu(m_project);
    ASSERT_EQ(S_OK, CMenuStyleUtil::GetFallbackChapterMenu(menu));
    EXPECT_EQ(GetTag(menu), ULONG(MenuType_ChapterTemplate));
    CComBSTR background;
    ASSERT_EQ(S_OK, menu->get_Background(&background));
    EXPECT_EQ(std::filesystem::path(background.Str()).filename(),
              "Default_Background_255_0_0.DMSM");
    EXPECT_EQ(ReadPanel(background).colour, 0xFF0000u);
    EXPECT_TRUE(FirstButtonOf(menu, ButtonType_Command));
}

TEST(ThemeDocuments, ChangeFileExtensionReplacesTheExtensionOfTheFileName)
{
    CComBSTR out = L"untouched";
    EXPECT_TRUE(CMenuStyleUtil::ChangeFileExtension(L"/themes/menu.dmsd", L".png", out));
    EXPECT_EQ(out.Str(), L"/themes/menu.png");
    EXPECT_TRUE(CMenuStyleUtil::ChangeFileExtension(L"/themes/menu", L".png", out));
    EXPECT_EQ(out.Str(), L"/themes/menu.png");
    EXPECT_TRUE(CMenuStyleUtil::ChangeFileExtension(L"/my.themes/menu", L".png", out));
    EXPECT_EQ(out.Str(), L"/my.themes/menu.png");
    out = L"untouched";
    EXPECT_FALSE(CMenuStyleUtil::ChangeFileExtension(L"/themes/menu.dmsd", L"", out));
    EXPECT_FALSE(CMenuStyleUtil::ChangeFileExtension(nullptr, L".png", out));
    EXPECT_EQ(out.Str(), L"untouched");
}

} // namespace

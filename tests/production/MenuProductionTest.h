// The fixture of the menu production tests: a real project over the real engine with a main
// menu, menus made from the shipped themes, and frames of productions rendered, checked by
// pixel and written under the build tree for a person to look at.
#pragma once

#include "ProductionTest.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/MenuStyleUtil.h"

#include "model/IDSEncodingParams.h"
#include "model/KVEPanels.h"

#include "platform/PathService.h"

#include "support/FrameGrab.h"

#include <filesystem>
#include <string>

class MenuProductionTest : public ProductionTest
{
protected:
    static constexpr int kWidth = 720;
    static constexpr int kHeight = 480;

    // Makes the project 16:9, and the menu storyboard with it.
    void MakeWide(IDSMenu* menu)
    {
        CComQIPtr<IDSEncodingParams> encoding(m_project.p);
        ASSERT_EQ(S_OK, encoding->put_AspectRatio(AspectRatio_16x9));
        ASSERT_EQ(S_OK, Info(menu)->put_AspectRatio(16.0 / 9.0));
    }

    // A main menu made from the main template of a shipped theme, Aurora (4:3) or Cobalt
    // (16:9), with the template's texts and overlays and command buttons laid out on its grid.
    CComPtr<IDSMenu> ThemedMenu(bool wide, int buttons = 2)
    {
        const wchar_t* theme = wide ? L"%CONTENT%/DVD/16x9/Themes/Cobalt.dmsd"
                                    : L"%CONTENT%/DVD/4x3/Themes/Aurora.dmsd";
        CComPtr<IDSMenu> mainTemplate;
        EXPECT_EQ(S_OK, CDSMenuUtils::CopyTemplate(m_project, theme, false, &mainTemplate));
        CComPtr<IDSMenu> menu = Tagged(AddMenu(m_project), MenuType_Main);
        if (wide)
            MakeWide(menu);
        EXPECT_EQ(S_OK, CDSMenuUtils::ApplyStyle(menu, mainTemplate));
        EXPECT_EQ(S_OK, CMenuStyleUtil::MenuElementsCopy(menu, mainTemplate));
        for (int i = 0; i < buttons; ++i) {
            CComPtr<IDSMenuButton> button;
            EXPECT_EQ(S_OK, CDSMenuUtils::AddButton(menu, &button, ButtonType_Command));
        }
        EXPECT_EQ(S_OK, CDSMenuUtils::LayoutArrangeButtons(menu, true));
        KVUClearErrorStack();
        return menu;
    }

    static BgraImage Render(IUnknown* object, double time, int width = kWidth, int height = kHeight)
    {
        BgraImage frame;
        EXPECT_EQ(S_OK, ExtractFrame(StoryboardOf(object), time, width, height, frame));
        return frame;
    }
    static BgraImage Render(IKVEProductionData* production, double time, int width = kWidth,
                            int height = kHeight)
    {
        BgraImage frame;
        EXPECT_EQ(S_OK, ExtractFrame(production, time, width, height, frame));
        return frame;
    }

    // Writes a picture under the build tree for a person to look at.
    static void WritePicture(const BgraImage& picture, const std::string& name)
    {
        std::filesystem::create_directories(DSUTILS_TEST_PICTURES);
        std::filesystem::path file = std::filesystem::path(DSUTILS_TEST_PICTURES) / (name + ".png");
        EXPECT_EQ(S_OK, SaveImageFile(picture, file.wstring()));
    }

    // The panel at a position of a production, and what kind it is.
    static CComPtr<IBaseObject> Panel(IUnknown* object, LONG position)
    {
        CComPtr<IBaseObject> panel;
        EXPECT_EQ(S_OK, StoryboardOf(object)->GetPanelBaseObject(position, &panel));
        return panel;
    }
    // What a getter of a number or a flag answers; the test fails when the getter fails.
    template <class T, class I> static T Read(I* object, HRESULT (I::*getter)(T*))
    {
        T value{};
        EXPECT_EQ(S_OK, (object->*getter)(&value));
        return value;
    }
    static LONG PanelCount(IKVEProductionData* production)
    {
        return Read(production, &IKVEProductionData::GetNumberOfPanels);
    }
    static LONG AudioCount(IKVEProductionData* production)
    {
        return Read(production, &IKVEProductionData::GetNumberOfAudios);
    }
    static LONG IdOfPanel(IBaseObject* panel) { return Read(panel, &IBaseObject::get_ID); }
    static LONG KindOf(IBaseObject* panel) { return Read(panel, &IBaseObject::get_Kind); }

    static std::wstring TextOf(const CComBSTR& text) { return text.Str(); }

    CComPtr<IDSMenu> m_menu = Tagged(AddMenu(m_project), MenuType_Main);
};

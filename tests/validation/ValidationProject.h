// Projects of the object model over the real engine, built for the validation suites: titles
// that play a real clip made for the test, menus with buttons in chosen regions, and links
// between them.
#pragma once

#include "dsutils/DSMenuUtils.h"
#include "dsutils/ErrorInfo.h"

#include "support/ClipWriter.h"
#include "support/ProjectTest.h"
#include "support/ScratchFolder.h"

#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"

#include <algorithm>

class ValidationProjectTest : public ProjectTest
{
protected:
    ValidationProjectTest()
    {
        EXPECT_EQ(S_OK, project->put_DiscFormat(DiscFormat_DVD));
        EXPECT_EQ(S_OK, WriteColourClip(clip, ClipShape{}));
    }

    // A new production of the engine.
    static CComPtr<IKVEProductionData> NewProduction()
    {
        CComPtr<IKVEProductionData> production;
        EXPECT_EQ(S_OK, production.CoCreateInstance(CLSID_KVEProduction));
        return production;
    }

    static CComPtr<IKVEProductionData> ProductionOf(IUnknown* owner)
    {
        CComPtr<IUnknown> production;
        if (CComQIPtr<IDSTitle> title(owner); title) {
            EXPECT_EQ(S_OK, title->GetProduction(&production));
        } else if (CComQIPtr<IDSMenu> menu(owner); menu) {
            EXPECT_EQ(S_OK, menu->GetProduction(&production));
        }
        return CComQIPtr<IKVEProductionData>(production);
    }

    // Appends a source file to a production (its panels at even positions from 0).
    static void AddSource(IKVEProductionData* production, const std::wstring& file)
    {
        LONG panels = 0;
        ASSERT_EQ(S_OK, production->GetNumberOfPanels(&panels));
        ASSERT_EQ(S_OK, CComQIPtr<IEditData>(production)
                            ->AddSourceFile(panels ? panels + 1 : 0, CComBSTR(file.c_str()), 0.0,
                                            0.0, VARIANT_FALSE, nullptr));
    }

    // Appends a nested production under a moniker.
    static void AddNested(IKVEProductionData* production, const wchar_t* moniker, IUnknown* nested)
    {
        LONG panels = 0;
        ASSERT_EQ(S_OK, production->GetNumberOfPanels(&panels));
        ASSERT_EQ(S_OK, CComQIPtr<IEditData>(production)
                            ->AddProductionMoniker(panels ? panels + 1 : 0, CComBSTR(moniker),
                                                   nested, 0.0, 0.0, VARIANT_FALSE, nullptr));
    }

    // A user title whose production plays the clip.
    CComPtr<IDSTitle> AddClipTitle()
    {
        CComPtr<IDSTitle> title = Tagged(AddTitle(project), TitleType_User);
        AddSource(ProductionOf(title), clip);
        return title;
    }

    // A button of a kind whose active region is set.
    static CComPtr<IDSMenuButton> AddButtonIn(IDSMenu* menu, FloatRect region,
                                              ULONG tag = ButtonType_Command)
    {
        CComPtr<IDSMenuButton> button = Tagged(AddButton(menu), tag);
        EXPECT_EQ(S_OK, button->put_ActiveRegion(&region, VARIANT_TRUE));
        return button;
    }

    // A command button that leads to a title or a menu, in a region of its own on the menu.
    CComPtr<IDSMenuButton> AddLink(IDSMenu* menu, IUnknown* target, ULONG tag = ButtonType_Command)
    {
        float left = -1.0f + 0.1f * static_cast<float>(m_nextSlot++ % 20);
        CComPtr<IDSMenuButton> button = AddButtonIn(menu, {left, 0.9f, left + 0.05f, 0.85f}, tag);
        if (CComQIPtr<IDSTitle> title(target); title) {
            EXPECT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, title));
        } else if (CComQIPtr<IDSMenu> targetMenu(target); targetMenu) {
            EXPECT_EQ(S_OK, CDSMenuUtils::LinkCmd(button, targetMenu));
        }
        return button;
    }

    // A menu of a kind that loops on itself, as new menus do.
    CComPtr<IDSMenu> AddLoopingMenu(ULONG tag = MenuType_Main)
    {
        CComPtr<IDSMenu> menu = Tagged(AddMenu(project), tag);
        EXPECT_EQ(S_OK, CDSMenuUtils::LinkCmd(menu, menu));
        return menu;
    }

    static int CountOf(const std::vector<CErrorInfo>& errors, eErrorCodes code)
    {
        return static_cast<int>(std::count_if(errors.begin(), errors.end(), [code](const auto& e) {
            return e.getErrorCode() == code;
        }));
    }

    // The findings of one code, in order.
    static std::vector<CErrorInfo> Only(const std::vector<CErrorInfo>& errors, eErrorCodes code)
    {
        std::vector<CErrorInfo> found;
        std::copy_if(errors.begin(), errors.end(), std::back_inserter(found),
                     [code](const auto& e) { return e.getErrorCode() == code; });
        return found;
    }

    ScratchFolder folder;
    std::wstring clip = folder.File("clip.mp4");
    CComPtr<IDSProjectData> project = NewProject();

private:
    int m_nextSlot = 0;
};

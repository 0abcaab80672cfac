// The fixture of the overlay-source tests: a main menu in a real project over the real engine,
// titles that play clips of known colours, and steps that put buttons and overlays on the
// menu. Nested productions are off (settings 13 and 14) unless a test turns them on.
#pragma once

#include "ProductionTest.h"

#include "dsutils/DSChapterList.h"
#include "dsutils/DSCmdList.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "platform/Config.h"

// Overlays show their titles through files and stills, not nested productions, until a test
// says otherwise.
inline void TurnSubproductionsOff()
{
    CDSConfig config;
    EXPECT_EQ(S_OK, config.SetBool(DSConfig_ThumbnailSubProductions, false));
    EXPECT_EQ(S_OK, config.SetBool(DSConfig_OverlaySubProductions, false));
}

class OverlayTest : public ProductionTest
{
protected:
    OverlayTest()
    {
        TurnSubproductionsOff();
        EXPECT_EQ(S_OK, m_menu->put_Duration(6.0));
        // The fixture's empty title is no user title: tests list the titles they make.
        EXPECT_EQ(S_OK, m_title->put_Tag(0));
    }

    // A user title playing a clip made for it, its own thumbnail at thumbTime.
    CComPtr<IDSTitle> ClipTitle(const char* name, double thumbTime = 0.0,
                                const ClipShape& shape = ClipShape())
    {
        CComPtr<IDSTitle> title = Tagged(AddTitle(m_project), TitleType_User);
        AddSource(title, MakeClip(m_folder, name, shape));
        if (thumbTime > 0.0) {
            CDSChapterList chapters(StoryboardOf(title));
            EXPECT_EQ(S_OK, chapters.SetProductionThumbTime(thumbTime));
        }
        return title;
    }

    // A command button of the menu holding a thumbnail, leading to a title at a chapter or to
    // a menu.
    CComPtr<IDSMenuButton> ButtonTo(IUnknown* target, LONG chapter = 0, float x = 0.0f)
    {
        CComPtr<IDSMenuButton> button =
            Placed(AddButton(m_menu), ButtonType_Command, x, 0.0f, 0.5f, 0.5f);
        Placed(AddOverlay(button), OverlayType_Thumbnail, 0.0f, 0.0f, 0.4f, 0.4f);
        CCommandList commands(static_cast<IUnknown*>(button));
        CComQIPtr<IDSMenu> menu(target);
        EXPECT_EQ(S_OK, commands.ReplaceCommand(menu ? DiscCommand_JumpMenu : DiscCommand_PlayTitle,
                                                IdOf(target), menu ? 0 : chapter));
        EXPECT_EQ(S_OK, commands.Commit());
        return button;
    }

    static CComPtr<IDSMenuOverlay> ThumbnailOf(IDSMenuButton* button)
    {
        return GetOverlayList(button, OverlayType_Thumbnail).front();
    }

    // A free overlay of the menu with a source type.
    CComPtr<IDSMenuOverlay> FreeOverlay(LONG type, LONG id = 0)
    {
        CComPtr<IDSMenuOverlay> overlay =
            Placed(AddOverlay(m_menu), OverlayType_Generic, 0.5f, 0.5f, 0.4f, 0.4f);
        EXPECT_EQ(S_OK, overlay->SetSourceType(type, id));
        return overlay;
    }

    static std::wstring SourceOf(IDSMenuOverlay* overlay)
    {
        CComBSTR source;
        EXPECT_EQ(S_OK, overlay->get_Source(&source));
        return source.Str();
    }
    static LONG TypeOf(IDSMenuOverlay* overlay, LONG* id = nullptr)
    {
        LONG type = -1, sourceId = -1;
        EXPECT_EQ(S_OK, overlay->GetSourceType(&type, &sourceId));
        if (id)
            *id = sourceId;
        return type;
    }
    static double InPointOf(IDSMenuOverlay* overlay)
    {
        double seconds = -1.0;
        EXPECT_EQ(S_OK, overlay->get_InPoint(&seconds));
        return seconds;
    }
    // The file a title's first panel plays.
    std::wstring ClipOf(IDSTitle* title)
    {
        CComPtr<IBaseObject> panel;
        EXPECT_EQ(S_OK, StoryboardOf(title)->GetPanelBaseObject(0, &panel));
        CComQIPtr<ISourceFile> source(panel);
        CComBSTR file;
        EXPECT_EQ(S_OK, source->get_FileName(&file));
        return file.Str();
    }

    CComPtr<IDSMenu> m_menu = Tagged(AddMenu(m_project), MenuType_Main);
};

// The fixture of the subpicture tests: a real project over the real engine with one menu whose
// button holds one element of each highlight mode, placed away from the button's centre so
// that a step that forgets the button's position shows it.
#pragma once

#include "support/MediaFiles.h"
#include "support/ProjectTest.h"
#include "support/ScratchFolder.h"

#include "dsutils/DSFileUtils.h"
#include "dsutils/FloatRect.h"

#include "model/IDSEncodingParams.h"
#include "platform/Image.h"
#include "platform/TaskMemory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

struct TaskBlockFree
{
    void operator()(BYTE* block) const { CoTaskMemFree(block); }
};
// A picture buffer handed out by the library.
using TaskBlock = std::unique_ptr<BYTE, TaskBlockFree>;

// The pixel rectangle (right and bottom excluded) a menu-space rectangle covers at a size.
inline RECT PixelsOf(const FloatRect& rect, int width, int height)
{
    return RECT{LONG(std::lround((rect.left + 1) / 2 * width)),
                LONG(std::lround((1 - rect.top) / 2 * height)),
                LONG(std::lround((rect.right + 1) / 2 * width)),
                LONG(std::lround((1 - rect.bottom) / 2 * height))};
}

inline RECT Grown(const RECT& rect, int by)
{
    return RECT{rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

inline bool Holds(const RECT& rect, int x, int y)
{
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

class SubpictureTest : public ProjectTest
{
protected:
    // The button's centre and the places of its elements relative to it.
    static constexpr float kButtonX = 0.4f;
    static constexpr float kButtonY = 0.3f;

    explicit SubpictureTest(bool wide = false)
    {
        CComQIPtr<IDSEncodingParams> encoding(m_project.p);
        EXPECT_EQ(S_OK, encoding->put_AspectRatio(wide ? AspectRatio_16x9 : AspectRatio_4x3));
        EXPECT_EQ(S_OK, m_button->put_Tag(ButtonType_Command));
        EXPECT_EQ(S_OK, m_button->SetPosition(kButtonX, kButtonY));
        Place(m_region, -0.2f, 0.1f, 0.4f, 0.3f, OverlayHLI_Region);
        // Were the region drawn with its own picture, it would show blue, not the pattern.
        EXPECT_EQ(S_OK, m_region->put_Source(CComBSTR(Picture("blue.png", 0xFF0000FF))));
        Place(m_picture, 0.3f, 0.1f, 0.2f, 0.2f, OverlayHLI_Picture);
        EXPECT_EQ(S_OK, m_picture->put_Source(CComBSTR(Picture("green.png", 0xFF00FF00))));
        Place(m_plain, 0.3f, -0.15f, 0.1f, 0.1f, OverlayHLI_None);
        EXPECT_EQ(S_OK, m_plain->put_Source(CComBSTR(m_folder.File("blue.png"))));
        Place(m_label, -0.2f, -0.2f, 0.5f, 0.15f, TextHLI_Text);
        EXPECT_EQ(S_OK, m_label->put_Label(CComBSTR(L"PLAY")));
        EXPECT_EQ(S_OK, m_label->put_FontSize(0.12f));
        EXPECT_EQ(S_OK, m_label->SetColor(TextColour_Face, RGB(0x20, 0x40, 0xFF)));
        Place(m_boxed, 0.3f, -0.35f, 0.2f, 0.1f, TextHLI_Region);
        EXPECT_EQ(S_OK, m_boxed->put_Label(CComBSTR(L"box")));
        KVUClearErrorStack();
    }

    static void Place(IDSMenuElement* element, float x, float y, float width, float height,
                      LONG mode)
    {
        EXPECT_EQ(S_OK, element->SetPosition(x, y));
        EXPECT_EQ(S_OK, element->SetSize(width, height));
        EXPECT_EQ(S_OK, element->put_Highlight(mode));
    }

    std::wstring Picture(const char* name, DWORD argb)
    {
        return MakePicture(m_folder, name, 16, 16, argb);
    }

    static FloatRect ExtentOf(IDSMenuElement* element)
    {
        FloatRect extent{};
        EXPECT_EQ(S_OK, element->GetExtent(&extent));
        return extent;
    }

    static std::wstring TempFolder()
    {
        CDSFileUtils files;
        CComBSTR folder;
        EXPECT_EQ(S_OK, files.GetDirectory(CDSFileUtils::DirTemp, nullptr, folder, true));
        return folder.Str();
    }

    ScratchFolder m_folder;
    CComPtr<IDSProjectData> m_project = NewProject();
    CComPtr<IDSMenu> m_menu = Tagged(AddMenu(m_project), MenuType_Main);
    CComPtr<IDSMenuButton> m_button = AddButton(m_menu);
    CComPtr<IDSMenuOverlay> m_region = AddOverlay(m_button);
    CComPtr<IDSMenuOverlay> m_picture = AddOverlay(m_button);
    CComPtr<IDSMenuOverlay> m_plain = AddOverlay(m_button);
    CComPtr<IDSMenuText> m_label = AddText(m_button);
    CComPtr<IDSMenuText> m_boxed = AddText(m_button);
};

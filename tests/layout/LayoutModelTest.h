// The fixture of the layout tests that run on a real project: the object model with the XML
// classes and the media engine registered, one project, and small steps that build menus.
#pragma once

#include "model/IDSCommandList.h"
#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"
#include "model/IDSTitle.h"

#include "platform/ComPtr.h"

#include "support/ProjectTest.h"

#include <gtest/gtest.h>

#include <string>

class LayoutModelTest : public ProjectTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A new menu of the project with that tag and layout word.
    CComPtr<IDSMenu> AddMenu(ULONG tag = MenuType_Main, ULONG layout = 0);
    // New elements appended to the list of a menu or a button, tagged, centred at (x, y)
    // (relative to a holding button) and of that size.
    CComPtr<IDSMenuButton> AddButton(IUnknown* holder, ULONG tag, float x = 0.0f, float y = 0.0f,
                                     float width = 0.0f, float height = 0.0f);
    CComPtr<IDSMenuText> AddText(IUnknown* holder, ULONG tag, const wchar_t* label,
                                 float width = 0.0f, float height = 0.0f);
    CComPtr<IDSMenuOverlay> AddOverlay(IUnknown* holder, ULONG tag, float x, float y, float width,
                                       float height);
    // Makes the button play a chapter of the project's title.
    void PlayChapter(IDSMenuButton* button, int chapter);

    static ::testing::AssertionResult IsAt(IDSMenuElement* element, float x, float y);
    static std::wstring LabelOf(IDSMenuElement* element);
    static ULONG FlagsOf(IDSMenu* menu);

    CComPtr<IDSProjectData> m_project;
    CComPtr<IDSTitle> m_title;
};

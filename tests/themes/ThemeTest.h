// The fixture of the theme tests: a real project over the real engine, a content folder of the
// test's own (REELMARK_CONTENT) whose theme folders the test fills with themes it builds and
// saves, and the default-theme settings emptied, so that every test starts from nothing.
#pragma once

#include "model/IDSMenu.h"
#include "model/IDSMenuElement.h"
#include "model/IDSProjectData.h"

#include "platform/ComPtr.h"

#include "support/ProjectTest.h"
#include "support/ScopedEnvironment.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

// Where the buttons and texts of the test theme are, in menu space.
struct TestThemeLayout
{
    static constexpr float kCommandX = -0.5f;
    static constexpr float kCommandY = 0.2f;
    // The thumbnail inside the command button, relative to it.
    static constexpr float kThumbnailY = 0.05f;
    static constexpr float kThumbnailWidth = 0.4f;
    static constexpr float kThumbnailHeight = 0.3f;
    static constexpr float kLabelY = -0.2f;
    static constexpr float kNextX = 0.8f;
    static constexpr float kNextY = -0.85f;
    static constexpr float kTitleY = 0.8f;
};

// Colours of the test theme (BGRA pixels as the engine renders them).
inline constexpr DWORD kThemeBackground = 0xFF203040;
inline constexpr DWORD kThemePlaceholder = 0xFF00C000;
inline constexpr DWORD kUserThumbnail = 0xFFE00000;

class ThemeTest : public ProjectTest
{
protected:
    ThemeTest();
    ~ThemeTest() override;

    // The themes folder of an aspect inside the test's content folder, made when missing.
    std::wstring ThemeFolder(bool b4x3);
    // A picture of one colour in the scratch folder.
    std::wstring Picture(const std::string& name, DWORD argb, int width = 32, int height = 24);

    CComPtr<IDSProjectData> NewTheme(const wchar_t* name);
    // A main-menu template (tag as given): a background picture, a title text, a command
    // button holding a placeholder thumbnail and a label, Next, Prev, Up and Home buttons and
    // one generic overlay.
    CComPtr<IDSMenu> AddMainTemplate(IDSProjectData* theme, ULONG tag = MenuType_MainTemplate);
    // A chapter-menu template: a background, a title text, three chapter-range buttons named
    // "Range1" to "Range3" with labels, and Next, Prev, Up and Home buttons.
    CComPtr<IDSMenu> AddChapterTemplate(IDSProjectData* theme);
    // Writes the theme as a theme file.
    std::wstring SaveTheme(IDSProjectData* theme, const std::wstring& path);
    // A theme with a main and a chapter template saved in the folder under the name.
    std::wstring WriteTheme(const std::wstring& folder, const std::wstring& fileName);

    // The user's project, with one title.
    CComPtr<IDSProjectData> m_project;
    CComPtr<IDSTitle> m_title;
    ScratchFolder m_scratch;

private:
    ScopedEnvironment m_content;
};

// A user's project with the test theme's templates copied in and a main and a chapter menu
// made from them (ApplyStyle), as a new project has them.
class ThemedProject : public ThemeTest
{
protected:
    ThemedProject();
    ~ThemedProject() override;

    CComPtr<IDSMenu> m_mainTemplate;
    CComPtr<IDSMenu> m_chapterTemplate;
    CComPtr<IDSMenu> m_main;
    CComPtr<IDSMenu> m_chapter;
};

// The first button, text or overlay of a holder's list whose tag matches the mask.
CComPtr<IDSMenuButton> FirstButtonOf(IUnknown* holder, ULONG mask);
CComPtr<IDSMenuText> FirstTextOf(IUnknown* holder, ULONG mask);
CComPtr<IDSMenuOverlay> FirstOverlayOf(IUnknown* holder, ULONG mask);
std::wstring LabelOf(IDSMenuElement* element);
std::wstring NameOf(IDSMenuElement* element);
std::wstring BackgroundOf(IDSMenu* menu);
std::wstring AudioOf(IDSMenu* menu);
::testing::AssertionResult IsAt(IDSMenuElement* element, float x, float y);

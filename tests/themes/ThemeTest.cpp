#include "ThemeTest.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"

#include "model/IDSProjectFile.h"
#include "model/ModelClasses.h"

#include "platform/Config.h"
#include "platform/Image.h"

#include <cmath>
#include <filesystem>

namespace {

std::string ContentFolderOf(const ScratchFolder& scratch)
{
    return (scratch.Path() / "content").string();
}

CComPtr<IDSMenuText> AddLabelledText(IUnknown* holder, ULONG tag, const wchar_t* label, float y,
                                     float width, COLORREF face)
{
    CComPtr<IDSMenuText> text = Placed(::AddText(holder), tag, 0.0f, y, width, 0.16f);
    EXPECT_EQ(S_OK, text->put_Label(CComBSTR(label)));
    EXPECT_EQ(S_OK, text->put_FontSize(0.1f));
    EXPECT_EQ(S_OK, text->SetColor(TextColour_Face, face));
    return text;
}

// A navigation button: a small picture at its place.
void AddNavigationButton(IDSMenu* menu, ULONG tag, float x, const std::wstring& picture)
{
    CComPtr<IDSMenuButton> button =
        Placed(::AddButton(menu), tag, x, TestThemeLayout::kNextY, 0.0f, 0.0f);
    CComPtr<IDSMenuOverlay> arrow = Placed(::AddOverlay(button), 0, 0.0f, 0.0f, 0.1f, 0.1f);
    EXPECT_EQ(S_OK, arrow->put_Source(CComBSTR(picture)));
}

void AddNavigationButtons(IDSMenu* menu, const std::wstring& picture)
{
    AddNavigationButton(menu, ButtonType_Next, TestThemeLayout::kNextX, picture);
    AddNavigationButton(menu, ButtonType_Prev, -0.8f, picture);
    AddNavigationButton(menu, ButtonType_Up, 0.5f, picture);
    AddNavigationButton(menu, ButtonType_Home, -0.5f, picture);
}

} // namespace

ThemeTest::ThemeTest() : m_content("REELMARK_CONTENT", ContentFolderOf(m_scratch).c_str())
{
    CDSConfig config;
    for (int setting :
         {DSConfig_DefaultTheme4x3, DSConfig_DefaultTheme16x9, DSConfig_DefaultThemeHD})
        EXPECT_EQ(S_OK, config.SetString(setting, L""));
    m_project = NewProject();
    m_title = AddTitle(m_project);
}

ThemeTest::~ThemeTest()
{
    m_title.Release();
    m_project.Release();
}

std::wstring ThemeTest::ThemeFolder(bool b4x3)
{
    std::filesystem::path folder =
        m_scratch.Path() / "content" / "DVD" / (b4x3 ? "4x3" : "16x9") / "Themes";
    std::filesystem::create_directories(folder);
    return folder.wstring();
}

std::wstring ThemeTest::Picture(const std::string& name, DWORD argb, int width, int height)
{
    BgraImage picture;
    EXPECT_EQ(S_OK, BgraImage::Create(width, height, argb, picture));
    std::wstring path = m_scratch.File(name);
    EXPECT_EQ(S_OK, SaveImageFile(picture, path));
    return path;
}

CComPtr<IDSProjectData> ThemeTest::NewTheme(const wchar_t* name)
{
    CComPtr<IDSProjectData> theme = NewProject();
    EXPECT_EQ(S_OK, theme->put_Name(CComBSTR(name)));
    return theme;
}

CComPtr<IDSMenu> ThemeTest::AddMainTemplate(IDSProjectData* theme, ULONG tag)
{
    CComPtr<IDSMenu> menu = Tagged(::AddMenu(theme), tag);
    EXPECT_EQ(S_OK, menu->put_Name(CComBSTR(L"Main")));
    EXPECT_EQ(S_OK, menu->put_Background(CComBSTR(Picture("background.png", kThemeBackground))));
    EXPECT_EQ(S_OK, menu->put_Duration(8.0));
    FloatRect area = {-0.9f, 0.6f, 0.9f, -0.7f};
    EXPECT_EQ(S_OK, menu->put_LayoutRect(&area));
    AddLabelledText(menu, 0, L"Theme title", TestThemeLayout::kTitleY, 1.6f, 0x0000FFFF);
    CComPtr<IDSMenuButton> command =
        Placed(::AddButton(menu), ButtonType_Command, TestThemeLayout::kCommandX,
               TestThemeLayout::kCommandY, 0, 0);
    CComPtr<IDSMenuOverlay> thumbnail =
        Placed(::AddOverlay(command), OverlayType_Thumbnail, 0.0f, TestThemeLayout::kThumbnailY,
               TestThemeLayout::kThumbnailWidth, TestThemeLayout::kThumbnailHeight);
    EXPECT_EQ(S_OK, thumbnail->put_Source(CComBSTR(Picture("placeholder.png", kThemePlaceholder))));
    AddLabelledText(command, TextType_Label, L"Movie", TestThemeLayout::kLabelY, 0.6f, 0x00FFFFFF);
    AddNavigationButtons(menu, Picture("arrow.png", 0xFFFFFFFF));
    CComPtr<IDSMenuOverlay> logo =
        Placed(::AddOverlay(menu), OverlayType_Generic, 0.85f, 0.85f, 0.1f, 0.1f);
    EXPECT_EQ(S_OK, logo->put_Source(CComBSTR(Picture("logo.png", 0xFFFFFFFF))));
    return menu;
}

CComPtr<IDSMenu> ThemeTest::AddChapterTemplate(IDSProjectData* theme)
{
    CComPtr<IDSMenu> menu = Tagged(::AddMenu(theme), MenuType_ChapterTemplate);
    EXPECT_EQ(S_OK, menu->put_Name(CComBSTR(L"Chapters")));
    EXPECT_EQ(S_OK, menu->put_Background(CComBSTR(Picture("chapters.png", 0xFF402020))));
    AddLabelledText(menu, 0, L"Chapters", TestThemeLayout::kTitleY, 1.6f, 0x0000FFFF);
    const float places[] = {-0.6f, 0.0f, 0.6f};
    for (int k = 0; k < 3; ++k) {
        CComPtr<IDSMenuButton> range =
            Placed(::AddButton(menu), ButtonType_ChapterRange, places[k], -0.6f, 0.3f, 0.1f);
        EXPECT_EQ(S_OK, range->put_Name(CComBSTR(L"Range" + std::to_wstring(k + 1))));
        AddLabelledText(range, TextType_Label, L"1-1", 0.0f, 0.3f, 0x00FFFFFF);
    }
    AddNavigationButtons(menu, Picture("arrow.png", 0xFFFFFFFF));
    return menu;
}

std::wstring ThemeTest::SaveTheme(IDSProjectData* theme, const std::wstring& path)
{
    CComPtr<IDSProjectFile> files;
    EXPECT_EQ(S_OK, files.CoCreateInstance(CLSID_CDSProjectFile));
    EXPECT_EQ(S_OK, files->SaveProject(CComBSTR(path), theme));
    return path;
}

std::wstring ThemeTest::WriteTheme(const std::wstring& folder, const std::wstring& fileName)
{
    CComPtr<IDSProjectData> theme = NewTheme(fileName.c_str());
    AddMainTemplate(theme);
    AddChapterTemplate(theme);
    return SaveTheme(theme, folder + L"/" + fileName);
}

ThemedProject::ThemedProject()
{
    std::wstring path = WriteTheme(m_scratch.Path().wstring(), L"Test.dmsd");
    EXPECT_EQ(S_OK, CDSMenuUtils::CopyTemplate(m_project, path.c_str(), false, &m_mainTemplate));
    EXPECT_EQ(S_OK, CDSMenuUtils::FindTemplateByMenuType(m_project, m_mainTemplate,
                                                         MenuType_Chapter, &m_chapterTemplate));
    m_main = Tagged(::AddMenu(m_project), MenuType_Main);
    EXPECT_EQ(S_OK, CDSMenuUtils::ApplyStyle(m_main, m_mainTemplate));
    m_chapter = Tagged(::AddMenu(m_project), MenuType_Chapter);
    EXPECT_EQ(S_OK, CDSMenuUtils::ApplyStyle(m_chapter, m_chapterTemplate));
    KVUClearErrorStack();
}

ThemedProject::~ThemedProject()
{
    m_chapter.Release();
    m_main.Release();
    m_chapterTemplate.Release();
    m_mainTemplate.Release();
}

CComPtr<IDSMenuButton> FirstButtonOf(IUnknown* holder, ULONG mask)
{
    std::vector<CComPtr<IDSMenuButton>> list = GetButtonList(holder, mask);
    return list.empty() ? nullptr : list.front();
}

CComPtr<IDSMenuText> FirstTextOf(IUnknown* holder, ULONG mask)
{
    std::vector<CComPtr<IDSMenuText>> list = GetTextList(holder, mask);
    return list.empty() ? nullptr : list.front();
}

CComPtr<IDSMenuOverlay> FirstOverlayOf(IUnknown* holder, ULONG mask)
{
    std::vector<CComPtr<IDSMenuOverlay>> list = GetOverlayList(holder, mask);
    return list.empty() ? nullptr : list.front();
}

template <class I> static std::wstring StringOf(I* object, HRESULT (I::*read)(BSTR*))
{
    CComBSTR text;
    EXPECT_EQ(S_OK, (object->*read)(&text));
    return text.Str();
}

std::wstring LabelOf(IDSMenuElement* element)
{
    return StringOf(element, &IDSMenuElement::get_Label);
}

std::wstring NameOf(IDSMenuElement* element)
{
    return StringOf(element, &IDSMenuElement::get_Name);
}

std::wstring BackgroundOf(IDSMenu* menu)
{
    return StringOf(menu, &IDSMenu::get_Background);
}

std::wstring AudioOf(IDSMenu* menu)
{
    return StringOf(menu, &IDSMenu::get_Audio);
}

::testing::AssertionResult IsAt(IDSMenuElement* element, float x, float y)
{
    float atX = 0.0f;
    float atY = 0.0f;
    element->GetPosition(&atX, &atY);
    if (std::abs(atX - x) <= 1e-6f && std::abs(atY - y) <= 1e-6f)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at (" << atX << ", " << atY << "), expected (" << x << ", " << y << ")";
}

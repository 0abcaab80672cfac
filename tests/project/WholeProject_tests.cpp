// A disc project made from nothing through the project operations, the way a person makes one:
// a new DVD project, titles dropped in with their buttons and chapter menus, the menus resolved
// and looked at, the project validated, saved and loaded again.
#include "MenuProjectTest.h"

#include "dsutils/DSProjectValidator.h"

#include "support/FrameGrab.h"

#include "model/IDSProjectFile.h"
#include "model/ModelClasses.h"

#include "platform/StringConv.h"

#include <filesystem>
#include <sstream>

namespace {

class WholeProjectTest : public MenuProjectTest
{
protected:
    // Everything the disc is made of, one line per object: titles with their commands, menus
    // with their properties and commands, their elements with their places, labels and
    // commands.
    std::vector<std::string> Describe(IDSProjectData* project)
    {
        std::vector<std::string> lines;
        lines.push_back("project " + Commands(project));
        for (const CComPtr<IDSTitle>& title : GetTitleList(project, kAllTags))
            lines.push_back("title " + std::to_string(GetID(title)) + " " +
                            WideToUtf8(GetDisplayName(title, nullptr).Str()) + " " +
                            std::to_string(GetTag(title)) + Commands(title));
        for (const CComPtr<IDSMenu>& menu : GetMenuList(project, kAllTags)) {
            CComBSTR background;
            EXPECT_EQ(S_OK, menu->get_Background(&background));
            lines.push_back("menu " + std::to_string(GetID(menu)) + " " +
                            std::to_string(GetTag(menu)) + " " +
                            std::to_string(GetTemplateID(menu)) + " " +
                            WideToUtf8(background.Str()) + Commands(menu));
            DescribeElements(menu, "  ", lines);
        }
        return lines;
    }

    static void DescribeElements(IUnknown* holder, const std::string& indent,
                                 std::vector<std::string>& lines)
    {
        for (const CComPtr<IDSMenuElement>& element : GetElementList(holder, kAllTags)) {
            float x = 0, y = 0;
            EXPECT_EQ(S_OK, element->GetPosition(&x, &y));
            std::ostringstream line;
            line << indent << GetID(element) << " " << GetTag(element) << " " << x << "," << y
                 << " " << WideToUtf8(GetDisplayName(element, nullptr).Str()) << Commands(element);
            lines.push_back(line.str());
            DescribeElements(element, indent + "  ", lines);
        }
    }

    static std::string Commands(IUnknown* holder)
    {
        std::string text;
        CCommandList commands(holder);
        for (int i = 0; i < commands.size(); ++i)
            text += " [" + std::to_string(commands[i].command) + " " +
                    std::to_string(commands[i].param1) + " " + std::to_string(commands[i].param2) +
                    "]";
        return text;
    }

    // The root menu drawn over its background at the middle of its first second, written
    // under the build tree for a person to look at, and its background alone.
    void Render(BgraImage& menu, BgraImage& background)
    {
        CComPtr<IUnknown> production;
        ASSERT_EQ(S_OK, Root()->GetProduction(&production));
        ASSERT_EQ(S_OK, ExtractFrame(CComQIPtr<IKVEProductionData>(production), 0.5, kWidth,
                                     kHeight, menu));
        CComPtr<IKVEProductionData> backdrop;
        ASSERT_EQ(S_OK, MenuBackgroundProduction(Root(), backdrop));
        ASSERT_EQ(S_OK, ExtractFrame(backdrop, 0.5, kWidth, kHeight, background));
        std::filesystem::create_directories(DSUTILS_TEST_PICTURES);
        EXPECT_EQ(S_OK, SaveImageFile(menu, Utf8ToWide(std::string(DSUTILS_TEST_PICTURES) +
                                                       "/WholeProject_RootMenu.png")));
    }

    // The pixel of the frame at the centre of a menu-space rectangle.
    static DWORD PixelAtCentre(const BgraImage& frame, const FloatRect& rect)
    {
        float x = (rect.left + rect.right) / 2;
        float y = (rect.top + rect.bottom) / 2;
        return frame.PixelAt(int((x + 1) / 2 * kWidth), int((1 - y) / 2 * kHeight));
    }

    static constexpr int kWidth = 360;
    static constexpr int kHeight = 240;
};

TEST_F(WholeProjectTest, ANewDVDWithThreeTitlesIsResolvedValidatedSavedAndLoadedAgain)
{
    MakeProject(1, AspectRatio_4x3);
    CComPtr<IDSTitle> titles[] = {ChapterTitle("Harbour.mp4", 8, {2, 4, 6}),
                                  ChapterTitle("Meadow.mp4", 6, {3}),
                                  ChapterTitle("Glacier.mp4", 4, {})};
    ASSERT_EQ(S_OK, CDSAppUtils::RegenerateMenus(m_project, Root(), true, true))
        << KVUGetErrorStackText();
    ExpectEveryLinkSound();
    EXPECT_EQ(2u, Menus(MenuType_Chapter).size());

    for (const CComPtr<IDSMenu>& menu : Menus(MenuType_Main | MenuType_Chapter))
        ASSERT_EQ(S_OK, CDSMenuUtils::ResolveMenuProduction(menu, nullptr, true))
            << KVUGetErrorStackText();
    ExpectEveryLinkSound();

    // Each title's button shows the first frame of its title where the background showed.
    BgraImage menu, background;
    Render(menu, background);
    std::vector<CComPtr<IDSMenuButton>> buttons = GetButtonList(Root(), ButtonType_Command);
    ASSERT_EQ(3u, buttons.size());
    for (const CComPtr<IDSMenuButton>& button : buttons) {
        FloatRect thumbnail{};
        ASSERT_EQ(S_OK,
                  GetOverlayList(button, OverlayType_Thumbnail).front()->GetExtent(&thumbnail));
        EXPECT_GT(
            ColourDistance(PixelAtCentre(menu, thumbnail), PixelAtCentre(background, thumbnail)),
            40)
            << NameOfTitle(button);
        // The titles start with a frame of one colour.
        EXPECT_COLOUR_NEAR(LeftColourOfFrame(0), PixelAtCentre(menu, thumbnail), 60);
    }

    CDSProjectValidator validator;
    validator.setFreeSpaceQuery([](const std::wstring&, ULONGLONG& bytes) {
        bytes = 1ull << 40;
        return S_OK;
    });
    ASSERT_EQ(S_OK, validator.validateProject(m_project)) << KVUGetErrorStackText();
    for (const CErrorInfo& finding : validator.getErrorList())
        EXPECT_NE(ErrorSeverity_Fatal, finding.getErrorSeverity())
            << int(finding.getErrorCode()) << " " << finding.getItemID();
    EXPECT_FALSE(validator.areErrorsPreventingBurn());

    CComPtr<IDSProjectFile> files;
    ASSERT_EQ(S_OK, files.CoCreateInstance(uuidof<CDSProjectFile>()));
    CComBSTR path(m_folder.File("Holiday.dsp"));
    ASSERT_EQ(S_OK, files->SaveProject(path, m_project)) << KVUGetErrorStackText();
    CComPtr<IDSProjectData> loaded = NewProject();
    ASSERT_EQ(S_OK, files->LoadProject(path, loaded)) << KVUGetErrorStackText();
    std::vector<std::string> before = Describe(m_project);
    std::vector<std::string> after = Describe(loaded);
    EXPECT_EQ(before, after);
    EXPECT_GT(before.size(), 20u);
}

} // namespace

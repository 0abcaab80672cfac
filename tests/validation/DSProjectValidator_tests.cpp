#include "dsutils/DSProjectValidator.h"

#include "ValidationProject.h"

#include "dsutils/DSChapterList.h"
#include "dsutils/DSCmdList.h"
#include "dsutils/DSFileUtils.h"
#include "dsutils/DSProductionUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/DSTags.h"
#include "dsutils/MenuStyleUtil.h"

#include "support/ErrorStackText.h"
#include "support/ScopedEnvironment.h"

#include "model/IDSDataFile.h"
#include "model/IDSEncodingParams.h"
#include "platform/Config.h"
#include "platform/ResultCodes.h"

#include <filesystem>
#include <fstream>

namespace {

constexpr ULONGLONG kMiB = 1024 * 1024;

class ValidatorTest : public ValidationProjectTest
{
protected:
    ValidatorTest() { GiveFreeSpace(1ull << 40); }

    // Every folder the validator asks about has that much free space.
    void GiveFreeSpace(ULONGLONG bytes)
    {
        validator.setFreeSpaceQuery([this, bytes](const std::wstring& folder, ULONGLONG& free) {
            askedFolder = folder;
            free = bytes;
            return S_OK;
        });
    }

    const std::vector<CErrorInfo>& Validate()
    {
        EXPECT_EQ(S_OK, validator.validateProject(project));
        return validator.getErrorList();
    }

    std::wstring TempFolder()
    {
        CComBSTR folder;
        EXPECT_EQ(S_OK, CDSFileUtils().GetDirectory(CDSFileUtils::DirTemp, L"", folder));
        return folder.Str();
    }

    // A copy of the clip that the test deletes later.
    std::wstring ClipCopy(const char* name)
    {
        std::wstring copy = folder.File(name);
        std::filesystem::copy_file(clip, copy);
        return copy;
    }

    CDSProjectValidator validator;
    std::wstring askedFolder;
};

TEST(ValidatorRectangles, EdgesAndCornersCountAsInside)
{
    FloatRect square{-0.5f, 0.5f, 0.5f, -0.5f};
    EXPECT_TRUE(CDSProjectValidator::isInside(-0.5f, 0.5f, square));
    EXPECT_TRUE(CDSProjectValidator::isInside(0.5f, -0.5f, square));
    EXPECT_TRUE(CDSProjectValidator::isInside(0.0f, 0.5f, square));
    EXPECT_FALSE(CDSProjectValidator::isInside(0.51f, 0.0f, square));
    EXPECT_FALSE(CDSProjectValidator::isInside(0.0f, -0.51f, square));
}

TEST(ValidatorRectangles, IntersectionInEveryArrangement)
{
    struct Case
    {
        const char* arrangement;
        FloatRect a;
        FloatRect b;
        bool intersecting;
    };
    const Case cases[] = {
        {"sharing an edge", {-0.5f, 0.5f, 0.0f, -0.5f}, {0.0f, 0.5f, 0.5f, -0.5f}, true},
        {"sharing a corner", {-0.5f, 0.5f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.5f, -0.5f}, true},
        {"tall and narrow across wide and low",
         {-0.1f, 0.8f, 0.1f, -0.8f},
         {-0.5f, 0.2f, 0.5f, -0.2f},
         true},
        {"wholly inside", {-0.1f, 0.1f, 0.1f, -0.1f}, {-0.5f, 0.5f, 0.5f, -0.5f}, true},
        {"side by side", {-0.5f, 0.5f, -0.1f, -0.5f}, {0.1f, 0.5f, 0.5f, -0.5f}, false},
        {"one above the other", {-0.5f, 0.5f, 0.5f, 0.1f}, {-0.5f, -0.1f, 0.5f, -0.5f}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arrangement);
        EXPECT_EQ(c.intersecting, CDSProjectValidator::areRectanglesIntersecting(c.a, c.b));
        EXPECT_EQ(c.intersecting, CDSProjectValidator::areRectanglesIntersecting(c.b, c.a));
    }
    // Only the tall, narrow one crosses the other without a corner in it.
    EXPECT_TRUE(CDSProjectValidator::areRectanglesIntersectingOutside(cases[2].a, cases[2].b));
    EXPECT_FALSE(CDSProjectValidator::areRectanglesIntersectingOutside(cases[2].b, cases[2].a));
}

TEST_F(ValidatorTest, ButtonsOverlappingInAnyWayAreReportedOncePerPair)
{
    CComPtr<IDSMenu> menu = AddLoopingMenu();
    CComPtr<IDSMenuButton> big = AddButtonIn(menu, {-0.9f, 0.9f, 0.0f, 0.0f});
    // Wholly inside the button before it: none of the big one's corners lies in it.
    CComPtr<IDSMenuButton> inside = AddButtonIn(menu, {-0.6f, 0.6f, -0.3f, 0.3f});
    CComPtr<IDSMenuButton> touching = AddButtonIn(menu, {0.0f, 0.9f, 0.4f, 0.5f}, ButtonType_Next);
    AddButtonIn(menu, {0.6f, -0.6f, 0.9f, -0.9f});
    // A tall, narrow button across a wide, low one: no corner of either in the other.
    CComPtr<IDSMenuButton> tall = AddButtonIn(menu, {-0.5f, -0.1f, -0.45f, -0.9f});
    CComPtr<IDSMenuButton> wide = AddButtonIn(menu, {-0.8f, -0.4f, -0.2f, -0.5f});

    std::vector<CErrorInfo> overlaps = Only(Validate(), ErrorCode_OverlappingButtons);
    ASSERT_EQ(3u, overlaps.size());
    EXPECT_EQ(GetID(big), overlaps[0].getItemID());
    EXPECT_EQ((std::vector<LONG>{GetID(inside)}), overlaps[0].getAffectedItems());
    EXPECT_EQ(GetID(menu), overlaps[0].getMenuID());
    EXPECT_EQ(ErrorSeverity_Warning, overlaps[0].getErrorSeverity());
    EXPECT_EQ((std::vector<LONG>{GetID(touching)}), overlaps[1].getAffectedItems());
    EXPECT_EQ(GetID(tall), overlaps[2].getItemID());
    EXPECT_EQ((std::vector<LONG>{GetID(wide)}), overlaps[2].getAffectedItems());
}

TEST_F(ValidatorTest, WorkingFolderNeedsFiveHundredMebibytesOnStandardDiscs)
{
    AddLink(AddLoopingMenu(), AddClipTitle());
    GiveFreeSpace(499 * kMiB);
    std::vector<CErrorInfo> space = Only(Validate(), ErrorCode_NotEnoughDiskSpace);
    ASSERT_EQ(1u, space.size());
    EXPECT_EQ(ErrorSeverity_Fatal, space[0].getErrorSeverity());
    EXPECT_EQ(TempFolder(), askedFolder);
    EXPECT_TRUE(validator.areErrorsPreventingBurn());

    validator.clearErrors();
    GiveFreeSpace(500 * kMiB);
    EXPECT_EQ(0, CountOf(Validate(), ErrorCode_NotEnoughDiskSpace));
    EXPECT_FALSE(validator.areErrorsPreventingBurn());
}

TEST_F(ValidatorTest, HighDefinitionDiscsNeedSpaceByTheirSizeBesideTheWorkingFolder)
{
    AddLink(AddLoopingMenu(), AddClipTitle());
    LONGLONG size = 0;
    ASSERT_EQ(S_OK, project->get_ProjectSize(&size));
    ASSERT_GT(size, 0);
    std::wstring temp = TempFolder();
    std::wstring parent = temp.substr(0, temp.find_last_of(L'/'));
    struct Case
    {
        DiscFormat format;
        ULONGLONG needed;
    };
    for (const Case& c :
         {Case{DiscFormat_BluRay, 2ull * size}, Case{DiscFormat_HDDVD, 3ull * size}}) {
        SCOPED_TRACE(c.format);
        ASSERT_EQ(S_OK, project->put_DiscFormat(c.format));
        validator.clearErrors();
        GiveFreeSpace(c.needed - 1);
        EXPECT_EQ(1, CountOf(Validate(), ErrorCode_NotEnoughDiskSpace));
        EXPECT_EQ(parent, askedFolder);
        validator.clearErrors();
        GiveFreeSpace(c.needed);
        EXPECT_EQ(0, CountOf(Validate(), ErrorCode_NotEnoughDiskSpace));
    }
}

TEST_F(ValidatorTest, SpaceThatCannotBeMeasuredIsTooLittle)
{
    validator.setFreeSpaceQuery([](const std::wstring&, ULONGLONG&) { return E_ACCESSDENIED; });
    EXPECT_EQ(1, CountOf(Validate(), ErrorCode_NotEnoughDiskSpace));
}

TEST_F(ValidatorTest, NTSCDiscWithMPEGAudioInOneTitleGetsOneNote)
{
    CComPtr<IDSMenu> menu = AddLoopingMenu();
    CComPtr<IDSTitle> mpeg = AddClipTitle();
    AddLink(menu, mpeg);
    AddLink(menu, AddClipTitle());
    ASSERT_EQ(S_OK, CComQIPtr<IDSEncodingParams>(mpeg)->put_AudioFormat(AudioFormat_MPEG));

    std::vector<CErrorInfo> notes = Only(Validate(), ErrorCode_NTSCWithMPEGAudio);
    ASSERT_EQ(1u, notes.size());
    EXPECT_EQ(ErrorSeverity_Info, notes[0].getErrorSeverity());
    EXPECT_EQ((std::vector<LONG>{GetID(mpeg)}), notes[0].getAffectedTitles());

    // The project's own MPEG audio adds no second note.
    ASSERT_EQ(S_OK, CComQIPtr<IDSEncodingParams>(project)->put_AudioFormat(AudioFormat_MPEG));
    validator.clearErrors();
    EXPECT_EQ(1, CountOf(Validate(), ErrorCode_NTSCWithMPEGAudio));

    // PAL discs, and DVD format 4, play MPEG audio.
    for (auto setting :
         {std::pair{DiscFormat_DVD, TVStandard_PAL}, std::pair{DiscFormat_DVD4, TVStandard_NTSC}}) {
        ASSERT_EQ(S_OK, project->put_DiscFormat(setting.first));
        ASSERT_EQ(S_OK, project->put_TVStandard(setting.second));
        validator.clearErrors();
        EXPECT_EQ(0, CountOf(Validate(), ErrorCode_NTSCWithMPEGAudio));
    }
}

TEST_F(ValidatorTest, EmptyTitlesAndMenusShowingThemStopTheBurn)
{
    CComPtr<IDSMenu> menu = AddLoopingMenu();
    CComPtr<IDSTitle> empty = AddTitle(project);
    CComPtr<IDSTitle> full = AddClipTitle();
    AddLink(menu, empty);
    AddLink(menu, full);
    for (IDSTitle* shown : {full.p, empty.p}) {
        std::wstring moniker = L"moniker::dvdproduction_" + std::to_wstring(GetID(shown));
        AddNested(ProductionOf(menu), moniker.c_str(), ProductionOf(shown));
    }

    const std::vector<CErrorInfo>& errors = Validate();
    std::vector<CErrorInfo> shown = Only(errors, ErrorCode_MenuShowsEmptyTitle);
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(GetID(menu), shown[0].getItemID());
    EXPECT_EQ(GetID(empty), shown[0].getItemID2());
    EXPECT_EQ(ErrorSeverity_Fatal, shown[0].getErrorSeverity());
    std::vector<CErrorInfo> emptyTitles = Only(errors, ErrorCode_EmptyTitle);
    ASSERT_EQ(1u, emptyTitles.size());
    EXPECT_EQ(GetID(empty), emptyTitles[0].getItemID());
}

TEST_F(ValidatorTest, MissingFileInTheThirdNestedProductionIsFound)
{
    std::wstring gone = ClipCopy("gone.mp4");
    CComPtr<IKVEProductionData> third = NewProduction();
    AddSource(third, gone);
    CComPtr<IKVEProductionData> second = NewProduction();
    AddNested(second, L"moniker::third", third);
    CComPtr<IKVEProductionData> first = NewProduction();
    AddNested(first, L"moniker::second", second);
    CComPtr<IDSTitle> title = AddClipTitle();
    AddNested(ProductionOf(title), L"moniker::first", first);
    AddLink(AddLoopingMenu(), title);
    std::filesystem::remove(gone);

    std::vector<CErrorInfo> missing = Only(Validate(), ErrorCode_TitleFileMissing);
    ASSERT_EQ(1u, missing.size());
    EXPECT_EQ(GetID(title), missing[0].getItemID());
    EXPECT_EQ(gone, missing[0].getFileName());
    EXPECT_EQ(ErrorSeverity_Fatal, missing[0].getErrorSeverity());
}

TEST_F(ValidatorTest, ProductionFilesThatContainThemselvesAreSearchedOnce)
{
    std::wstring gone = ClipCopy("gone.mp4");
    std::wstring first = folder.File("first.dmsm");
    std::wstring second = folder.File("second.dmsm");
    CComPtr<IKVEProductionData> writer = NewProduction();
    AddSource(writer, clip);
    ASSERT_EQ(S_OK, writer->SaveAsProduction(CComBSTR(first.c_str())));
    writer = NewProduction();
    AddSource(writer, first);
    AddSource(writer, gone);
    ASSERT_EQ(S_OK, writer->SaveAsProduction(CComBSTR(second.c_str())));
    writer = NewProduction();
    AddSource(writer, second);
    ASSERT_EQ(S_OK, writer->SaveAsProduction(CComBSTR(first.c_str())));
    CComPtr<IDSTitle> title = AddClipTitle();
    AddSource(ProductionOf(title), first);
    AddLink(AddLoopingMenu(), title);
    std::filesystem::remove(gone);

    std::vector<CErrorInfo> missing = Only(Validate(), ErrorCode_TitleFileMissing);
    ASSERT_EQ(1u, missing.size());
    EXPECT_EQ(gone, missing[0].getFileName());
}

TEST_F(ValidatorTest, MissingAndUnloadableFilesOfMenusTitlesAndData)
{
    CComPtr<IDSMenu> menu = AddLoopingMenu();
    std::wstring background = ClipCopy("background.mp4");
    AddSource(ProductionOf(menu), background);
    CComPtr<IDSTitle> vobTitle = Tagged(AddTitle(project), TitleType_User);
    std::wstring vob = ClipCopy("title.vob");
    ASSERT_EQ(S_OK, CComQIPtr<IEditData>(ProductionOf(vobTitle))
                        ->Add3DVOBMoniker(0, CComBSTR((L"vob:" + vob).c_str()), ENM_3DSOURCE_2D,
                                          VARIANT_TRUE, VARIANT_TRUE, nullptr));
    CComPtr<IDSTitle> fileTitle = AddClipTitle();
    std::wstring production = folder.File("broken.dmsm");
    CComPtr<IKVEProductionData> writer = NewProduction();
    AddSource(writer, clip);
    ASSERT_EQ(S_OK, writer->SaveAsProduction(CComBSTR(production.c_str())));
    AddSource(ProductionOf(fileTitle), production);
    AddLink(menu, vobTitle);
    AddLink(menu, fileTitle);
    CComPtr<IDSDataFile> readable;
    CComPtr<IDSDataFile> unreadable;
    ASSERT_EQ(S_OK, project->AddDataFile(CComBSTR(clip.c_str()), &readable));
    ASSERT_EQ(S_OK, project->AddDataFile(CComBSTR(folder.File("none.txt").c_str()), &unreadable));
    std::filesystem::remove(background);
    std::filesystem::remove(vob);
    std::ofstream(std::filesystem::path(production)) << "not a production";

    const std::vector<CErrorInfo>& errors = Validate();
    std::vector<CErrorInfo> data = Only(errors, ErrorCode_DataFileUnreadable);
    ASSERT_EQ(1u, data.size());
    LONG unreadableId = 0;
    ASSERT_EQ(S_OK, unreadable->get_ID(&unreadableId));
    EXPECT_EQ(unreadableId, data[0].getItemID());
    EXPECT_EQ(ErrorSeverity_Warning, data[0].getErrorSeverity());
    std::vector<CErrorInfo> menus = Only(errors, ErrorCode_MenuFileMissing);
    ASSERT_EQ(1u, menus.size());
    EXPECT_EQ(GetID(menu), menus[0].getItemID());
    EXPECT_EQ(background, menus[0].getFileName());
    std::vector<CErrorInfo> titles = Only(errors, ErrorCode_TitleFileMissing);
    ASSERT_EQ(2u, titles.size());
    EXPECT_EQ(GetID(vobTitle), titles[0].getItemID());
    EXPECT_EQ(vob, titles[0].getFileName());
    EXPECT_EQ(GetID(fileTitle), titles[1].getItemID());
    EXPECT_EQ(production, titles[1].getFileName());
}

// A slideshow holds 1997 panels at the most: 999 slides and the transitions between them.
// Colour panels between slides show no slide and do not count.
TEST_F(ValidatorTest, SlideshowsWithTooManySlidesStopTheBurn)
{
    CComPtr<IKVEProductionData> slide = ProductionOf(AddClipTitle());
    CComPtr<IDSTitle> title = AddTitle(project);
    CComPtr<IKVEProductionData> production = ProductionOf(title);
    for (int i = 0; i < 1000; ++i)
        AddNested(production, L"moniker::slide", slide);
    EXPECT_EQ(0, CountOf(Validate(), ErrorCode_TooManySlides));

    MakeSlideShow(title);
    validator.clearErrors();
    std::vector<CErrorInfo> slideShows = Only(Validate(), ErrorCode_TooManySlides);
    ASSERT_EQ(1u, slideShows.size());
    EXPECT_EQ(GetID(title), slideShows[0].getItemID());
    EXPECT_EQ(ErrorSeverity_Fatal, slideShows[0].getErrorSeverity());
    // A slideshow that loops has the same limit.
    ASSERT_EQ(S_OK, CDSProductionUtils::SetInfiniteSlideShow(title, true));
    ASSERT_TRUE(CDSProductionUtils::IsInfiniteSlideShow(production));
    validator.clearErrors();
    EXPECT_EQ(1, CountOf(Validate(), ErrorCode_TooManySlides));

    // The last slide becomes a colour: as many panels, one slide fewer.
    ASSERT_EQ(S_OK, production->DeletePanel(1998));
    ASSERT_EQ(S_OK, CComQIPtr<IEditData>(production)->AddSolidColor(1998, 0, nullptr));
    LONG panels = 0;
    ASSERT_EQ(S_OK, production->GetNumberOfPanels(&panels));
    ASSERT_EQ(1999, panels);
    validator.clearErrors();
    EXPECT_EQ(0, CountOf(Validate(), ErrorCode_TooManySlides));
}

TEST_F(ValidatorTest, RunningTwiceListsEveryFindingTwice)
{
    CComPtr<IDSMenu> menu = AddLoopingMenu();
    AddLink(menu, AddTitle(project));
    AddClipTitle();
    const std::vector<CErrorInfo> once = Validate();
    ASSERT_FALSE(once.empty());
    const std::vector<CErrorInfo>& twice = Validate();
    ASSERT_EQ(2 * once.size(), twice.size());
    for (size_t i = 0; i < once.size(); ++i) {
        EXPECT_EQ(once[i].getErrorCode(), twice[i + once.size()].getErrorCode());
        EXPECT_EQ(once[i].getItemID(), twice[i + once.size()].getItemID());
    }
    validator.clearErrors();
    EXPECT_EQ(static_cast<int>(once.size()), static_cast<int>(Validate().size()));
}

// Root menu R, with a link to a title, a button without commands, one naming an object the
// project does not have, a transition into a transition menu and a Next button to a second
// menu; a menu that only leads to itself; a still menu and a template nobody refers to; a
// first-play title that leads to a title when it ends, a title nobody refers to and a private
// title.
TEST_F(ValidatorTest, OrphansOfEveryKind)
{
    CComPtr<IDSMenu> root = AddLoopingMenu();
    CComPtr<IDSMenu> next = AddLoopingMenu();
    CComPtr<IDSMenu> selfOnly = AddLoopingMenu();
    CComPtr<IDSMenu> still = AddLoopingMenu();
    SetFlag(still, MenuFlag_Still);
    CComPtr<IDSMenu> transition = AddLoopingMenu(MenuType_Transition);
    CComPtr<IDSMenu> model = Tagged(AddMenu(project), MenuType_MainTemplate);
    AddButtonIn(model, {0.5f, 0.5f, 0.6f, 0.4f});
    CComPtr<IDSMenuButton> toTitle = AddLink(root, AddClipTitle());
    CComPtr<IDSMenuButton> noCommand = AddLink(root, nullptr);
    CComPtr<IDSMenuButton> unknown = AddLink(root, nullptr);
    CCommandList unknownCommands(unknown.p);
    ASSERT_EQ(S_OK, unknownCommands.InsertCmd(0, DiscCommand_PlayTitle, 9999, 1));
    ASSERT_EQ(S_OK, unknownCommands.Commit());
    CCommandList transitionCommands(toTitle.p);
    ASSERT_EQ(S_OK,
              transitionCommands.InsertCmd(0, DiscCommand_TransitionClip, GetID(transition), 0));
    ASSERT_EQ(S_OK, transitionCommands.Commit());
    AddLink(root, next, ButtonType_Next);
    CComPtr<IDSTitle> firstPlay = Tagged(AddClipTitle(), TitleType_FirstPlay);
    CComPtr<IDSTitle> afterFirstPlay = AddClipTitle();
    CCommandList endOfFirstPlay(firstPlay.p);
    endOfFirstPlay[0].command = DiscCommand_PlayTitle;
    endOfFirstPlay[0].param1 = GetID(afterFirstPlay);
    ASSERT_EQ(S_OK, endOfFirstPlay.Commit());
    CComPtr<IDSTitle> lonely = AddClipTitle();
    CComPtr<IDSTitle> background = Tagged(AddClipTitle(), TitleType_Private);

    const std::vector<CErrorInfo>& errors = Validate();
    std::vector<CErrorInfo> buttons = Only(errors, ErrorCode_ButtonLeadsNowhere);
    ASSERT_EQ(2u, buttons.size());
    EXPECT_EQ(GetID(noCommand), buttons[0].getItemID());
    EXPECT_EQ(GetID(root), buttons[0].getMenuID());
    EXPECT_EQ(GetID(unknown), buttons[1].getItemID());
    std::vector<CErrorInfo> menus = Only(errors, ErrorCode_MenuNotReferenced);
    ASSERT_EQ(1u, menus.size());
    EXPECT_EQ(GetID(selfOnly), menus[0].getItemID());
    std::vector<CErrorInfo> titles = Only(errors, ErrorCode_TitleNotReferenced);
    ASSERT_EQ(1u, titles.size());
    EXPECT_EQ(GetID(lonely), titles[0].getItemID());
    EXPECT_EQ(0, CountOf(errors, ErrorCode_NoFirstPlay) + CountOf(errors, ErrorCode_NothingToPlay));
    EXPECT_EQ(0, CountOf(errors, ErrorCode_OverlappingButtons));
    EXPECT_FALSE(validator.areErrorsPreventingBurn());
}

TEST_F(ValidatorTest, TemplatesOfTheThemeAreNoPartOfTheDisc)
{
    CComPtr<IDSProjectData> theme;
    ASSERT_EQ(S_OK, CMenuStyleUtil::GetFallback(&theme));
    ASSERT_EQ(S_OK, CDSMenuUtils::CopyTemplates(project, theme));
    AddLink(AddLoopingMenu(), AddClipTitle());
    ASSERT_GT(GetMenuList(project, MenuType_MainTemplate | MenuType_ChapterTemplate).size(), 0u);
    for (const CErrorInfo& error : Validate())
        ADD_FAILURE() << "code " << error.getErrorCode() << " about " << error.getItemID();
}

TEST_F(ValidatorTest, DiscWithNothingToStartWith)
{
    // Nothing at all to play.
    EXPECT_EQ(1, CountOf(Validate(), ErrorCode_NothingToPlay));
    EXPECT_TRUE(validator.areErrorsPreventingBurn());

    // Only a transition menu: something to show, but nothing the disc starts with.
    AddLoopingMenu(MenuType_Transition);
    validator.clearErrors();
    const std::vector<CErrorInfo>& errors = Validate();
    EXPECT_EQ(1, CountOf(errors, ErrorCode_NoFirstPlay));
    EXPECT_EQ(0, CountOf(errors, ErrorCode_NothingToPlay));

    // A disc without menus starts with its first title.
    AddClipTitle();
    validator.clearErrors();
    const std::vector<CErrorInfo>& menuless = Validate();
    EXPECT_EQ(0, CountOf(menuless, ErrorCode_NoFirstPlay) +
                     CountOf(menuless, ErrorCode_NothingToPlay));
}

TEST_F(ValidatorTest, ObjectThatIsNoProjectIsRefused)
{
    EXPECT_EQ(E_POINTER, validator.validateProject(AddClipTitle()));
    EXPECT_TRUE(StackHolds(L"*** Error NULL = (IDSProjectData*) spProject"));
    EXPECT_EQ(E_POINTER, validator.validateProject(nullptr));
    EXPECT_TRUE(validator.getErrorList().empty());
}

// Limits are configured per user: each test writes its own in a home of its own.
class CapacityTest : public ValidationProjectTest
{
protected:
    CapacityTest()
    {
        EXPECT_EQ(S_OK, config.SetCapability(DSConfig_MaxTitlesPerProject, 0, 2));
        EXPECT_EQ(S_OK, config.SetCapability(DSConfig_MaxTitlesPerProject, 4, 1));
        EXPECT_EQ(S_OK, config.SetCapability(DSConfig_MaxChaptersPerProject, 0, 3));
        EXPECT_EQ(S_OK, config.SetCapability(DSConfig_MaxChaptersPerTitle, 0, 2));
        EXPECT_EQ(S_OK, config.SetCapability(DSConfig_MaxButtonsPerMenu, 0, 2));
        EXPECT_EQ(S_OK, config.SetCapability(DSConfig_MaxButtonsPerMenu, 0x1000, 1));
    }

    static void AddChapter(IDSTitle* title, double time)
    {
        ASSERT_EQ(S_OK, CDSChapterList(ProductionOf(title)).InsertChapter(time, nullptr));
    }

    std::string home = (folder.Path() / "home").string();
    ScopedEnvironment homeVariable{"REELMARK_HOME", home.c_str()};
    CDSConfig config;
};

TEST_F(CapacityTest, TitlesUpToTheLimitOfTheDiscFormat)
{
    AddClipTitle();
    Tagged(AddClipTitle(), TitleType_Private);
    EXPECT_EQ(S_OK, CDSProjectValidator::CheckMaxTitlesPerProject(project));
    AddClipTitle();
    EXPECT_EQ(E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED,
              CDSProjectValidator::CheckMaxTitlesPerProject(project));
    EXPECT_TRUE(KVUGetErrorStack().empty());

    ASSERT_EQ(S_OK, project->put_DiscFormat(DiscFormat_DVD2));
    EXPECT_EQ(E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED,
              CDSProjectValidator::CheckMaxTitlesPerProject(project));
}

TEST_F(CapacityTest, ChaptersUpToTheLimitOfATitleAndOfTheProject)
{
    CComPtr<IDSTitle> first = AddClipTitle();
    CComPtr<IDSTitle> second = AddClipTitle();
    EXPECT_EQ(S_OK, CDSProjectValidator::CheckMaxChaptersPerTitle(first));
    EXPECT_EQ(S_OK, CDSProjectValidator::CheckMaxChaptersPerProject(project));
    EXPECT_EQ(S_FALSE, CDSProjectValidator::CheckMaxChaptersPerTitle(nullptr));
    EXPECT_EQ(S_FALSE, CDSProjectValidator::CheckMaxChaptersPerProject(nullptr));

    AddChapter(first, 1.0);
    EXPECT_EQ(E_CHECKMAXCHAPTERSPERTITLE_LIMIT_REACHED,
              CDSProjectValidator::CheckMaxChaptersPerTitle(first));
    EXPECT_EQ(E_CHECKMAXCHAPTERSPERTITLE_LIMIT_REACHED,
              CDSProjectValidator::CheckMaxChaptersPerTitle(ProductionOf(first)));
    EXPECT_EQ(S_OK, CDSProjectValidator::CheckMaxChaptersPerTitle(second));
    // Three chapters in all: the project, asked directly or through a title, is full.
    EXPECT_EQ(E_CHECKMAXCHAPTERSPERPROJECT_LIMIT_REACHED,
              CDSProjectValidator::CheckMaxChaptersPerProject(project));
    EXPECT_EQ(E_CHECKMAXCHAPTERSPERPROJECT_LIMIT_REACHED,
              CDSProjectValidator::CheckMaxChaptersPerProject(second));
}

TEST_F(CapacityTest, ButtonsUpToTheLimitOfTheMenusAspectRatio)
{
    CComPtr<IDSMenu> menu = AddLoopingMenu();
    AddButtonIn(menu, {-0.5f, 0.5f, -0.4f, 0.4f});
    EXPECT_EQ(S_OK, CDSProjectValidator::CheckMaxButtonsPerMenu(menu));
    AddButtonIn(menu, {0.4f, 0.5f, 0.5f, 0.4f}, ButtonType_Next);
    EXPECT_EQ(E_CHECKMAXBUTTONSPERMENU_LIMIT_REACHED,
              CDSProjectValidator::CheckMaxButtonsPerMenu(menu));

    CComPtr<IDSMenu> wide = AddLoopingMenu();
    AddButtonIn(wide, {-0.5f, 0.5f, -0.4f, 0.4f});
    EXPECT_EQ(S_OK, CDSProjectValidator::CheckMaxButtonsPerMenu(wide));
    ASSERT_EQ(S_OK, CComQIPtr<IDSEncodingParams>(project)->put_AspectRatio(AspectRatio_16x9));
    EXPECT_EQ(E_CHECKMAXBUTTONSPERMENU_LIMIT_REACHED,
              CDSProjectValidator::CheckMaxButtonsPerMenu(wide));
}

} // namespace

#include "ProjectOpsTest.h"

#include "project/VariantLists.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSCmdList.h"
#include "dsutils/DSEncodeParams.h"

#include "platform/Config.h"
#include "platform/KVUTimer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

class TitleAdding : public ProjectOpsTest
{
protected:
    TitleAdding() { EXPECT_EQ(S_OK, m_project->put_DiscFormat(DiscFormat_DVD)); }

    HRESULT Add(const VARIANT& files, AspectRatio aspect = AspectRatio(0), bool b3D = false)
    {
        m_title.Release();
        return CDSAppUtils::AddTitle(m_project, files, CComVariant(), CComVariant(), &m_title, b3D,
                                     aspect);
    }

    // A DVD-Video folder: VIDEO_TS with the menu and two parts of title set 1.
    std::wstring DvdFolder()
    {
        std::filesystem::create_directories(m_folder.Path() / "dvd" / "VIDEO_TS");
        for (const char* part : {"VTS_01_0.VOB", "VTS_01_2.VOB", "VTS_01_1.VOB"})
            Clip((std::string("dvd/VIDEO_TS/") + part).c_str());
        return m_folder.File("dvd");
    }

    CComPtr<IDSTitle> m_title;
};

TEST_F(TitleAdding, MediaFilesMakeANamedTitleThatFollowsTheProject)
{
    std::wstring first = Clip("Harbour.mp4");
    std::wstring second = Clip("Beach.mp4");
    ASSERT_EQ(S_OK, Add(Names({first, second})));
    EXPECT_EQ(1, TitleCount(m_project));
    EXPECT_EQ((std::vector<std::wstring>{first, second}), PanelFiles(m_title));
    CComBSTR name;
    EXPECT_EQ(S_OK, m_title->get_Name(&name));
    EXPECT_EQ(L"Harbour", name.Str());

    CDSEncodeParams project(m_project);
    CDSEncodeParams title(m_title);
    EXPECT_EQ(project.GetResolution(), title.GetResolution());
    EXPECT_EQ(project.GetVideoBitRate(), title.GetVideoBitRate());
    VARIANT_BOOL sync = VARIANT_FALSE;
    EXPECT_EQ(S_OK, title.GetSyncToProject(&sync));
    EXPECT_EQ(VARIANT_TRUE, sync);

    std::vector<CKVUTimer::Record> scopes = CKVUTimer::RecentScopes();
    auto added = std::find_if(scopes.rbegin(), scopes.rend(), [](const CKVUTimer::Record& r) {
        return r.label == "DSAppUtils::AddTitle";
    });
    ASSERT_NE(scopes.rend(), added);
    std::vector<std::string> labels;
    for (const CKVUTimer::Checkpoint& checkpoint : added->checkpoints)
        labels.push_back(checkpoint.name);
    EXPECT_EQ(
        (std::vector<std::string>{"Initialization", "AddTitle", "Title copy", "LoadProduction",
                                  "AddVOBMoniker", "AddMediaToTitle", "Encode&Aspect"}),
        labels);
}

TEST_F(TitleAdding, ShortFormsTakeOneFileOrAList)
{
    std::wstring clip = Clip("clip.mp4");
    CComPtr<IDSTitle> one;
    ASSERT_EQ(S_OK, CDSAppUtils::AddTitle(m_project, CComBSTR(clip), &one));
    EXPECT_EQ(std::vector<std::wstring>{clip}, PanelFiles(one));
    CComVariant list = Names({clip, clip});
    CComPtr<IDSTitle> two;
    ASSERT_EQ(S_OK, CDSAppUtils::AddTitle(m_project, &list, &two));
    EXPECT_EQ(2u, PanelFiles(two).size());
    EXPECT_EQ(2, TitleCount(m_project));
    EXPECT_EQ(E_POINTER, CDSAppUtils::AddTitle(m_project, static_cast<VARIANT*>(nullptr), &two));
    EXPECT_EQ(E_POINTER, CDSAppUtils::AddTitle(nullptr, CComBSTR(clip), &two));
}

TEST_F(TitleAdding, TitlesOfAMenulessProjectEndWithTheirOwnCommand)
{
    std::wstring clip = Clip("clip.mp4");
    ASSERT_EQ(S_OK, Add(CComVariant(clip.c_str())));
    CCommandList commands(m_title.p);
    ASSERT_EQ(1, commands.size());
    EXPECT_EQ(DiscCommand_MenulessTitleEnd, commands[0].command);
    EXPECT_EQ(0, commands[0].param1);
    EXPECT_EQ(0, commands[0].param2);

    CComPtr<IDSMenu> main = Tagged(AddMenu(m_project), MenuType_Main);
    ASSERT_EQ(S_OK, Add(CComVariant(clip.c_str())));
    EXPECT_EQ(0, CCommandList(m_title.p).size());
}

TEST_F(TitleAdding, BadMediaLeaveTheProjectAsItWas)
{
    std::wstring junk = m_folder.File("junk.mp4");
    std::ofstream(m_folder.Path() / "junk.mp4") << "not a movie";
    std::wstring clip = Clip("clip.mp4");
    EXPECT_EQ(E_ADDTITLE_FILE_NOT_EDITABLE, Add(Names({clip, junk})));
    EXPECT_EQ(nullptr, m_title.p);
    EXPECT_EQ(0, TitleCount(m_project));
    LONG undoSteps = -1;
    EXPECT_EQ(S_OK, m_project->get_StoryboardUndoCount(&undoSteps));
    EXPECT_EQ(0, undoSteps);
    EXPECT_TRUE(StackHolds(L"File is non-editable!"));
    EXPECT_TRUE(StackHolds(L"junk.mp4"));

    EXPECT_EQ(E_ADDTITLE_FILE_NOT_EDITABLE, Add(CComVariant(m_folder.File("gone.mp4").c_str())));
    EXPECT_EQ(E_INVALIDARG, Add(CComVariant()));
    EXPECT_EQ(E_INVALIDARG, Add(Names({clip, L""})));
    CComVariant types = MakeLongArray({3});
    EXPECT_EQ(E_INVALIDARG, CDSAppUtils::AddTitle(m_project, CComVariant(clip.c_str()), types,
                                                  CComVariant(), nullptr, false, AspectRatio(0)));
    EXPECT_EQ(0, TitleCount(m_project));
}

TEST_F(TitleAdding, AFullProjectTakesNoMoreTitles)
{
    ASSERT_EQ(S_OK, CDSConfig().SetCapability(DSConfig_MaxTitlesPerProject, 0, 2));
    std::wstring clip = Clip("clip.mp4");
    ASSERT_EQ(S_OK, Add(CComVariant(clip.c_str())));
    ASSERT_EQ(S_OK, Add(CComVariant(clip.c_str())));
    EXPECT_EQ(E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED, Add(CComVariant(clip.c_str())));
    EXPECT_TRUE(StackHolds(L"CDSProjectValidator::CheckMaxTitlesPerProject(pProj)"));
    EXPECT_EQ(2, TitleCount(m_project));
    // Private titles (menu backgrounds and the like) do not count.
    EXPECT_EQ(S_OK, AddTitle(m_project)->put_Tag(TitleType_Private));
    EXPECT_EQ(E_CHECKMAXTITLESPERPROJECT_LIMIT_REACHED, Add(CComVariant(clip.c_str())));
}

TEST_F(TitleAdding, AProductionFileIsATitleOnItsOwn)
{
    std::wstring clip = Clip("clip.mp4");
    std::wstring production = ProductionFile("wide.dmsm", clip, 16.0 / 9.0);
    ASSERT_EQ(S_OK, Add(CComVariant(production.c_str())));
    EXPECT_EQ(std::vector<std::wstring>{clip}, PanelFiles(m_title));
    // Its shape is its source's: 16:9, although the clip is 4:3.
    EXPECT_EQ(AspectRatio_16x9, CDSEncodeParams(m_title).GetAspectRatio());
    VARIANT_BOOL sync = VARIANT_FALSE;
    EXPECT_EQ(S_OK, CDSEncodeParams(m_title).GetSyncToProject(&sync));
    EXPECT_EQ(VARIANT_TRUE, sync);

    ASSERT_EQ(S_OK, Add(CComVariant((L"file://" + production).c_str())));
    EXPECT_EQ(std::vector<std::wstring>{clip}, PanelFiles(m_title));

    EXPECT_EQ(E_INVALIDARG, Add(Names({production, clip})));
    EXPECT_EQ(E_INVALIDARG, Add(Names({clip, L"vob:1:" + m_folder.Path().wstring()})));
    EXPECT_EQ(2, TitleCount(m_project));
}

TEST_F(TitleAdding, SlideshowsKeepTheirOwnEncoding)
{
    std::wstring show = ProductionFile("trip.dmss", Clip("clip.mp4"), 4.0 / 3.0, true);
    ASSERT_EQ(S_OK, Add(CComVariant(show.c_str())));
    VARIANT_BOOL sync = VARIANT_TRUE;
    EXPECT_EQ(S_OK, CDSEncodeParams(m_title).GetSyncToProject(&sync));
    EXPECT_EQ(VARIANT_FALSE, sync);
    EXPECT_EQ(CDSEncodeParams(m_project).GetVideoBitRate(),
              CDSEncodeParams(m_title).GetVideoBitRate());
}

TEST_F(TitleAdding, VobMonikersBecomeTheTitleSetsParts)
{
    std::wstring dvd = DvdFolder();
    std::wstring parts = dvd + L"/VIDEO_TS/VTS_01_";
    for (const std::wstring& moniker : {L"VOB:1:" + dvd, L"vob:01:" + dvd + L"/VIDEO_TS"}) {
        ASSERT_EQ(S_OK, Add(CComVariant(moniker.c_str()))) << KVUGetErrorStackText();
        EXPECT_EQ(
            (std::vector<std::wstring>{L"vob:" + parts + L"1.VOB", L"vob:" + parts + L"2.VOB"}),
            PanelFiles(m_title));
        CComBSTR name;
        EXPECT_EQ(S_OK, m_title->get_Name(&name));
        EXPECT_EQ(L"VTS_01_1", name.Str());
    }
    // A single VOB file as the engine takes it.
    ASSERT_EQ(S_OK, Add(CComVariant((L"vob:" + parts + L"2.VOB").c_str())));
    EXPECT_EQ(std::vector<std::wstring>{L"vob:" + parts + L"2.VOB"}, PanelFiles(m_title));
    EXPECT_EQ(3, TitleCount(m_project));

    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              Add(CComVariant((L"vob:2:" + dvd).c_str())));
    EXPECT_TRUE(StackHolds(L"without VOB files"));
    EXPECT_EQ(E_INVALIDARG, Add(CComVariant(L"vob:1")));
    EXPECT_TRUE(StackHolds(L"names no DVD-Video folder"));
    EXPECT_EQ(E_INVALIDARG, Add(CComVariant((L"vob:100:" + dvd).c_str())));
    EXPECT_EQ(3, TitleCount(m_project));
}

TEST_F(TitleAdding, StereoscopicTitlesAreMarked)
{
    std::wstring clip = Clip("sbs.mp4", 128, 48);
    CComVariant types = MakeLongArray({ENM_3DSOURCE_SIDE_BY_SIDE});
    CComVariant eyes = MakeBoolArray({VARIANT_FALSE});
    ASSERT_EQ(S_OK, CDSAppUtils::AddTitle(m_project, CComVariant(clip.c_str()), types, eyes,
                                          &m_title, true, AspectRatio(0)));
    VARIANT_BOOL is3D = VARIANT_FALSE;
    EXPECT_EQ(S_OK, InfoOf(m_title)->get_Is3D(&is3D));
    EXPECT_EQ(VARIANT_TRUE, is3D);
    CComPtr<IBaseObject> panel;
    ASSERT_EQ(S_OK, StoryboardOf(m_title)->GetPanelBaseObject(0, &panel));
    LONG packing = 0;
    VARIANT_BOOL leftFirst = VARIANT_TRUE;
    EXPECT_EQ(S_OK, CComQIPtr<ISourceFile>(panel)->get_3DSourceType(&packing));
    EXPECT_EQ(S_OK, CComQIPtr<ISourceFile>(panel)->get_LeftEyeFirst(&leftFirst));
    EXPECT_EQ(ENM_3DSOURCE_SIDE_BY_SIDE, packing);
    EXPECT_EQ(VARIANT_FALSE, leftFirst);
    // Each view of the side-by-side frame is 4:3.
    EXPECT_EQ(AspectRatio_4x3, CDSEncodeParams(m_title).GetAspectRatio());
}

} // namespace

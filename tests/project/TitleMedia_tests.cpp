#include "ProjectOpsTest.h"

#include "project/VariantLists.h"

#include "dsutils/DSAppUtils.h"

#include "model/KVGMediaFileProp.h"

#include "platform/KVUTimer.h"

namespace {

class TitleMedia : public ProjectOpsTest
{
protected:
    LONG UndoSteps()
    {
        LONG steps = -1;
        EXPECT_EQ(S_OK, m_project->get_StoryboardUndoCount(&steps));
        return steps;
    }

    HRESULT Append(const VARIANT& files, const VARIANT& types = CComVariant())
    {
        return CDSAppUtils::AddMediaToTitle(m_title, files, types, CComVariant());
    }

    CComPtr<IDSTitle> m_title = AddTitle(m_project);
};

TEST_F(TitleMedia, FilesGoAfterTheLastPanelAsOneUndoStepEach)
{
    std::wstring first = Clip("first.mp4");
    std::wstring second = Clip("second.mp4");
    std::wstring third = Clip("third.mp4");
    ASSERT_EQ(S_OK, Append(CComVariant(first.c_str())));
    ASSERT_EQ(S_OK, Append(Names({second, L"file://" + third})));
    EXPECT_EQ((std::vector<std::wstring>{first, second, third}), PanelFiles(m_title));
    EXPECT_EQ(2, UndoSteps());
    EXPECT_EQ(S_OK, m_project->UndoStoryboard());
    EXPECT_EQ(std::vector<std::wstring>{first}, PanelFiles(m_title));

    std::vector<CKVUTimer::Record> scopes = CKVUTimer::RecentScopes();
    ASSERT_FALSE(scopes.empty());
    EXPECT_EQ("DSAppUtils::AddMediaToTitle", scopes.back().label);
    ASSERT_EQ(2u, scopes.back().checkpoints.size());
    EXPECT_EQ("PostEditable", scopes.back().checkpoints[0].name);
    EXPECT_EQ("AddSourceFiles", scopes.back().checkpoints[1].name);
}

TEST_F(TitleMedia, RefusedFilesChangeNothing)
{
    std::wstring clip = Clip("clip.mp4");
    ASSERT_EQ(S_OK, Append(CComVariant(clip.c_str())));
    std::wstring picture =
        MakePicture(m_folder, "huge.png", kKVGMaxEditableSide + 2, 8, 0xFF0000FF);
    EXPECT_EQ(E_ADDTITLE_FILE_NOT_EDITABLE, Append(Names({clip, picture})));
    EXPECT_TRUE(StackHolds(L"File is non-editable!"));
    EXPECT_TRUE(StackHolds(L"KVG_E_FRAME_TOO_LARGE"));
    EXPECT_TRUE(StackHolds(L"huge.png"));
    EXPECT_EQ(E_INVALIDARG, Append(CComVariant(clip.c_str()), MakeLongArray({0, 0})));
    EXPECT_EQ(E_ADDTITLE_FILE_NOT_EDITABLE, Append(CComVariant(L"http://example.org/a.mp4")));
    EXPECT_EQ(std::vector<std::wstring>{clip}, PanelFiles(m_title));
    EXPECT_EQ(1, UndoSteps());
}

TEST_F(TitleMedia, TheTitleMustBelongToAProject)
{
    std::wstring clip = Clip("clip.mp4");
    LONG id = 0;
    ASSERT_EQ(S_OK, m_title->get_ID(&id));
    ASSERT_EQ(S_OK, m_project->RemoveTitle(id, nullptr));
    EXPECT_EQ(E_POINTER, Append(CComVariant(clip.c_str())));
    EXPECT_EQ(E_POINTER, CDSAppUtils::AddMediaToTitle(nullptr, CComVariant(clip.c_str()),
                                                      CComVariant(), CComVariant()));
}

} // namespace

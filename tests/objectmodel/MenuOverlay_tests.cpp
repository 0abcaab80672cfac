// Overlays: making a resolved source stale.
#include "ObjectModelTest.h"

#include "model/IDSDataFile.h"

using MenuOverlayTest = ObjectModelTest;

TEST_F(MenuOverlayTest, ResetResolvedSourceClearsWhatResolutionMadeOfATitleSource)
{
    auto overlay = AddOverlay(AddMenu(NewProject()));
    overlay->SetSourceType(OverlaySource_AllTitles, 0);
    overlay->put_Source(CComBSTR(L"moniker::dvdproduction_4"));
    overlay->put_InPoint(3.0);
    overlay->put_PrivateId(4);
    overlay->SetSourceScale(1.0, 0.75);
    ASSERT_EQ(S_OK, overlay->ResetResolvedSource());
    CComBSTR source;
    overlay->get_Source(&source);
    EXPECT_TRUE(source.IsEmpty());
    double in = -1.0;
    overlay->get_InPoint(&in);
    EXPECT_EQ(0.0, in);
    LONG privateId = -1;
    overlay->get_PrivateId(&privateId);
    EXPECT_EQ(0, privateId);
    double x = 0.0;
    double y = 0.0;
    overlay->GetSourceScale(&x, &y);
    EXPECT_EQ(1.0, y);
    LONG type = 0;
    LONG id = 0;
    overlay->GetSourceType(&type, &id);
    EXPECT_EQ(OverlaySource_AllTitles, type);
}

TEST_F(MenuOverlayTest, ResetResolvedSourceKeepsAFileSource)
{
    auto overlay = AddOverlay(AddMenu(NewProject()));
    overlay->SetSourceType(OverlaySource_File, 0);
    overlay->put_Source(CComBSTR(L"/pictures/logo.png"));
    ASSERT_EQ(S_OK, overlay->ResetResolvedSource());
    CComBSTR source;
    overlay->get_Source(&source);
    EXPECT_EQ(L"/pictures/logo.png", source.Str());
}

TEST_F(MenuOverlayTest, PathsLongerThanTheFileSystemTakesAreRefusedAndNothingChanges)
{
    auto project = NewProject();
    auto menu = AddMenu(project);
    auto overlay = AddOverlay(menu);
    overlay->put_Source(CComBSTR(L"/kept.png"));
    const HRESULT tooLong = HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    CComBSTR huge(std::wstring(5000, L'a').c_str());
    EXPECT_EQ(tooLong, overlay->put_Source(huge));
    EXPECT_EQ(tooLong, overlay->put_AlphaMask(huge));
    EXPECT_EQ(tooLong, menu->put_Background(huge));
    EXPECT_EQ(tooLong, menu->put_Audio(huge));
    CComPtr<IDSDataFile> file;
    EXPECT_EQ(tooLong, project->AddDataFile(huge, &file));
    LONG files = -1;
    project->get_DataFileCount(&files);
    EXPECT_EQ(0, files);
    CComBSTR source;
    overlay->get_Source(&source);
    EXPECT_EQ(L"/kept.png", source.Str());
}

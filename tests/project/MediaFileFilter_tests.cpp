#include "ProjectOpsTest.h"

#include "dsutils/DSAppUtils.h"

#include "model/KVGMediaFileProp.h"

#include <fstream>

namespace {

class MediaFileFilter : public ProjectOpsTest
{
protected:
    // A file that exists and holds no media.
    std::wstring Junk(const char* name)
    {
        std::ofstream(m_folder.Path() / name) << "not a movie";
        return m_folder.File(name);
    }

    bool Filter(const VARIANT& files, bool allowTransportStreams = false)
    {
        m_accepted.Clear();
        m_error = 12345;
        return CDSAppUtils::FilterMediaFiles(files, m_error, &m_accepted, allowTransportStreams);
    }

    std::vector<std::wstring> Accepted() const { return StringsOf(m_accepted); }

    LONG m_error = 0;
    CComVariant m_accepted;
};

TEST_F(MediaFileFilter, DiscFilesPassUncheckedAndMissingFilesAreRefused)
{
    std::wstring vob = m_folder.File("clip.VOB");
    std::wstring avi = m_folder.File("clip.avi");
    EXPECT_FALSE(Filter(Names({vob, avi})));
    EXPECT_EQ(E_FILTERMEDIAFILES_FILE_NOT_FOUND, m_error);
    EXPECT_EQ(std::vector<std::wstring>{vob}, Accepted());
    EXPECT_TRUE(StackHolds(L"clip.avi"));
    EXPECT_FALSE(StackHolds(L"clip.VOB"));

    std::wstring ifo = m_folder.File("VIDEO_TS.IFO");
    std::wstring show = m_folder.File("show.dmss");
    EXPECT_TRUE(Filter(Names({ifo, show})));
    EXPECT_EQ(S_OK, m_error);
    EXPECT_EQ((std::vector<std::wstring>{ifo, show}), Accepted());
}

TEST_F(MediaFileFilter, TransportStreamsGoUnprobedOnlyWhenAllowed)
{
    std::wstring movie = Junk("movie.m2ts");
    EXPECT_TRUE(Filter(Names({movie}), true));
    EXPECT_EQ(std::vector<std::wstring>{movie}, Accepted());

    EXPECT_FALSE(Filter(Names({movie}), false));
    EXPECT_EQ(HRESULT_FROM_WIN32(13), m_error);
    EXPECT_EQ(VT_ERROR, m_accepted.vt);
    EXPECT_EQ(DISP_E_PARAMNOTFOUND, m_accepted.scode);
}

TEST_F(MediaFileFilter, FilesTheEngineCannotUseAreRefusedWithItsReason)
{
    std::wstring clip = Clip("good.mp4");
    std::wstring broken = Junk("broken.mp4");
    std::wstring huge = MakePicture(m_folder, "huge.png", kKVGMaxEditableSide + 2, 8, 0xFF000000);
    EXPECT_FALSE(Filter(Names({broken, clip, huge})));
    EXPECT_EQ(std::vector<std::wstring>{clip}, Accepted());
    // The last refusal's reason; every refusal stays on the stack with its file.
    EXPECT_EQ(KVG_E_FRAME_TOO_LARGE, m_error);
    EXPECT_TRUE(StackHolds(L"broken.mp4"));
    EXPECT_TRUE(StackHolds(L"HRESULT_FROM_WIN32(ERROR_INVALID_DATA)"));
    EXPECT_TRUE(StackHolds(L"huge.png"));
    EXPECT_FALSE(StackHolds(L"good.mp4"));
}

TEST_F(MediaFileFilter, NamesAreCleanedBeforeTheyAreChecked)
{
    std::wstring clip = Clip("clip.mp4");
    // Entries without an extension, and empty ones, are dropped without a refusal.
    EXPECT_TRUE(Filter(Names({L"", m_folder.File("README"), L"FILE:" + clip})));
    EXPECT_EQ(std::vector<std::wstring>{L"file://" + clip}, Accepted());

    EXPECT_FALSE(Filter(Names({L"file://" + m_folder.File("gone.avi")})));
    EXPECT_EQ(E_FILTERMEDIAFILES_FILE_NOT_FOUND, m_error);

    EXPECT_TRUE(Filter(CComVariant(clip.c_str())));
    EXPECT_EQ(std::vector<std::wstring>{clip}, Accepted());

    EXPECT_FALSE(Filter(CComVariant()));
    EXPECT_EQ(E_INVALIDARG, m_error);
    EXPECT_EQ(VT_ERROR, m_accepted.vt);
}

TEST(MediaFileNames, VobMonikersAndEditableSlideshows)
{
    EXPECT_TRUE(CDSAppUtils::IsVOBMoniker(CComBSTR(L"VOB:1")));
    EXPECT_TRUE(CDSAppUtils::IsVOBMoniker(CComBSTR(L"vob:1")));
    EXPECT_FALSE(CDSAppUtils::IsVOBMoniker(CComBSTR(L"dvd-vob:1")));
    EXPECT_FALSE(CDSAppUtils::IsVOBMoniker(CComBSTR(L"vob")));
    EXPECT_FALSE(CDSAppUtils::IsVOBMoniker(nullptr));

    EXPECT_TRUE(CDSAppUtils::IsEditableSlideshowFile(CComBSTR(L"/shows/Trip.DMSS")));
    EXPECT_TRUE(CDSAppUtils::IsEditableSlideshowFile(CComBSTR(L"trip.pssd")));
    EXPECT_FALSE(CDSAppUtils::IsEditableSlideshowFile(CComBSTR(L"trip.dmsm")));
    EXPECT_FALSE(CDSAppUtils::IsEditableSlideshowFile(CComBSTR(L"/shows/dmss")));
    EXPECT_FALSE(CDSAppUtils::IsEditableSlideshowFile(nullptr));
}

} // namespace

#include "dsutils/DSProductionUtils.h"

#include "ProductionTest.h"

#include "model/KVGMediaFileProp.h"

#include <fstream>

namespace {

class MediaFileQueries : public ProductionTest
{
protected:
    std::wstring Clip(const char* name, int width, int height, int pixelWidth = 1,
                      int pixelHeight = 1)
    {
        return MakeClip(m_folder, name, width, height, 3, pixelWidth, pixelHeight);
    }
};

TEST_F(MediaFileQueries, ShownShapeDecidesSixteenNinths)
{
    EXPECT_EQ(S_FALSE, CDSProductionUtils::IsFile16x9(Clip("square43.mp4", 64, 48).c_str(), 0));
    EXPECT_EQ(S_OK, CDSProductionUtils::IsFile16x9(Clip("square169.mp4", 128, 72).c_str(), 0));
    // DVD frames of 720 × 480: the pixel shape says how they are shown.
    EXPECT_EQ(S_OK, CDSProductionUtils::IsFile16x9(Clip("wide.mkv", 720, 480, 32, 27).c_str(), 0));
    EXPECT_EQ(S_FALSE,
              CDSProductionUtils::IsFile16x9(Clip("narrow.mkv", 720, 480, 8, 9).c_str(), 0));
    EXPECT_EQ(S_OK, CDSProductionUtils::IsFile16x9(
                        MakePicture(m_folder, "wide.png", 160, 90, 0xFF000000).c_str(), 0));
}

TEST_F(MediaFileQueries, ModesUnpackTwoViewsInOneFrame)
{
    // Two 4:3 views side by side, and two 16:9 views one above the other.
    std::wstring sideBySide = Clip("sbs.mp4", 128, 48);
    EXPECT_EQ(S_OK, CDSProductionUtils::IsFile16x9(sideBySide.c_str(), 0));
    EXPECT_EQ(S_FALSE, CDSProductionUtils::IsFile16x9(sideBySide.c_str(), 1));
    std::wstring overUnder = Clip("tab.mp4", 64, 72);
    EXPECT_EQ(S_FALSE, CDSProductionUtils::IsFile16x9(overUnder.c_str(), 0));
    EXPECT_EQ(S_OK, CDSProductionUtils::IsFile16x9(overUnder.c_str(), 2));
}

TEST_F(MediaFileQueries, UnreadableFilesGiveTheirReasons)
{
    std::wstring missing = m_folder.File("missing.mp4");
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              CDSProductionUtils::IsFile16x9(missing.c_str(), 0));
    EXPECT_TRUE(StackHolds(L"spFileProp->GetVideoInfoEx(1,0,&VideoInfo)"));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              CDSProductionUtils::IsFileEditable(missing.c_str()));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::IsFile16x9(nullptr, 0));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::IsFileEditable(nullptr));
}

TEST_F(MediaFileQueries, EditableFilesAreReadableVideoOfAnEditableSize)
{
    EXPECT_EQ(S_OK, CDSProductionUtils::IsFileEditable(Clip("clip.mp4", 64, 48).c_str()));
    EXPECT_TRUE(KVUGetErrorStack().empty());

    std::wstring junk = m_folder.File("junk.mp4");
    std::ofstream(m_folder.Path() / "junk.mp4") << "not a movie";
    EXPECT_EQ(HRESULT_FROM_WIN32(13), CDSProductionUtils::IsFileEditable(junk.c_str()));
    EXPECT_TRUE(StackHolds(L"HRESULT_FROM_WIN32(ERROR_INVALID_DATA)"));

    std::wstring huge = MakePicture(m_folder, "huge.png", kKVGMaxEditableSide + 1, 8, 0xFF000000);
    EXPECT_EQ(KVG_E_FRAME_TOO_LARGE, CDSProductionUtils::IsFileEditable(huge.c_str()));
    EXPECT_TRUE(StackHolds(L"KVG_E_FRAME_TOO_LARGE"));
}

} // namespace

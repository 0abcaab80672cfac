#include "EngineTestSupport.h"

#include "model/KVGMediaFileProp.h"

#include <fstream>

namespace {

class MediaFileProperties : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_EQ(S_OK, m_properties.CoCreateInstance(CLSID_KVGMediaFileProp));
    }

    LONG ReadReason(const std::wstring& file)
    {
        m_properties->SetFile(CComBSTR(file));
        LONG reason = -1;
        EXPECT_EQ(S_OK, m_properties->CanReadFile(&reason));
        return reason;
    }

    LONG EditReason(const std::wstring& file)
    {
        m_properties->SetFile(CComBSTR(file));
        LONG reason = -1;
        EXPECT_EQ(S_OK, m_properties->CanEditFile(&reason));
        return reason;
    }

    std::wstring Write(const char* name, const std::string& bytes)
    {
        std::wstring path = m_folder.File(name);
        std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
        return path;
    }

    CComPtr<IKVGMediaFileProp> m_properties;
};

TEST_F(MediaFileProperties, VideoReportsSizeRateDurationAndShape)
{
    ClipShape shape;
    shape.width = 96;
    shape.height = 54;
    shape.frameCount = 75;
    std::wstring clip = m_folder.File("clip.mkv");
    ASSERT_EQ(S_OK, WriteColourClip(clip, shape));
    ASSERT_EQ(S_OK, m_properties->SetFile(CComBSTR(clip)));
    KVGVideoInfo info{};
    ASSERT_EQ(S_OK, m_properties->GetVideoInfoEx(1, 0, &info));
    EXPECT_EQ(96, info.lWidth);
    EXPECT_EQ(54, info.lHeight);
    EXPECT_DOUBLE_EQ(25.0, info.dFrameRate);
    EXPECT_NEAR(3.0, info.dDuration, 0.05);
    EXPECT_NEAR(96.0 / 54.0, info.dAspectRatio, 1e-9);
    EXPECT_EQ(VARIANT_FALSE, info.bIsStill);
    EXPECT_EQ(E_INVALIDARG, m_properties->GetVideoInfoEx(2, 0, &info));
    EXPECT_EQ(0, EditReason(clip));
}

TEST_F(MediaFileProperties, PictureIsAStillOfItsSize)
{
    std::wstring picture = m_folder.File("p.jpg");
    ASSERT_EQ(S_OK, SaveImageFile(BgraImage(120, 90), picture));
    ASSERT_EQ(S_OK, m_properties->SetFile(CComBSTR(picture)));
    KVGVideoInfo info{};
    ASSERT_EQ(S_OK, m_properties->GetVideoInfoEx(1, 0, &info));
    EXPECT_EQ(120, info.lWidth);
    EXPECT_EQ(VARIANT_TRUE, info.bIsStill);
    EXPECT_DOUBLE_EQ(0.0, info.dDuration);
}

TEST_F(MediaFileProperties, MissingAndGarbageFilesGiveTheirReasons)
{
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), ReadReason(m_folder.File("none.avi")));
    std::wstring garbage = Write("noise.avi", std::string(4096, '\x37'));
    EXPECT_EQ(HRESULT_FROM_WIN32(13), ReadReason(garbage));
    EXPECT_EQ(HRESULT_FROM_WIN32(13), EditReason(garbage));
    KVGVideoInfo info{};
    EXPECT_EQ(S_FALSE, m_properties->SetFile(CComBSTR(garbage)));
    EXPECT_EQ(HRESULT_FROM_WIN32(13), m_properties->GetVideoInfoEx(1, 0, &info));
}

TEST_F(MediaFileProperties, NothingIsAnsweredBeforeAFileIsSet)
{
    LONG reason = 0;
    KVGVideoInfo info{};
    EXPECT_EQ(KVG_E_NO_FILE, m_properties->CanReadFile(&reason));
    EXPECT_EQ(KVG_E_NO_FILE, m_properties->GetVideoInfoEx(1, 0, &info));
    EXPECT_EQ(E_INVALIDARG, m_properties->SetFile(nullptr));
}

TEST_F(MediaFileProperties, OverlargeFramesCannotBeEdited)
{
    std::wstring picture = m_folder.File("huge.png");
    ASSERT_EQ(S_OK, SaveImageFile(BgraImage(4100, 8), picture));
    EXPECT_EQ(0, ReadReason(picture));
    EXPECT_EQ(KVG_E_FRAME_TOO_LARGE, EditReason(picture));
}

} // namespace

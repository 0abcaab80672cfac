#include "ProjectOpsTest.h"

#include "project/TitleShape.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSEncodeParams.h"

namespace {

TEST(TitleAspect, HighDefinitionTitlesAreAlwaysWide)
{
    for (int format = 7; format <= 11; ++format) {
        for (LONG wish : {0, 1, 2})
            EXPECT_EQ(AspectRatio_16x9, ChooseTitleAspect(format, wish, [] { return false; }))
                << format << " " << wish;
    }
}

TEST(TitleAspect, FormatsThatLetTheCallerChooseFollowTheWish)
{
    for (int format : {1, 3}) {
        EXPECT_EQ(AspectRatio_16x9, ChooseTitleAspect(format, 2, [] { return false; }));
        EXPECT_EQ(AspectRatio_4x3, ChooseTitleAspect(format, 1, [] { return true; }));
        // Any other wish counts as 4:3; 0 follows the source.
        EXPECT_EQ(AspectRatio_4x3, ChooseTitleAspect(format, 7, [] { return true; }));
        EXPECT_EQ(AspectRatio_16x9, ChooseTitleAspect(format, 0, [] { return true; }));
        EXPECT_EQ(AspectRatio_4x3, ChooseTitleAspect(format, 0, [] { return false; }));
    }
}

TEST(TitleAspect, OtherFormatsAreStandardWhateverTheWish)
{
    for (int format : {2, 4, 5, 6}) {
        for (LONG wish : {0, 1, 2}) {
            bool asked = false;
            EXPECT_EQ(AspectRatio_4x3, ChooseTitleAspect(format, wish,
                                                         [&asked] {
                                                             asked = true;
                                                             return true;
                                                         }))
                << format;
            EXPECT_FALSE(asked);
        }
    }
}

class TitleAspectOfFiles : public ProjectOpsTest
{
protected:
    CComPtr<IDSTitle> AddOn(DiscFormat format, const std::wstring& file)
    {
        EXPECT_EQ(S_OK, m_project->put_DiscFormat(format));
        CComPtr<IDSTitle> title;
        EXPECT_EQ(S_OK, CDSAppUtils::AddTitle(m_project, CComBSTR(file), &title));
        return title;
    }

    double Shape(IDSTitle* title)
    {
        double shape = 0.0;
        EXPECT_EQ(S_OK, InfoOf(title)->get_AspectRatio(&shape));
        return shape;
    }
};

TEST_F(TitleAspectOfFiles, TheAspectIsWrittenToTheProductionAndTheEncoding)
{
    // A DVD frame of 720 × 480 whose pixels make it 16:9.
    std::wstring wide = Clip("wide.mkv", 720, 480, 32, 27);
    CComPtr<IDSTitle> onDvd = AddOn(DiscFormat_DVD, wide);
    EXPECT_EQ(AspectRatio_16x9, CDSEncodeParams(onDvd).GetAspectRatio());
    EXPECT_DOUBLE_EQ(16.0 / 9.0, Shape(onDvd));

    CComPtr<IDSTitle> onDvd2 = AddOn(DiscFormat_DVD2, wide);
    EXPECT_EQ(AspectRatio_4x3, CDSEncodeParams(onDvd2).GetAspectRatio());
    EXPECT_DOUBLE_EQ(4.0 / 3.0, Shape(onDvd2));

    CComPtr<IDSTitle> onBluRay = AddOn(DiscFormat_BluRay, Clip("narrow.mp4", 64, 48));
    EXPECT_EQ(AspectRatio_16x9, CDSEncodeParams(onBluRay).GetAspectRatio());
}

TEST_F(TitleAspectOfFiles, AProductionIsWideOnlyStrictlyBetweenItsBounds)
{
    CComPtr<IProductionInfo> info;
    ASSERT_EQ(S_OK, info.CoCreateInstance(CLSID_KVEProduction));
    for (double shape : {1.77, 1.78, 4.0 / 3.0}) {
        EXPECT_EQ(S_OK, info->put_AspectRatio(shape));
        EXPECT_FALSE(IsProductionShape16x9(info)) << shape;
    }
    EXPECT_EQ(S_OK, info->put_AspectRatio(16.0 / 9.0));
    EXPECT_TRUE(IsProductionShape16x9(info));
    EXPECT_FALSE(IsProductionShape16x9(nullptr));
}

} // namespace

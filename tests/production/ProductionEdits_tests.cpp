#include "dsutils/DSProductionUtils.h"

#include "ProductionTest.h"

#include "model/KVEAudio.h"
#include "platform/ResultCodes.h"

#include <filesystem>

namespace {

class ProductionEdits : public ProductionTest
{
protected:
    static double PanelDuration(IUnknown* panel)
    {
        double seconds = 0.0;
        EXPECT_EQ(S_OK, CComQIPtr<IBaseObject>(panel)->get_Duration(&seconds));
        return seconds;
    }

    // A two-second clip of 25 frames a second.
    std::wstring TwoSeconds() { return MakeClip(m_folder, "two-seconds.mp4"); }
};

TEST_F(ProductionEdits, DurationGoesToTheFirstPanel)
{
    CComPtr<IUnknown> first;
    ASSERT_EQ(S_OK, Edit(m_title)->AddSolidColor(0, 0x102030, &first));
    ASSERT_EQ(S_OK, CDSProductionUtils::SetDuration(StoryboardOf(m_title), 7.0));
    EXPECT_DOUBLE_EQ(7.0, PanelDuration(first));
    EXPECT_DOUBLE_EQ(7.0, CDSProductionUtils::GetDuration(m_title));
}

// Asked for more than the clip holds, the panel ends on the middle of the clip's last whole
// frame at the editing rate: 49.5 frames of 0.04 s, less the in point.
TEST_F(ProductionEdits, TooLongASourceEndsOnTheMiddleOfItsLastFrame)
{
    ASSERT_EQ(S_OK, Info(m_title)->put_EditingFrameRate(25.0));
    CComPtr<IUnknown> panel = AddSource(m_title, TwoSeconds());
    ASSERT_EQ(S_OK, CDSProductionUtils::SetDuration(StoryboardOf(m_title), 10.0));
    EXPECT_NEAR(1.98, PanelDuration(panel), 1e-9);
    ASSERT_EQ(S_OK, CComQIPtr<ISourceFile>(panel)->put_InPoint(0.4));
    ASSERT_EQ(S_OK, CDSProductionUtils::SetDuration(StoryboardOf(m_title), 10.0));
    EXPECT_NEAR(1.58, PanelDuration(panel), 1e-9);
}

TEST_F(ProductionEdits, BackgroundAudioRepeatsToTheNewEnd)
{
    ASSERT_EQ(S_OK, Edit(m_title)->AddSolidColor(0, 0x102030, nullptr));
    CComPtr<IUnknown> audio;
    ASSERT_EQ(S_OK, Edit(m_title)->AddProductionAudio(CComBSTR(TwoSeconds()), enBackgroundAudio,
                                                      0.0, &audio));
    ASSERT_EQ(S_OK, CDSProductionUtils::SetDuration(StoryboardOf(m_title), 12.0));
    VARIANT_BOOL repeat = VARIANT_FALSE;
    CComQIPtr<IKVEAudioSource>(audio)->get_Repeat(&repeat);
    EXPECT_EQ(VARIANT_TRUE, repeat);
    double end = 0.0;
    CComQIPtr<IKVEAudioSubObject>(audio)->get_EndOffset(&end);
    EXPECT_DOUBLE_EQ(12.0, end);
}

TEST_F(ProductionEdits, DurationNeedsAPanelToSet)
{
    EXPECT_EQ(E_INVALIDARG, CDSProductionUtils::SetDuration(StoryboardOf(m_title), 3.0));
    EXPECT_TRUE(StackHolds(L"spSbd->GetPanelBaseObject(0, &spBase)"));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::SetDuration(m_project, 3.0));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::SetDuration(nullptr, 3.0));
}

TEST_F(ProductionEdits, ClearingDeletesEveryPanel)
{
    std::wstring clip = TwoSeconds();
    AddSource(m_title, clip);
    AddSource(m_title, clip);
    ASSERT_EQ(S_OK, CDSProductionUtils::ClearProduction(StoryboardOf(m_title)));
    LONG count = -1;
    StoryboardOf(m_title)->GetNumberOfPanels(&count);
    EXPECT_EQ(0, count);
    EXPECT_EQ(S_OK, CDSProductionUtils::ClearProduction(StoryboardOf(m_title)));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::ClearProduction(m_title));
    EXPECT_TRUE(StackHolds(L"(IKVEProductionData*)pProd"));
}

TEST_F(ProductionEdits, ValidationCountsMissingFiles)
{
    std::wstring kept = TwoSeconds();
    std::wstring lost = MakeClip(m_folder, "lost.mp4");
    AddSource(m_title, kept);
    AddSource(m_title, lost);
    EXPECT_EQ(S_OK, CDSProductionUtils::ValidateProduction(StoryboardOf(m_title)));
    std::filesystem::remove(m_folder.Path() / "lost.mp4");
    EXPECT_EQ(E_VALIDATEPRODUCTION_MISSING_FILES,
              CDSProductionUtils::ValidateProduction(StoryboardOf(m_title)));
    EXPECT_TRUE(StackHolds(L"Production is missing 1 files"));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::ValidateProduction(m_title));
}

} // namespace

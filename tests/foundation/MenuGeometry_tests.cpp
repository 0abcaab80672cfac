#include "dsutils/DSMenuUtils.h"

#include "FakeModel.h"

#include "support/ErrorStackText.h"

#include "platform/ErrorStack.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

RECT Rect(LONG left, LONG top, LONG right, LONG bottom)
{
    return RECT{left, top, right, bottom};
}

// The pixel rectangle of a rectangle in a 2 × 2 frame, where a pixel edge is its menu-space
// value plus one (left, right) or one minus it (top, bottom).
RECT InTinyFrame(float left, float top, float right, float bottom)
{
    RECT out = {};
    EXPECT_EQ(CDSMenuUtils::ConvertToRect(out, FloatRect{left, top, right, bottom}, 2, 2), S_OK);
    return out;
}

TEST(ConvertToFloatRect, WholeFrameSpansMenuSpace)
{
    FloatRect out = {};
    ASSERT_EQ(CDSMenuUtils::ConvertToFloatRect(out, Rect(0, 0, 720, 480), 720, 480), S_OK);
    EXPECT_FLOAT_EQ(out.left, -1.0f);
    EXPECT_FLOAT_EQ(out.top, 1.0f);
    EXPECT_FLOAT_EQ(out.right, 1.0f);
    EXPECT_FLOAT_EQ(out.bottom, -1.0f);
    ASSERT_EQ(CDSMenuUtils::ConvertToFloatRect(out, Rect(180, 120, 360, 240), 720, 480), S_OK);
    EXPECT_FLOAT_EQ(out.left, -0.5f);
    EXPECT_FLOAT_EQ(out.top, 0.5f);
    EXPECT_FLOAT_EQ(out.right, 0.0f);
    EXPECT_FLOAT_EQ(out.bottom, 0.0f);
}

TEST(ConvertToFloatRect, EmptyFrameIsRefusedAndNothingWritten)
{
    FloatRect out = {9, 9, 9, 9};
    EXPECT_EQ(CDSMenuUtils::ConvertToFloatRect(out, Rect(0, 0, 1, 1), 0, 480), E_INVALIDARG);
    EXPECT_EQ(CDSMenuUtils::ConvertToFloatRect(out, Rect(0, 0, 1, 1), 720, 0), E_INVALIDARG);
    EXPECT_FLOAT_EQ(out.left, 9.0f);
}

TEST(ConvertToRect, WholeMenuSpaceSpansTheFrame)
{
    RECT out = {};
    ASSERT_EQ(CDSMenuUtils::ConvertToRect(out, FloatRect{-1, 1, 1, -1}, 720, 576), S_OK);
    EXPECT_EQ(out, Rect(0, 0, 720, 576));
}

TEST(ConvertToRect, EdgesRoundUpFromJustBelowOneHalf)
{
    EXPECT_EQ(InTinyFrame(99.499f, -99.499f, 99.497f, -99.497f), Rect(101, 101, 100, 100));
    EXPECT_EQ(InTinyFrame(1.25f, 0.0f, 1.75f, -0.6f), Rect(2, 1, 3, 2));
}

TEST(ConvertToRect, NegativeEdgesTruncateTowardZero)
{
    EXPECT_EQ(InTinyFrame(-4.7f, 4.7f, -4.999f, 4.999f), Rect(-3, -3, -4, -4));
}

// 100.497999996 lies between the single-precision threshold 0.498f (0.49799999594…) and the
// double-precision 0.498: only the left edge uses the latter.
TEST(ConvertToRect, LeftEdgeAloneUsesTheDoublePrecisionThreshold)
{
    const float x = -0x1.4de028p-16f;
    RECT out = {};
    ASSERT_EQ(CDSMenuUtils::ConvertToRect(out, FloatRect{x, -x, x, -x}, 201, 201), S_OK);
    EXPECT_EQ(out.left, 100);
    EXPECT_EQ(out.right, 101);
    EXPECT_EQ(out.top, 101);
    EXPECT_EQ(out.bottom, 101);
}

TEST(ConvertToRect, BadFramesAndEdgesAreRefusedAndNothingWritten)
{
    RECT out = Rect(7, 7, 7, 7);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(CDSMenuUtils::ConvertToRect(out, FloatRect{-1, 1, 1, -1}, 720, 0), E_INVALIDARG);
    EXPECT_EQ(CDSMenuUtils::ConvertToRect(out, FloatRect{nan, 1, 1, -1}, 720, 480), E_INVALIDARG);
    EXPECT_EQ(CDSMenuUtils::ConvertToRect(out, FloatRect{-1, 1, inf, -1}, 720, 480), E_INVALIDARG);
    EXPECT_EQ(out, Rect(7, 7, 7, 7));
}

TEST(ConvertToRect, EdgesFarOutsideTheFrameStopAtTheIntegerRange)
{
    RECT out = {};
    ASSERT_EQ(CDSMenuUtils::ConvertToRect(out, FloatRect{-1e30f, 1e30f, 1e30f, -1e30f}, 720, 480),
              S_OK);
    EXPECT_EQ(out, Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
}

class MenuFrame : public ::testing::Test
{
protected:
    CComPtr<FakeProject> m_project = FakeProject::Create();
    CComPtr<FakeMenu> m_menu = m_project->AddMenu(1, MenuType_Main);

    std::pair<int, int> Size(TVStandard standard, VideoResolution resolution)
    {
        m_project->standard = standard;
        m_project->resolution = resolution;
        int width = 0, height = 0;
        EXPECT_EQ(CDSMenuUtils::GetMenuSize(m_menu, width, height), S_OK);
        return {width, height};
    }
};

TEST_F(MenuFrame, SizeFollowsTheTVStandardAndVideoResolution)
{
    using Size2 = std::pair<int, int>;
    EXPECT_EQ(Size(TVStandard_NTSC, VideoResolution_720), Size2(720, 480));
    EXPECT_EQ(Size(TVStandard_PAL, VideoResolution_720), Size2(720, 576));
    EXPECT_EQ(Size(TVStandard_NTSC, VideoResolution_704), Size2(704, 480));
    EXPECT_EQ(Size(TVStandard_PAL, VideoResolution_352), Size2(352, 576));
    EXPECT_EQ(Size(TVStandard_PAL, VideoResolution_352Half), Size2(352, 288));
    EXPECT_EQ(Size(TVStandard_NTSC, VideoResolution_352Half), Size2(352, 240));
    EXPECT_EQ(Size(TVStandard_NTSC, VideoResolution_480), Size2(480, 480));
    EXPECT_EQ(Size(TVStandard_PAL, VideoResolution_HD7), Size2(720, 576));
}

TEST_F(MenuFrame, MissingMenuKeepsTheDefaultSize)
{
    int width = 0, height = 0;
    EXPECT_EQ(CDSMenuUtils::GetMenuSize(nullptr, width, height), E_POINTER);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(720, 480));
    ASSERT_EQ(KVUGetErrorStack().size(), 1u);
    EXPECT_TRUE(StackHolds(L"*** Error NULL = pMenu"));
}

TEST_F(MenuFrame, MenuOutsideAProjectIsAnInvalidArgumentWithoutMessage)
{
    m_menu->project = nullptr;
    int width = 0, height = 0;
    EXPECT_EQ(CDSMenuUtils::GetMenuSize(m_menu, width, height), E_INVALIDARG);
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

TEST_F(MenuFrame, ProjectWithoutEncodingParametersIsReported)
{
    m_project->hasEncoding = false;
    m_project->standard = TVStandard_PAL;
    int width = 0, height = 0;
    EXPECT_EQ(CDSMenuUtils::GetMenuSize(m_menu, width, height), E_POINTER);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(720, 480));
    EXPECT_TRUE(StackHolds(L"*** Error NULL = (IDSEncodingParams*) spEP"));
}

TEST_F(MenuFrame, FailedReadIsPassedOnUnchanged)
{
    m_project->readResult = E_ACCESSDENIED;
    int width = 0, height = 0;
    EXPECT_EQ(CDSMenuUtils::GetMenuSize(m_menu, width, height), E_ACCESSDENIED);
    EXPECT_TRUE(StackHolds(L"spProject->get_TVStandard(&standard)"));
}

TEST_F(MenuFrame, ConversionInTheMenusFrame)
{
    m_project->standard = TVStandard_PAL;
    m_project->resolution = VideoResolution_352Half;
    RECT out = {};
    ASSERT_EQ(CDSMenuUtils::ConvertToRect(out, FloatRect{-1, 1, 1, -1}, m_menu), S_OK);
    EXPECT_EQ(out, Rect(0, 0, 352, 288));
}

TEST_F(MenuFrame, ConversionInAFrameThatCannotBeKnownWritesNothing)
{
    m_project->readResult = E_ACCESSDENIED;
    RECT out = Rect(7, 7, 7, 7);
    EXPECT_EQ(CDSMenuUtils::ConvertToRect(out, FloatRect{-1, 1, 1, -1}, m_menu), E_ACCESSDENIED);
    EXPECT_EQ(out, Rect(7, 7, 7, 7));
    EXPECT_TRUE(StackHolds(L"= GetMenuSize(pMenu, nX, nY)"));
}

} // namespace

#include "foundation/TempFileRules.h"

#include "dsutils/DSFileUtils.h"
#include "platform/NativePath.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using FU = CDSFileUtils;

constexpr std::time_t kDay = 86400;

class TempFileRules : public ::testing::Test
{
protected:
    // A file made now, with its facts read at a time this long after.
    TempFileFacts FactsAfter(std::time_t elapsed, size_t size = 1)
    {
        std::wstring path = m_folder.File("file.bin");
        std::ofstream(NativePath(path), std::ios::binary) << std::string(size, 'x');
        std::time_t made = std::time(nullptr);
        TempFileFacts facts;
        EXPECT_TRUE(ReadTempFileFacts(path, made + elapsed, facts));
        return facts;
    }

    ScratchFolder m_folder;
};

TEST_F(TempFileRules, AgeCountsWholeDaysSinceCreation)
{
    // A second of slack for the clock ticking between writing the file and reading the time.
    EXPECT_EQ(FactsAfter(kDay - 2).ageDays, 0);
    EXPECT_EQ(FactsAfter(kDay + 1).ageDays, 1);
    EXPECT_EQ(FactsAfter(7 * kDay - 2).ageDays, 6);
    EXPECT_EQ(FactsAfter(7 * kDay + 1).ageDays, 7);
}

TEST_F(TempFileRules, RewritingOrBackdatingAFileKeepsItsAge)
{
    std::wstring path = m_folder.File("old.bin");
    std::ofstream(NativePath(path)) << "x";
    fs::last_write_time(NativePath(path),
                        fs::file_time_type::clock::now() - std::chrono::hours(24 * 30));
    TempFileFacts facts;
    ASSERT_TRUE(ReadTempFileFacts(path, std::time(nullptr), facts));
    EXPECT_EQ(facts.ageDays, 0);
    EXPECT_FALSE(ReadTempFileFacts(m_folder.File("missing.bin"), std::time(nullptr), facts));
}

TEST_F(TempFileRules, AnyRuleThatHoldsDeletes)
{
    EXPECT_TRUE(TempFileRuleHolds(FU::TempFile_OlderThanADay, {1, 1}));
    EXPECT_FALSE(TempFileRuleHolds(FU::TempFile_OlderThanADay, {1, 0}));
    EXPECT_FALSE(TempFileRuleHolds(FU::TempFile_OlderThanSixDays, {1, 6}));
    EXPECT_TRUE(TempFileRuleHolds(FU::TempFile_OlderThanSixDays, {1, 7}));
    EXPECT_TRUE(TempFileRuleHolds(FU::TempFile_OlderThanSixDays | FU::TempFile_Over1KB, {1025, 0}));
    EXPECT_FALSE(TempFileRuleHolds(FU::TempFile_Over1KB, {1024, 30}));
    EXPECT_TRUE(TempFileRuleHolds(FU::TempFile_Always, {0, 0}));
    EXPECT_FALSE(TempFileRuleHolds(0, {uint64_t(1) << 40, 1000}));
}

} // namespace

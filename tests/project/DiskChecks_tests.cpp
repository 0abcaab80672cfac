#include "project/DiskChecks.h"

#include "dsutils/DSAppUtils.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr ULONGLONG kGiB = 1ull << 30;

FileSystemNameQuery Names(const wchar_t* name)
{
    return [name](const std::filesystem::path&, std::wstring& fileSystem) {
        fileSystem = name;
        return S_OK;
    };
}

TEST(DiskChecks, FatVolumesHoldFilesUpToTheLastByteTheirSizesCount)
{
    std::filesystem::path target("/media/stick/movie.mpg");
    EXPECT_TRUE(CheckFileSizeLimit(target, 2 * kGiB - 1, Names(L"FAT")));
    EXPECT_FALSE(CheckFileSizeLimit(target, 2 * kGiB, Names(L"FAT")));
    EXPECT_TRUE(CheckFileSizeLimit(target, 4 * kGiB - 1, Names(L"FAT32")));
    EXPECT_FALSE(CheckFileSizeLimit(target, 4 * kGiB, Names(L"FAT32")));
    for (const wchar_t* unlimited : {L"NTFS", L"exFAT", L"ext4", L"0x12345678"})
        EXPECT_TRUE(CheckFileSizeLimit(target, 64 * kGiB, Names(unlimited))) << unlimited;
    // A volume the system cannot name is not held against the file.
    FileSystemNameQuery failing = [](const std::filesystem::path&, std::wstring&) {
        return E_ACCESSDENIED;
    };
    EXPECT_TRUE(CheckFileSizeLimit(target, 64 * kGiB, failing));
}

TEST(DiskChecks, FileSystemTypesAreNamedAsUsersKnowThem)
{
    // FAT12 and FAT16 hold fewer than 65,525 clusters.
    EXPECT_EQ(L"FAT", FileSystemNameOfType(0x4D44, 65524));
    EXPECT_EQ(L"FAT32", FileSystemNameOfType(0x4D44, 65525));
    EXPECT_EQ(L"ext4", FileSystemNameOfType(0xEF53, 1));
    EXPECT_EQ(L"NTFS", FileSystemNameOfType(0x5346544E, 1));
    EXPECT_EQ(L"0x00C0FFEE", FileSystemNameOfType(0xC0FFEE, 1));
}

TEST(DiskChecks, RealVolumesAreAskedThroughTheNearestExistingFolder)
{
    ScratchFolder folder;
    std::filesystem::path planned = folder.Path() / "not" / "yet" / "movie.mpg";
    EXPECT_TRUE(CDSAppUtils::CheckDiskFreeSpace(planned, 0));
    EXPECT_FALSE(CDSAppUtils::CheckDiskFreeSpace(planned, std::numeric_limits<ULONGLONG>::max()));
    std::wstring name;
    ASSERT_EQ(S_OK, GetVolumeFileSystemName(planned, name));
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(LargestFileOn(name) == 0, CDSAppUtils::CheckDiskFileSizeLimit(planned, 5 * kGiB));
}

} // namespace

#include "platform/FileReplace.h"
#include "platform/StringConv.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

size_t FilesIn(const fs::path& folder)
{
    return size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(FileReplace, LeftoversOfInterruptedSavesAreRemovedAndNeverStopASave)
{
    ScratchFolder folder;
    fs::path file = folder.Path() / "project.dmsd";
    for (int i = 0; i < 1000; ++i) {
        std::ofstream(folder.Path() / ("project.dmsd.saving" + std::to_string(i)));
        std::ofstream(folder.Path() / (".project.dmsd.tmp" + std::to_string(i * 7919)));
    }
    std::ofstream(folder.Path() / "other.dmsd.saving1");
    std::ofstream(folder.Path() / "project.dmsd.savingX");
    ASSERT_EQ(S_OK, WriteFileReplacing(WidePath(file), "new"));
    EXPECT_EQ("new", Read(file));
    // Only the file and what is not a leftover of its saves stay.
    EXPECT_EQ(3u, FilesIn(folder.Path()));
    EXPECT_TRUE(fs::exists(folder.Path() / "other.dmsd.saving1"));
}

TEST(FileReplace, TemporaryFileOfASaveUnderWayIsLeftAlone)
{
    ScratchFolder folder;
    fs::path busy = folder.Path() / ".settings.ini.tmp42";
    std::ofstream(busy) << "half";
    int fd = ::open(busy.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(0, ::flock(fd, LOCK_EX));
    EXPECT_EQ(S_OK, WriteFileReplacing(WidePath(folder.Path() / "settings.ini"), "done"));
    EXPECT_TRUE(fs::exists(busy));
    ::close(fd);
    EXPECT_EQ(S_OK, WriteFileReplacing(WidePath(folder.Path() / "settings.ini"), "again"));
    EXPECT_FALSE(fs::exists(busy));
}

TEST(FileReplace, LinkIsFollowedAndPermissionsAreKept)
{
    ScratchFolder folder;
    fs::path real = folder.Path() / "real.xml";
    std::ofstream(real) << "old";
    ::chmod(real.c_str(), 0640);
    fs::path link = folder.Path() / "link.xml";
    fs::create_symlink(real, link);
    ASSERT_EQ(S_OK, WriteFileReplacing(WidePath(link), "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ("new", Read(real));
    struct stat status;
    ASSERT_EQ(0, ::stat(real.c_str(), &status));
    EXPECT_EQ(0640u, status.st_mode & 07777);
}

TEST(FileReplace, FailedWriteLeavesTheOldFileAndNoTemporary)
{
    ScratchFolder folder;
    EXPECT_EQ(HResultFromErrno(ENOENT),
              WriteFileReplacing(WidePath(folder.Path() / "missing" / "file.xml"), "x"));
    fs::path kept = folder.Path() / "kept.xml";
    std::ofstream(kept) << "old";
    ::chmod(folder.Path().c_str(), 0500);
    HRESULT hr = WriteFileReplacing(WidePath(kept), "new");
    ::chmod(folder.Path().c_str(), 0700);
    if (::geteuid() != 0) {
        EXPECT_EQ(HResultFromErrno(EACCES), hr);
        EXPECT_EQ("old", Read(kept));
    }
    EXPECT_EQ(1u, FilesIn(folder.Path()));
}

} // namespace

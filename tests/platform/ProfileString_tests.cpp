#include "platform/ProfileString.h"
#include "platform/StringConv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class ProfileString : public ::testing::Test
{
protected:
    ProfileString()
    {
        m_folder = fs::temp_directory_path() /
                   ("profile-test-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    ~ProfileString() override { fs::remove_all(m_folder); }

    std::wstring Write(const std::string& bytes)
    {
        fs::path path = m_folder / "settings.ini";
        std::ofstream(path, std::ios::binary) << bytes;
        return Utf8ToWide(path.string());
    }
    static std::wstring Read(const std::wstring& file, const wchar_t* section, const wchar_t* key)
    {
        return GetPrivateProfileString(section, key, L"fallback", file);
    }

    fs::path m_folder;
};

TEST_F(ProfileString, FindsTheKeyOfItsSectionOnly)
{
    std::wstring file =
        Write("; comment\r\nkey=outside\r\n[Other]\r\nkey=other\r\n"
              "[Wanted]\r\n  Key  =  \"spaced value\"  \r\n[Later]\r\nkey=later\r\n");
    EXPECT_EQ(Read(file, L"wanted", L"KEY"), L"spaced value");
    EXPECT_EQ(Read(file, L"Other", L"key"), L"other");
    EXPECT_EQ(Read(file, L"Wanted", L"missing"), L"fallback");
    EXPECT_EQ(Read(file, L"Nowhere", L"key"), L"fallback");
}

TEST_F(ProfileString, ReadsUtf16FilesWithTheirByteOrderMark)
{
    std::string bytes = "\xFF\xFE";
    for (char c : std::string("[S]\r\nk=true\r\n")) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    EXPECT_EQ(Read(Write(bytes), L"S", L"k"), L"true");
    EXPECT_EQ(Read(Write("\xEF\xBB\xBF[S]\nk=utf8\n"), L"S", L"k"), L"utf8");
}

// Only the head of a file is read: a key written after it is not found, and a folder or a
// missing file gives the fallback.
TEST_F(ProfileString, ReadsOnlyTheHeadOfRegularFiles)
{
    std::string padding = "[S]\n" + std::string(kMaxProfileBytes, ';') + "\nk=late\n";
    EXPECT_EQ(Read(Write(padding), L"S", L"k"), L"fallback");
    EXPECT_EQ(Read(Utf8ToWide(m_folder.string()), L"S", L"k"), L"fallback");
    EXPECT_EQ(Read(Utf8ToWide((m_folder / "none.ini").string()), L"S", L"k"), L"fallback");
}

} // namespace

// A fresh folder for the files of one test, removed when the test ends.
#pragma once

#include "platform/NativePath.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

class ScratchFolder
{
public:
    ScratchFolder()
    {
        const char* home = std::getenv("REELMARK_HOME");
        std::filesystem::path base =
            home ? std::filesystem::path(home) : std::filesystem::temp_directory_path();
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = base / "scratch" / (std::string(test->test_suite_name()) + "." + test->name());
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The path of a file in the folder; the name is UTF-8 and may name subfolders.
    std::wstring File(const std::string& name) const { return WidePath(m_path / name); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

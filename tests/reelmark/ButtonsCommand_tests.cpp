// buttons over the shipped content, and over a content folder of the test's own.
#include "ReelmarkTest.h"

#include "dsutils/DSFileUtils.h"
#include "platform/StringConv.h"
#include "support/ScopedEnvironment.h"

#include <filesystem>
#include <regex>

using nlohmann::json;

namespace {

std::filesystem::path ButtonFolder(CDSFileUtils::DirectoryType type)
{
    CComBSTR folder;
    EXPECT_EQ(S_OK, CDSFileUtils().GetDirectory(type, nullptr, folder, false));
    return folder.Str();
}

size_t StyleFilesIn(const std::filesystem::path& folder)
{
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        count += entry.path().extension() == ".xml";
    return count;
}

} // namespace

class ButtonsCommand : public ReelmarkTest
{};

TEST_F(ButtonsCommand, ShippedStylesComeWithTheirKindsAndPreviews)
{
    RunResult run = Run({"buttons", "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    json report = run.Json();
    EXPECT_EQ(json({"4:3", "16:9"}), report["aspects"]);
    ASSERT_EQ(2u, report["folders"].size());
    std::filesystem::path wide = ButtonFolder(CDSFileUtils::DirButtons16x9);
    EXPECT_EQ(wide.string(), report["folders"][1]["folder"]);
    size_t expected = StyleFilesIn(ButtonFolder(CDSFileUtils::DirButtons4x3)) + StyleFilesIn(wide);
    ASSERT_EQ(expected, report["styles"].size()) << run.out;
    for (const json& style : report["styles"]) {
        SCOPED_TRACE(style["file"].get<std::string>());
        EXPECT_TRUE(std::filesystem::exists(style["file"].get<std::string>()));
        EXPECT_EQ(json({"command"}), style["types"]);
        ASSERT_TRUE(style["preview"].is_object());
        EXPECT_TRUE(style["preview"]["readable"].get<bool>());
        EXPECT_GT(style["preview"]["width"].get<int>(), 0);
    }
    // A style that names a button of a theme takes that button's name.
    auto linked = std::find_if(report["styles"].begin(), report["styles"].end(),
                               [](const json& style) { return style["name"] == "Theme_Aurora"; });
    ASSERT_NE(report["styles"].end(), linked);
    EXPECT_EQ("Aurora Frame", (*linked)["title"]);
    EXPECT_EQ("4:3", (*linked)["aspect"]);
}

TEST_F(ButtonsCommand, AspectNarrowsAndTextTellsWhatEachStyleLacks)
{
    std::string content = Path("content");
    std::filesystem::path folder = std::filesystem::path(content) / "DVD/16x9/Button";
    std::filesystem::create_directories(folder);
    std::string caption =
        ReadFile((ButtonFolder(CDSFileUtils::DirButtons16x9) / "Caption.xml").string());
    WriteFile((folder / "Plain.xml").string(), caption);
    WriteFile((folder / "Broken.xml").string(), caption);
    WriteFile((folder / "Broken.PNG").string(), "no picture");
    WriteFile((folder / "Arrows.xml").string(),
              std::regex_replace(caption, std::regex("tag=\"32\""), "tag=\"3\"",
                                 std::regex_constants::format_first_only));
    WriteFile((folder / "Junk.xml").string(), "<Nothing/>");
    ScopedEnvironment moved("REELMARK_CONTENT", content.c_str());

    RunResult run = Run({"buttons", "--aspect", "16:9"});
    ASSERT_EQ(0, run.status) << run.err;
    std::string broken = (folder / "Broken.PNG").string();
    EXPECT_EQ("16:9 button styles\n"
              "  from " +
                  folder.string() +
                  "\n"
                  "  Arrows \"Caption\"  next, prev\n"
                  "      no preview\n"
                  "  Broken \"Caption\"  command\n"
                  "      a preview that cannot be read: " +
                  broken +
                  "\n"
                  "  Plain \"Caption\"  command\n"
                  "      no preview\n",
              run.out);
    json report = Run({"buttons", "--aspect", "16:9", "--json"}).Json();
    ASSERT_EQ(3u, report["styles"].size());
    EXPECT_TRUE(report["styles"][0]["preview"].is_null());
    EXPECT_FALSE(report["styles"][1]["preview"]["readable"].get<bool>());

    RunResult narrow = Run({"buttons", "--aspect", "4:3"});
    EXPECT_EQ(0, narrow.status);
    EXPECT_NE(std::string::npos, narrow.out.find("4:3 button styles\n")) << narrow.out;
    EXPECT_NE(std::string::npos, narrow.out.find("  none found\n")) << narrow.out;
}

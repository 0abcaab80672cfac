// info on real projects with real media.
#include "DiscProject.h"
#include "ReelmarkTest.h"

#include "model/IDSEncodingParams.h"
#include "model/KVEMarkerList.h"
#include "model/KVEProductionData.h"

#include <filesystem>

using nlohmann::json;

class InfoCommand : public ReelmarkTest
{
protected:
    InfoCommand()
    {
        EXPECT_EQ(S_OK, m_project->put_DiscFormat(DiscFormat_DVD));
        EXPECT_EQ(S_OK, m_project->put_TVStandard(TVStandard_PAL));
        EXPECT_EQ(S_OK, CComQIPtr<IDSEncodingParams>(m_project)->put_AspectRatio(AspectRatio_16x9));
    }

    // A title playing a clip of 2 seconds with a tone, chapter markers at the times given.
    CComPtr<IDSTitle> AddClipTitle(const char* name, const std::string& clip,
                                   std::initializer_list<double> markerTimes)
    {
        CComPtr<IDSTitle> title = ::AddClipTitle(m_project, m_folder, name, clip);
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, title->GetProduction(&production));
        CComQIPtr<IKVEMarkerList> markers(production);
        for (double time : markerTimes) {
            LONG id = 0;
            EXPECT_EQ(S_OK, markers->AddMarker(time, KVE_MARKER_CHAPTER, 0, &id));
            if (time == 1.5) {
                EXPECT_EQ(S_OK, markers->SetMarkerName(id, CComBSTR(L"Cake")));
            }
        }
        return title;
    }

    CComPtr<IDSProjectData> m_project = NewProject();
};

TEST_F(InfoCommand, ReportsTitlesChaptersEncodingAndSizesAsJson)
{
    AddClipTitle("Beach", "beach.mp4", {0.2, 1.0, 1.5});
    AddClipTitle("Party", "party.mkv", {});
    std::string project = Save(m_project, "holiday.dmsd");
    std::string before = ReadFile(project);

    RunResult run = Run({"info", project, "--json"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ("", run.err);
    json report = run.Json();
    EXPECT_EQ(project, report["project"]);
    EXPECT_EQ("dvd", report["disc"]["format"]);
    EXPECT_EQ("pal", report["disc"]["tvStandard"]);
    EXPECT_EQ("16:9", report["disc"]["aspectRatio"]);
    EXPECT_EQ(576, report["encoding"]["resolution"]["height"]);
    EXPECT_TRUE(report["encoding"]["videoBitRate"].get<int>() > 0);
    ASSERT_EQ(2u, report["titles"].size());

    const json& beach = report["titles"][0];
    EXPECT_EQ("Beach", beach["name"]);
    EXPECT_EQ(1, beach["number"]);
    EXPECT_NEAR(2.0, beach["duration"].get<double>(), 0.05);
    // The marker at 0.2 s stands for chapter 1, which starts at 0.
    ASSERT_EQ(3u, beach["chapters"].size());
    EXPECT_EQ(0.0, beach["chapters"][0]["time"]);
    EXPECT_EQ(1.0, beach["chapters"][1]["time"]);
    EXPECT_EQ(1.5, beach["chapters"][2]["time"]);
    EXPECT_EQ("Cake", beach["chapters"][2]["name"]);
    ASSERT_EQ(1u, beach["media"].size());
    uintmax_t beachBytes = std::filesystem::file_size(m_folder.File("beach.mp4"));
    EXPECT_EQ(beachBytes, beach["media"][0]["bytes"]);
    EXPECT_EQ(1u, report["titles"][1]["chapters"].size());

    uintmax_t partyBytes = std::filesystem::file_size(m_folder.File("party.mkv"));
    EXPECT_EQ(beachBytes + partyBytes, report["sizes"]["media"]);
    EXPECT_GT(report["sizes"]["estimatedDisc"].get<uint64_t>(), 0u);
    EXPECT_EQ(before, ReadFile(project));
}

TEST_F(InfoCommand, TextNamesTitlesChaptersAndMissingMedia)
{
    AddClipTitle("Beach", "beach.mp4", {1.0});
    AddClipTitle("Party", "party.mp4", {});
    std::string project = Save(m_project, "holiday.dmsd");
    std::filesystem::remove(m_folder.File("party.mp4"));

    RunResult run = Run({"info", project});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_NE(std::string::npos, run.out.find("Disc      DVD, PAL, 16:9")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("2 titles")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("  1  Beach  00:00:02.00")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("chapters  1 00:00:00.00  2 00:00:01.00")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("party.mp4  MISSING")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("encoding  as the project")) << run.out;

    json report = Run({"info", project, "--json"}).Json();
    EXPECT_FALSE(report["titles"][1]["media"][0]["exists"].get<bool>());
    EXPECT_TRUE(report["titles"][1]["media"][0]["bytes"].is_null());
}

TEST_F(InfoCommand, EmptyProjectHasNoTitles)
{
    std::string project = Save(m_project, "empty.dmsd");
    RunResult run = Run({"info", project});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_NE(std::string::npos, run.out.find("No titles"));
    EXPECT_TRUE(Run({"info", project, "--json"}).Json()["titles"].empty());
}

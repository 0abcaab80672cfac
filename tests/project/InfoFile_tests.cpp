#include "ProjectOpsTest.h"

#include "dsutils/DSAppUtils.h"

#include "platform/StringConv.h"

#include <filesystem>
#include <fstream>

namespace {

class InfoFile : public ProjectOpsTest
{
protected:
    std::wstring Write(const char* name, const std::string& text)
    {
        std::ofstream(m_folder.Path() / name, std::ios::binary) << text;
        return m_folder.File(name);
    }

    HRESULT Parse(const std::wstring& path)
    {
        m_files.Clear();
        return CDSAppUtils::ParseInfoFile(CComBSTR(path), &m_files);
    }

    CComVariant m_files;
};

TEST_F(InfoFile, EntriesGiveFilesAndNamesInDocumentOrder)
{
    std::wstring info = Write("disc.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<Disc>
  <Title file="clips/one.mp4" name="First day"/>
  <!-- notes are passed over -->
  <Note text="no file here"/>
  <Title file="/videos/two.mkv"/>
  <Chapter name="ignored" file="three.avi">text</Chapter>
</Disc>)");
    ASSERT_EQ(S_OK, Parse(info));
    std::wstring folder = m_folder.Path().wstring();
    EXPECT_EQ(
        (std::vector<std::wstring>{folder + L"/clips/one.mp4", L"First day", L"/videos/two.mkv",
                                   L"", folder + L"/three.avi", L"ignored"}),
        StringsOf(m_files));
}

TEST_F(InfoFile, NamesOutsideAsciiAreReadWhateverTheLocale)
{
    std::filesystem::create_directories(m_folder.Path() / "Vid\xC3\xA9os");
    std::wstring info =
        Write("Vid\xC3\xA9os/disc.xml",
              "<Disc><Title file='Cl\xC3\xA9.mp4' name='\xC3\x89t\xC3\xA9'/></Disc>");
    ASSERT_EQ(S_OK, Parse(info));
    std::wstring folder = Utf8ToWide(m_folder.Path().string());
    EXPECT_EQ((std::vector<std::wstring>{folder + L"/Vid\u00E9os/Cl\u00E9.mp4", L"\u00C9t\u00E9"}),
              StringsOf(m_files));
}

TEST_F(InfoFile, FilesThatCannotBeReadOrListNothingAreRefused)
{
    EXPECT_EQ(E_PARSEINFOFILE_CANT_PARSE, Parse(Write("cut.xml", R"(<Disc><Title file=")")));
    EXPECT_TRUE(StackHolds(L"cut.xml"));
    EXPECT_EQ(VT_EMPTY, m_files.vt);
    EXPECT_EQ(E_PARSEINFOFILE_CANT_PARSE,
              Parse(Write("empty.xml", "<Disc><Title name='x'/></Disc>")));
    EXPECT_TRUE(StackHolds(L"lists no media file"));
    EXPECT_EQ(E_PARSEINFOFILE_CANT_PARSE, Parse(m_folder.File("missing.xml")));
    EXPECT_EQ(E_PARSEINFOFILE_CANT_PARSE, Parse(m_folder.Path().wstring()));
    EXPECT_EQ(E_POINTER, CDSAppUtils::ParseInfoFile(nullptr, &m_files));
    EXPECT_EQ(E_POINTER, CDSAppUtils::ParseInfoFile(CComBSTR(L"x.xml"), nullptr));
}

TEST_F(InfoFile, HostileFilesCostNoMoreThanTheirBoundedSize)
{
    // Entities that would expand a few bytes into gigabytes are not expanded: the file is
    // malformed.
    EXPECT_EQ(E_PARSEINFOFILE_CANT_PARSE, Parse(Write("laughs.xml", R"(<?xml version="1.0"?>
<!DOCTYPE d [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">]>
<Disc><Title file="&b;" name="x"/></Disc>)")));

    // Deep nesting below an entry is not walked.
    std::string deep = "<Disc><Title file='one.mp4' name='One'/>";
    const int depth = 400000;
    for (int i = 0; i < depth; ++i)
        deep += "<a>";
    deep += "<Title file='deep.mp4'/>";
    for (int i = 0; i < depth; ++i)
        deep += "</a>";
    deep += "</Disc>";
    ASSERT_EQ(S_OK, Parse(Write("deep.xml", deep)));
    EXPECT_EQ(2u, StringsOf(m_files).size());

    // A file above 4 MiB is not parsed at all, and neither is a device.
    std::string big = "<Disc><Title file='one.mp4'/>" + std::string(4 << 20, ' ') + "</Disc>";
    EXPECT_EQ(E_PARSEINFOFILE_CANT_PARSE, Parse(Write("big.xml", big)));
    EXPECT_TRUE(StackHolds(L"larger than 4 MiB"));
    EXPECT_EQ(E_PARSEINFOFILE_CANT_PARSE, Parse(L"/dev/zero"));
}

} // namespace

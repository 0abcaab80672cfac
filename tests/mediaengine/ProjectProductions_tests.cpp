// Productions kept inside project files: the project loads with its titles' productions, and
// hostile productions are refused without stopping the process.
#include "support/ErrorStackText.h"
#include "support/ProjectTest.h"
#include "support/ScratchFolder.h"

#include "model/IDSProjectFile.h"
#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"
#include "model/ModelClasses.h"
#include "platform/Image.h"
#include "platform/StringConv.h"

#include <filesystem>
#include <fstream>

namespace {

class ProjectProductions : public ProjectTest
{
protected:
    void SetUp() override { ASSERT_EQ(S_OK, m_files.CoCreateInstance(CLSID_CDSProjectFile)); }

    static CComPtr<IKVEProductionData> ProductionOf(IDSTitle* title)
    {
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, title->GetProduction(&production));
        return CComQIPtr<IKVEProductionData>(production);
    }

    std::wstring Picture(const char* name)
    {
        BgraImage picture;
        BgraImage::Create(16, 12, 0xFF00FF00, picture);
        std::wstring path = m_folder.File(name);
        EXPECT_EQ(S_OK, SaveImageFile(picture, path));
        return path;
    }

    ScratchFolder m_folder;
    CComPtr<IDSProjectFile> m_files;
};

TEST_F(ProjectProductions, TitleWithMediaOutsideAsciiSavesAndLoads)
{
    std::filesystem::create_directories(m_folder.Path() / "Vid\xC3\xA9os");
    std::wstring still = Picture("Vid\xC3\xA9os/f\xC3\xAAte.png");
    CComPtr<IDSProjectData> project = NewProject();
    CComPtr<IDSTitle> title = AddTitle(project);
    ASSERT_EQ(S_OK, CComQIPtr<IEditData>(ProductionOf(title))
                        ->AddSourceFile(0, CComBSTR(still), 0.0, 2.0, VARIANT_FALSE, nullptr));
    CComBSTR path(m_folder.File("Vid\xC3\xA9os/projet.dmsd"));
    ASSERT_EQ(S_OK, m_files->SaveProject(path, project));

    CComPtr<IDSProjectData> loaded = NewProject();
    ASSERT_EQ(S_OK, m_files->LoadProject(path, loaded));
    CComPtr<IDSTitle> loadedTitle;
    ASSERT_EQ(S_OK, loaded->get_Title(1, &loadedTitle));
    CComPtr<IBaseObject> panel;
    ASSERT_EQ(S_OK, ProductionOf(loadedTitle)->GetPanelBaseObject(0, &panel));
    CComBSTR file;
    CComQIPtr<ISourceFile>(panel)->get_FileName(&file);
    EXPECT_EQ(still, file.Str());
}

TEST_F(ProjectProductions, TitlePlayingAFileThatPlaysItselfIsRefused)
{
    CComPtr<IKVEProductionData> inner;
    ASSERT_EQ(S_OK, inner.CoCreateInstance(CLSID_KVEProduction));
    ASSERT_EQ(S_OK, CComQIPtr<IEditData>(inner)->AddSolidColor(0, 0xFF, nullptr));
    std::wstring loop = m_folder.File("loop.dmsm");
    ASSERT_EQ(S_OK, inner->SaveAsProduction(CComBSTR(loop)));
    CComPtr<IDSProjectData> project = NewProject();
    CComPtr<IDSTitle> title = AddTitle(project);
    ASSERT_EQ(S_OK, CComQIPtr<IEditData>(ProductionOf(title))
                        ->AddSourceFile(0, CComBSTR(loop), 0.0, 0.0, VARIANT_FALSE, nullptr));
    CComBSTR path(m_folder.File("project.dmsd"));
    ASSERT_EQ(S_OK, m_files->SaveProject(path, project));
    // The production file is changed afterwards so that it plays itself.
    std::ofstream(WideToUtf8(loop))
        << "<Production version=\"1\" aspectRatio=\"1.5\" frameRate=\"25\" nextId=\"2\"><Panels>"
           "<SourceFile id=\"1\" file=\""
        << WideToUtf8(loop)
        << "\" in=\"0\" out=\"1\" rotation=\"0\" stereo=\"0\"/></Panels></Production>";

    CComPtr<IDSProjectData> loaded = NewProject();
    EXPECT_TRUE(FAILED(m_files->LoadProject(path, loaded)));
    EXPECT_TRUE(StackHolds(L"plays itself, directly or through others"));
}

} // namespace

// The fixture of the project operations' tests: a real project over the real media engine, a
// scratch folder for the media the tests make, and a configuration of the test's own (the
// user's folders are moved into the scratch folder).
#pragma once

#include "support/ErrorStackText.h"
#include "support/MediaFiles.h"
#include "support/ProjectTest.h"
#include "support/ScopedEnvironment.h"

#include "model/KVEEditData.h"
#include "model/KVEPanels.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

#include "platform/ResultCodes.h"
#include "platform/Variant.h"

#include <initializer_list>
#include <string>
#include <vector>

class ProjectOpsTest : public ProjectTest
{
protected:
    // A clip of a few frames of that size and pixel shape.
    std::wstring Clip(const char* name, int width = 64, int height = 48, int pixelWidth = 1,
                      int pixelHeight = 1)
    {
        return MakeClip(m_folder, name, width, height, 5, pixelWidth, pixelHeight);
    }

    // A VT_ARRAY | VT_BSTR of the names.
    static CComVariant Names(std::initializer_list<std::wstring> names)
    {
        CComVariant array;
        array.parray = SafeArrayCreateVector(VT_BSTR, 0, ULONG(names.size()));
        array.vt = VT_ARRAY | VT_BSTR;
        LONG i = 0;
        for (const std::wstring& name : names) {
            CComBSTR text(name);
            EXPECT_EQ(S_OK, SafeArrayPutElement(array.parray, &i, text.m_str));
            ++i;
        }
        return array;
    }

    // The strings of a VT_ARRAY | VT_BSTR.
    static std::vector<std::wstring> StringsOf(const VARIANT& array)
    {
        std::vector<std::wstring> strings;
        EXPECT_EQ(VT_ARRAY | VT_BSTR, array.vt);
        if (array.vt != (VT_ARRAY | VT_BSTR))
            return strings;
        LONG upper = -1;
        SafeArrayGetUBound(array.parray, 1, &upper);
        for (LONG i = 0; i <= upper; ++i) {
            CComBSTR text;
            EXPECT_EQ(S_OK, SafeArrayGetElement(array.parray, &i, &text.m_str));
            strings.push_back(text.Str());
        }
        return strings;
    }

    static CComPtr<IKVEProductionData> StoryboardOf(IDSTitle* title)
    {
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, title->GetProduction(&production));
        return CComQIPtr<IKVEProductionData>(production);
    }

    static CComQIPtr<IProductionInfo> InfoOf(IDSTitle* title)
    {
        return CComQIPtr<IProductionInfo>(StoryboardOf(title).p);
    }

    // The files of the source panels of a title's production, in order (cuts and transitions
    // left out).
    static std::vector<std::wstring> PanelFiles(IDSTitle* title)
    {
        CComPtr<IKVEProductionData> storyboard = StoryboardOf(title);
        LONG count = 0;
        EXPECT_EQ(S_OK, storyboard->GetNumberOfPanels(&count));
        std::vector<std::wstring> files;
        for (LONG i = 0; i < count; ++i) {
            CComPtr<IBaseObject> panel;
            EXPECT_EQ(S_OK, storyboard->GetPanelBaseObject(i, &panel));
            CComBSTR file;
            if (CComQIPtr<ISourceFile> source = panel.p) {
                EXPECT_EQ(S_OK, source->get_FileName(&file));
                files.push_back(file.Str());
            }
        }
        return files;
    }

    // A production file of one clip, of the shape given, marked as a slideshow when asked.
    std::wstring ProductionFile(const char* name, const std::wstring& clip, double shape,
                                bool slideshow = false)
    {
        CComPtr<IDSProjectData> scratch = NewProject();
        CComPtr<IDSTitle> title = AddTitle(scratch);
        CComQIPtr<IEditData> edit(StoryboardOf(title).p);
        EXPECT_EQ(S_OK, edit->AddSourceFile(0, CComBSTR(clip), 0.0, 0.0, VARIANT_TRUE, nullptr));
        EXPECT_EQ(S_OK, InfoOf(title)->put_AspectRatio(shape));
        if (slideshow)
            MakeSlideShow(title);
        std::wstring path = m_folder.File(name);
        EXPECT_EQ(S_OK, StoryboardOf(title)->SaveAsProduction(CComBSTR(path)));
        return path;
    }

    static LONG TitleCount(IDSProjectData* project)
    {
        LONG count = -1;
        EXPECT_EQ(S_OK, project->get_TitleCount(&count));
        return count;
    }

    ScratchFolder m_folder;
    ScopedEnvironment m_home{"REELMARK_HOME", (m_folder.Path() / "home").c_str()};
    CComPtr<IDSProjectData> m_project = NewProject();
};

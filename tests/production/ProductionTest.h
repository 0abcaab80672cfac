// The fixture of the production utilities' tests: a real project over the real media engine,
// a scratch folder for the media the tests make (support/MediaFiles.h), and steps that build
// productions.
#pragma once

#include "support/ColourCheck.h"
#include "support/ErrorStackText.h"
#include "support/MediaFiles.h"
#include "support/ProjectTest.h"

#include "model/KVEEditData.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

#include "platform/Image.h"

#include <string>

class ProductionTest : public ProjectTest
{
protected:
    static CComPtr<IKVEProductionData> StoryboardOf(IUnknown* object)
    {
        CComPtr<IUnknown> production;
        if (CComQIPtr<IDSTitle> title = object) {
            EXPECT_EQ(S_OK, title->GetProduction(&production));
        } else if (CComQIPtr<IDSMenu> menu = object) {
            EXPECT_EQ(S_OK, menu->GetProduction(&production));
        }
        return CComQIPtr<IKVEProductionData>(production);
    }
    static CComQIPtr<IEditData> Edit(IUnknown* object)
    {
        return CComQIPtr<IEditData>(StoryboardOf(object).p);
    }
    static CComQIPtr<IProductionInfo> Info(IUnknown* object)
    {
        return CComQIPtr<IProductionInfo>(StoryboardOf(object).p);
    }

    // Appends a source file to the production of a title or a menu; its panel.
    static CComPtr<IUnknown> AddSource(IUnknown* object, const std::wstring& file, double in = 0.0,
                                       double out = 0.0)
    {
        CComPtr<IUnknown> panel;
        EXPECT_EQ(S_OK,
                  Edit(object)->AddSourceFile(1000, CComBSTR(file), in, out, VARIANT_TRUE, &panel));
        return panel;
    }

    ScratchFolder m_folder;
    CComPtr<IDSProjectData> m_project = NewProject();
    CComPtr<IDSTitle> m_title = AddTitle(m_project);
};

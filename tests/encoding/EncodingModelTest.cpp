#include "EncodingModelTest.h"

#include "mediaengine/MediaEngine.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"
#include "model/ModelClasses.h"
#include "objectmodel/ObjectModel.h"
#include "platform/ErrorStack.h"

namespace encoding_test {

void EncodingModelTest::SetUp()
{
    ASSERT_EQ(RegisterObjectModelClasses(), S_OK);
    ASSERT_EQ(RegisterMediaEngineClasses(), S_OK);
    ASSERT_EQ(RegisterXmlClasses(), S_OK);
    KVUClearErrorStack();
}

void EncodingModelTest::TearDown()
{
    RevokeObjectModelClasses();
}

CComPtr<IDSProjectData> EncodingModelTest::NewProject(DiscFormat format, TVStandard tv,
                                                      const EncodingValues& master)
{
    CComPtr<IDSProjectData> project;
    EXPECT_EQ(project.CoCreateInstance(CLSID_CDSProjectData), S_OK);
    if (!project)
        return project;
    project->put_DiscFormat(format);
    project->put_TVStandard(tv);
    Store(project, master);
    return project;
}

CComPtr<IDSTitle> EncodingModelTest::AddTitle(IDSProjectData* project, const EncodingValues& values)
{
    CComPtr<IDSTitle> title;
    EXPECT_EQ(project->AddTitle(-1, &title), S_OK);
    if (title)
        Store(title, values);
    return title;
}

CComPtr<IDSMenu> EncodingModelTest::AddMenu(IDSProjectData* project)
{
    CComPtr<IDSMenu> menu;
    EXPECT_EQ(project->AddMenu(-1, &menu), S_OK);
    return menu;
}

void EncodingModelTest::MakeSlideShow(IDSTitle* title)
{
    CComPtr<IUnknown> production;
    ASSERT_EQ(title->GetProduction(&production), S_OK);
    CComPtr<IUnknown> productionObj;
    ASSERT_EQ(CComQIPtr<IKVEProductionData>(production)->GetProductionObj(&productionObj), S_OK);
    CComPtr<IXMLDOMDocument> document;
    ASSERT_EQ(CreateXMLDocument(&document), S_OK);
    CComPtr<IXMLDOMElement> slideShowDoc;
    ASSERT_EQ(document->createElement(CComBSTR(L"SlideShowDoc"), &slideShowDoc), S_OK);
    ASSERT_EQ(CComQIPtr<IProductionInfo>(productionObj)
                  ->SetMetaData(CComBSTR(L"SlideShowDoc"), slideShowDoc),
              S_OK);
}

} // namespace encoding_test

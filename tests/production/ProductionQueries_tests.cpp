#include "dsutils/DSProductionUtils.h"

#include "support/ProjectTest.h"

#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"

namespace {

class ProductionQueriesTest : public ProjectTest
{
protected:
    CComPtr<IUnknown> ProductionOf(IDSTitle* title)
    {
        CComPtr<IUnknown> production;
        EXPECT_EQ(S_OK, title->GetProduction(&production));
        return production;
    }

    void MarkAsSlideShow(IUnknown* production)
    {
        CComQIPtr<IProductionInfo> info(production);
        ASSERT_TRUE(info);
        CComPtr<IXMLDOMDocument> document;
        ASSERT_EQ(S_OK, CreateXMLDocument(&document));
        CComPtr<IXMLDOMElement> metadata;
        ASSERT_EQ(S_OK, document->createElement(CComBSTR(L"SlideShowDoc"), &metadata));
        ASSERT_EQ(S_OK, info->SetMetaData(CComBSTR(L"SlideShowDoc"), metadata));
    }

    CComPtr<IDSProjectData> project = NewProject();
    CComPtr<IDSTitle> title = AddTitle(project);
};

TEST_F(ProductionQueriesTest, SlideShowMetadataMarksTheTitleItsProductionAndItsObject)
{
    CComPtr<IUnknown> production = ProductionOf(title);
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(title));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(production));

    MarkAsSlideShow(production);
    EXPECT_TRUE(CDSProductionUtils::IsSlideShow(title));
    EXPECT_TRUE(CDSProductionUtils::IsSlideShow(production));
    CComQIPtr<IKVEProductionData> storyboard(production);
    CComPtr<IUnknown> productionObject;
    ASSERT_EQ(S_OK, storyboard->GetProductionObj(&productionObject));
    EXPECT_TRUE(CDSProductionUtils::IsSlideShow(productionObject));
}

TEST_F(ProductionQueriesTest, ObjectsWithoutAProductionAreNoSlideShows)
{
    MarkAsSlideShow(ProductionOf(title));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(nullptr));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(AddMenu(project)));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(project));
}

} // namespace

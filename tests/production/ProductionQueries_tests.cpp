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

    CComPtr<IDSProjectData> project = NewProject();
    CComPtr<IDSTitle> title = AddTitle(project);
};

TEST_F(ProductionQueriesTest, SlideShowMetadataMarksTheTitleItsProductionAndItsObject)
{
    CComPtr<IUnknown> production = ProductionOf(title);
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(title));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(production));

    MakeSlideShow(title);
    EXPECT_TRUE(CDSProductionUtils::IsSlideShow(title));
    EXPECT_TRUE(CDSProductionUtils::IsSlideShow(production));
    CComQIPtr<IKVEProductionData> storyboard(production);
    CComPtr<IUnknown> productionObject;
    ASSERT_EQ(S_OK, storyboard->GetProductionObj(&productionObject));
    EXPECT_TRUE(CDSProductionUtils::IsSlideShow(productionObject));
}

TEST_F(ProductionQueriesTest, ObjectsWithoutAProductionAreNoSlideShows)
{
    MakeSlideShow(title);
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(nullptr));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(AddMenu(project)));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(project));
}

} // namespace

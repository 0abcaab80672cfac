#include "dsutils/DSProductionUtils.h"

#include "ProductionTest.h"

#include "model/KVEAudio.h"
#include "model/KVEGraphManager.h"
#include "platform/ComObject.h"

namespace {

class ProductionQueriesTest : public ProductionTest
{
protected:
    CComPtr<IUnknown> ProductionObjectOf(IDSTitle* title)
    {
        CComPtr<IUnknown> productionObject;
        EXPECT_EQ(S_OK, StoryboardOf(title)->GetProductionObj(&productionObject));
        return productionObject;
    }
};

TEST_F(ProductionQueriesTest, SlideShowMetadataMarksTheTitleItsProductionAndItsObject)
{
    CComPtr<IKVEProductionData> production = StoryboardOf(m_title);
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(m_title));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(production));

    MakeSlideShow(m_title);
    EXPECT_TRUE(CDSProductionUtils::IsSlideShow(m_title));
    EXPECT_TRUE(CDSProductionUtils::IsSlideShow(production));
    EXPECT_TRUE(CDSProductionUtils::IsSlideShow(ProductionObjectOf(m_title)));
}

TEST_F(ProductionQueriesTest, ObjectsWithoutAProductionAreNoSlideShows)
{
    MakeSlideShow(m_title);
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(nullptr));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(AddMenu(m_project)));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(m_project));
}

TEST_F(ProductionQueriesTest, AspectRatioWithinAHundredthOfSixteenNinthsIsWide)
{
    ASSERT_EQ(S_OK, Info(m_title)->put_AspectRatio(1.78));
    EXPECT_EQ(AspectRatio_16x9, CDSProductionUtils::GetAspectRatio(m_title));
    EXPECT_EQ(AspectRatio_16x9, CDSProductionUtils::GetAspectRatio(StoryboardOf(m_title)));
    EXPECT_EQ(AspectRatio_16x9, CDSProductionUtils::GetAspectRatio(ProductionObjectOf(m_title)));
    ASSERT_EQ(S_OK, Info(m_title)->put_AspectRatio(1.7));
    EXPECT_EQ(AspectRatio_4x3, CDSProductionUtils::GetAspectRatio(m_title));
    CComPtr<IDSMenu> menu = AddMenu(m_project);
    ASSERT_EQ(S_OK, Info(menu)->put_AspectRatio(16.0 / 9.0));
    EXPECT_EQ(AspectRatio_16x9, CDSProductionUtils::GetAspectRatio(menu));
}

TEST_F(ProductionQueriesTest, ProductionsAnswerTheirRateLengthAndDepth)
{
    ASSERT_EQ(S_OK, Info(m_title)->put_EditingFrameRate(25.0));
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK, Edit(m_title)->AddSolidColor(0, 0x336699, &panel));
    ASSERT_EQ(S_OK, CComQIPtr<IBaseObject>(panel)->put_Duration(7.5));
    ASSERT_EQ(S_OK, Info(m_title)->put_Is3D(VARIANT_TRUE));
    EXPECT_DOUBLE_EQ(25.0, CDSProductionUtils::GetEditingFrameRate(m_title));
    EXPECT_DOUBLE_EQ(7.5, CDSProductionUtils::GetDuration(m_title));
    EXPECT_TRUE(CDSProductionUtils::Is3DProduction(m_title));
    EXPECT_EQ(StoryboardOf(m_title).p, CDSProductionUtils::GetProduction(m_title).p);
}

TEST_F(ProductionQueriesTest, ObjectsWithoutInformationGiveTheDefaults)
{
    for (IUnknown* object : {static_cast<IUnknown*>(nullptr), static_cast<IUnknown*>(m_project)}) {
        EXPECT_DOUBLE_EQ(29.97, CDSProductionUtils::GetEditingFrameRate(object));
        EXPECT_DOUBLE_EQ(0.0, CDSProductionUtils::GetDuration(object));
        EXPECT_EQ(AspectRatio_4x3, CDSProductionUtils::GetAspectRatio(object));
        EXPECT_FALSE(CDSProductionUtils::Is3DProduction(object));
        EXPECT_FALSE(CDSProductionUtils::GetProduction(object));
    }
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

// Information whose every answer fails: the engine's error, or no such interface.
class FailingInformation : public ComObject<FailingInformation, IProductionInfo>
{
public:
    explicit FailingInformation(HRESULT failure) : m_failure(failure) {}
    HRESULT get_AspectRatio(double*) override { return m_failure; }
    HRESULT put_AspectRatio(double) override { return m_failure; }
    HRESULT get_Duration(double*) override { return m_failure; }
    HRESULT get_EditingFrameRate(double*) override { return m_failure; }
    HRESULT put_EditingFrameRate(double) override { return m_failure; }
    HRESULT get_Is3D(VARIANT_BOOL*) override { return m_failure; }
    HRESULT put_Is3D(VARIANT_BOOL) override { return m_failure; }
    HRESULT GetMetaData(BSTR, IXMLDOMNode**) override { return m_failure; }
    HRESULT SetMetaData(BSTR, IXMLDOMNode*) override { return m_failure; }

private:
    HRESULT m_failure;
};

TEST_F(ProductionQueriesTest, FailedAnswersGiveTheDefaultsAndReachTheCallersStack)
{
    CComPtr<FailingInformation> failing = FailingInformation::Create(E_FAIL);
    EXPECT_DOUBLE_EQ(29.97, CDSProductionUtils::GetEditingFrameRate(failing->GetUnknown()));
    EXPECT_EQ(AspectRatio_4x3, CDSProductionUtils::GetAspectRatio(failing->GetUnknown()));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShow(failing->GetUnknown()));
    EXPECT_TRUE(StackHolds(L"spInfo->get_EditingFrameRate(&rate)"));
    EXPECT_TRUE(StackHolds(L"spInfo->get_AspectRatio(&ratio)"));
    KVUClearErrorStack();
    CComPtr<FailingInformation> silent = FailingInformation::Create(E_NOINTERFACE);
    EXPECT_DOUBLE_EQ(0.0, CDSProductionUtils::GetDuration(silent->GetUnknown()));
    EXPECT_TRUE(KVUGetErrorStack().empty());
}

TEST_F(ProductionQueriesTest, ProductionFilesAreKnownByTheirExtensionInAnyCase)
{
    EXPECT_TRUE(CDSProductionUtils::IsProductionFile(L"/videos/Show.DMSS"));
    EXPECT_TRUE(CDSProductionUtils::IsSlideShowProductionFile(L"/videos/Show.DMSS"));
    EXPECT_TRUE(CDSProductionUtils::IsProductionFile(L"movie.dmsm3d"));
    EXPECT_FALSE(CDSProductionUtils::IsSlideShowProductionFile(L"movie.dmsm3d"));
    EXPECT_TRUE(CDSProductionUtils::IsProductionFile(L"a.Dmsm"));
    EXPECT_TRUE(CDSProductionUtils::IsProductionFile(L"a.pssd"));
    EXPECT_FALSE(CDSProductionUtils::IsProductionFile(L"a.dmsmx"));
    EXPECT_FALSE(CDSProductionUtils::IsProductionFile(L"/folder.dmsm/clip"));
    EXPECT_FALSE(CDSProductionUtils::IsProductionFile(L"dmsm"));
    EXPECT_FALSE(CDSProductionUtils::IsProductionFile(nullptr));
}

TEST_F(ProductionQueriesTest, CompositionIsWhatTheGraphManagerRenders)
{
    CComPtr<IKVEGraphManager> graph;
    ASSERT_EQ(S_OK, graph.CoCreateInstance(CLSID_KVEGraphManager));
    EXPECT_FALSE(CDSProductionUtils::GetComposition(graph));
    ASSERT_EQ(S_OK, graph->SetProduction(StoryboardOf(m_title)));
    EXPECT_TRUE(CDSProductionUtils::GetComposition(graph).IsEqualObject(StoryboardOf(m_title)));
    EXPECT_FALSE(CDSProductionUtils::GetComposition(nullptr));
}

TEST_F(ProductionQueriesTest, FindIdNamesWhatTheContainerKnows)
{
    CComPtr<IUnknown> panel;
    ASSERT_EQ(S_OK, Edit(m_title)->AddSolidColor(0, 0x112233, &panel));
    LONG panelId = 0;
    CComQIPtr<IBaseObject>(panel)->get_ID(&panelId);
    EXPECT_EQ(DWORD(panelId), CDSProductionUtils::FindId(StoryboardOf(m_title), panel));

    CComPtr<IDSMenu> menu = AddMenu(m_project);
    CComPtr<IDSMenuButton> button = AddButton(menu);
    LONG itemId = 0;
    button->get_EffectID(&itemId);
    EXPECT_EQ(DWORD(itemId), CDSProductionUtils::FindId(StoryboardOf(menu), button));
    EXPECT_EQ(0u, CDSProductionUtils::FindId(StoryboardOf(m_title), button));
    EXPECT_EQ(0u, CDSProductionUtils::FindId(StoryboardOf(menu), panel));

    EXPECT_EQ(DWORD(IdOf(button)), CDSProductionUtils::FindId(m_project, button));
    EXPECT_EQ(DWORD(IdOf(m_title)), CDSProductionUtils::FindId(m_project, m_title));
    EXPECT_EQ(0u, CDSProductionUtils::FindId(NewProject(), m_title));
    EXPECT_EQ(0u, CDSProductionUtils::FindId(menu, button));
}

} // namespace

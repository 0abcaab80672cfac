#include "dsutils/DSProductionUtils.h"

#include "ProductionTest.h"

#include "platform/Xml.h"

namespace {

class SlideShowInfo : public ProductionTest
{
protected:
    // Gives the title's production the slideshow metadata of an XML text.
    void SetSlideShowDoc(const wchar_t* xml)
    {
        CComPtr<IXMLDOMDocument> document;
        ASSERT_EQ(S_OK, CreateXMLDocument(&document));
        VARIANT_BOOL loaded = VARIANT_FALSE;
        ASSERT_EQ(S_OK, document->loadXML(CComBSTR(xml), &loaded));
        CComPtr<IXMLDOMElement> root;
        ASSERT_EQ(S_OK, document->get_documentElement(&root));
        ASSERT_EQ(S_OK, Info(m_title)->SetMetaData(CComBSTR(L"SlideShowDoc"), root));
    }

    void AddStills(int count)
    {
        std::wstring still = MakePicture(m_folder, "slide.png", 32, 24, 0xFF2040C0);
        for (int i = 0; i < count; ++i)
            AddSource(m_title, still);
    }
};

TEST_F(SlideShowInfo, EncodedStylesMarkSlideShowsOfStills)
{
    AddStills(3);
    SetSlideShowDoc(L"<SlideShowDoc><AEStyle><StyleFile>/content/Styles/SS_Dissolve.xml"
                    L"</StyleFile></AEStyle></SlideShowDoc>");
    EXPECT_TRUE(CDSProductionUtils::IsEncodedAsSlideShow(m_title));
    EXPECT_FALSE(CDSProductionUtils::IsVCDHiresSlideshow(m_title));
    SetSlideShowDoc(L"<SlideShowDoc><AEStyle><StyleFile>SS_DVD_Infinite.xml</StyleFile>"
                    L"</AEStyle></SlideShowDoc>");
    EXPECT_TRUE(CDSProductionUtils::IsEncodedAsSlideShow(StoryboardOf(m_title)));
    SetSlideShowDoc(L"<SlideShowDoc><AEStyle><StyleFile>SS_VCD_HighRes.xml</StyleFile>"
                    L"</AEStyle></SlideShowDoc>");
    EXPECT_FALSE(CDSProductionUtils::IsEncodedAsSlideShow(m_title));
    EXPECT_TRUE(CDSProductionUtils::IsVCDHiresSlideshow(m_title));
}

TEST_F(SlideShowInfo, StoryboardMustHoldOnlyStillsToBeEncoded)
{
    SetSlideShowDoc(L"<SlideShowDoc><AEStyle><StyleFile>SS_Action.xml</StyleFile></AEStyle>"
                    L"</SlideShowDoc>");
    EXPECT_FALSE(CDSProductionUtils::IsEncodedAsSlideShow(m_title));
    AddStills(1);
    EXPECT_TRUE(CDSProductionUtils::IsEncodedAsSlideShow(m_title));
    AddSource(m_title, MakeClip(m_folder, "clip.mp4"));
    EXPECT_FALSE(CDSProductionUtils::IsEncodedAsSlideShow(m_title));
}

TEST_F(SlideShowInfo, InfiniteSwitchIsReadAndWritten)
{
    EXPECT_EQ(E_FAIL, CDSProductionUtils::SetInfiniteSlideShow(m_title, true));
    EXPECT_EQ(E_POINTER, CDSProductionUtils::SetInfiniteSlideShow(nullptr, true));
    SetSlideShowDoc(L"<SlideShowDoc><DVDSlideShow Enabled=\"TRUE\"/></SlideShowDoc>");
    EXPECT_TRUE(CDSProductionUtils::IsInfiniteSlideShow(m_title));
    ASSERT_EQ(S_OK, CDSProductionUtils::SetInfiniteSlideShow(m_title, false));
    EXPECT_FALSE(CDSProductionUtils::IsInfiniteSlideShow(m_title));
    SetSlideShowDoc(L"<SlideShowDoc/>");
    EXPECT_FALSE(CDSProductionUtils::IsInfiniteSlideShow(m_title));
    ASSERT_EQ(S_OK, CDSProductionUtils::SetInfiniteSlideShow(StoryboardOf(m_title), true));
    EXPECT_TRUE(CDSProductionUtils::IsInfiniteSlideShow(m_title));
}

TEST_F(SlideShowInfo, SlideDurationIsReadWhenItIsANumber)
{
    double duration = -1.0;
    EXPECT_EQ(E_POINTER, CDSProductionUtils::GetAESlideDuration(nullptr, duration));
    EXPECT_EQ(S_FALSE, CDSProductionUtils::GetAESlideDuration(m_title, duration));
    SetSlideShowDoc(L"<SlideShowDoc><AEProductionElements><AEWizardProductionElements>"
                    L"<SlideDuration>4.5</SlideDuration></AEWizardProductionElements>"
                    L"</AEProductionElements></SlideShowDoc>");
    ASSERT_EQ(S_OK, CDSProductionUtils::GetAESlideDuration(m_title, duration));
    EXPECT_DOUBLE_EQ(4.5, duration);
    SetSlideShowDoc(L"<SlideShowDoc><AEProductionElements><AEWizardProductionElements>"
                    L"<SlideDuration>long</SlideDuration></AEWizardProductionElements>"
                    L"</AEProductionElements></SlideShowDoc>");
    EXPECT_EQ(DISP_E_TYPEMISMATCH, CDSProductionUtils::GetAESlideDuration(m_title, duration));
    EXPECT_TRUE(StackHolds(L"LoadDoubleNode(spAEWizProdElems, CComBSTR(L\"SlideDuration\")"));
    EXPECT_DOUBLE_EQ(4.5, duration);
}

} // namespace

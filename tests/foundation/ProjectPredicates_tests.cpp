#include "dsutils/DSTags.h"

#include "FakeModel.h"

#include <gtest/gtest.h>

namespace {

class Predicates : public ::testing::Test
{
protected:
    CComPtr<FakeProject> m_project = FakeProject::Create();
    CComPtr<FakeMenu> m_menu = m_project->AddMenu(1, MenuType_Main);
    CComPtr<FakeButton> m_button = m_project->AddElement<FakeButton>(m_menu, 2, 0);
};

TEST_F(Predicates, NTSCUnlessTheProjectSaysPAL)
{
    EXPECT_TRUE(IsNTSC(m_button->GetUnknown()));
    m_project->standard = TVStandard_PAL;
    EXPECT_FALSE(IsNTSC(m_button->GetUnknown()));
    EXPECT_FALSE(IsNTSC(m_project->GetUnknown()));
    m_project->readResult = E_FAIL;
    EXPECT_TRUE(IsNTSC(m_menu->GetUnknown()));
    EXPECT_TRUE(IsNTSC(FakeMenu::Create()->GetUnknown()));
    EXPECT_TRUE(IsNTSC(nullptr));
}

TEST_F(Predicates, AspectRatioOfEncodingParametersAndOfMenusThroughTheirProject)
{
    CComPtr<FakeTitle> title = m_project->AddTitle(3, TitleType_User);
    title->aspect = AspectRatio_16x9;
    EXPECT_TRUE(IsAspectRatio16x9(title->GetUnknown()));
    EXPECT_FALSE(IsAspectRatio16x9(m_button->GetUnknown()));
    m_project->aspect = AspectRatio_16x9;
    EXPECT_TRUE(IsAspectRatio16x9(m_menu->GetUnknown()));
    EXPECT_TRUE(IsAspectRatio16x9(m_button->GetUnknown()));
    EXPECT_FALSE(IsAspectRatio4x3(m_button->GetUnknown()));
}

TEST_F(Predicates, WithoutEncodingParametersTheAnswerIs4x3)
{
    m_project->aspect = AspectRatio_16x9;
    m_project->readResult = E_FAIL;
    EXPECT_TRUE(IsAspectRatio4x3(m_project->GetUnknown()));
    EXPECT_TRUE(IsAspectRatio4x3(FakeMenu::Create()->GetUnknown()));
    EXPECT_TRUE(IsAspectRatio4x3(nullptr));
}

TEST_F(Predicates, DiscFormatFamilies)
{
    DiscFormat format = DiscFormat_None;
    m_project->format = DiscFormat_DVD4;
    EXPECT_TRUE(IsDVDProject(m_project->GetUnknown(), &format));
    EXPECT_EQ(format, DiscFormat_DVD4);
    m_project->format = DiscFormat_SVCD;
    EXPECT_FALSE(IsDVDProject(m_project->GetUnknown(), &format));
    EXPECT_EQ(format, DiscFormat_SVCD);
    EXPECT_FALSE(IsHDProject(m_project));
    for (DiscFormat hd : {DiscFormat_BluRay, DiscFormat_HDDVD2, DiscFormat_AVCHD}) {
        m_project->format = hd;
        EXPECT_TRUE(IsHDProject(m_project)) << hd;
        EXPECT_FALSE(IsDVDProject(m_project->GetUnknown()));
    }
    EXPECT_FALSE(IsHDProject(nullptr));
}

TEST_F(Predicates, FormatThatCannotBeReadIsNeitherFamily)
{
    m_project->format = DiscFormat_DVD;
    m_project->readResult = E_FAIL;
    DiscFormat format = DiscFormat_AVCHD;
    EXPECT_FALSE(IsDVDProject(m_project->GetUnknown(), &format));
    EXPECT_EQ(format, DiscFormat_AVCHD);
    EXPECT_FALSE(IsDVDProject(m_menu->GetUnknown(), &format));
    EXPECT_FALSE(IsHDProject(m_project));
}

TEST_F(Predicates, MenulessWhenNoMainOrChapterMenuRemains)
{
    EXPECT_FALSE(IsMenuless(m_project));
    m_menu->tag = MenuType_Transition;
    m_project->AddMenu(3, MenuType_MainTemplate);
    EXPECT_TRUE(IsMenuless(m_project));
    m_project->AddMenu(4, MenuType_Chapter);
    EXPECT_FALSE(IsMenuless(m_project));
    EXPECT_FALSE(IsMenuless(nullptr));
    m_project->readResult = E_FAIL;
    EXPECT_FALSE(IsMenuless(m_project));
}

} // namespace

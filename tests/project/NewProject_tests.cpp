#include "ProjectOpsTest.h"

#include "dsutils/DSAppUtils.h"
#include "dsutils/DSCmdList.h"
#include "dsutils/DSEncodeParams.h"
#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTagLists.h"
#include "dsutils/MenuStyleUtil.h"

#include "platform/Config.h"

#include <algorithm>

namespace {

constexpr ULONG kTemplateTags = MenuType_MainTemplate | MenuType_ChapterTemplate;

class NewProjectTest : public ProjectOpsTest
{
protected:
    HRESULT Make(LONG format, AspectRatio aspect = AspectRatio(0), bool fitToDisc = true,
                 LONG setting = 0)
    {
        return CDSAppUtils::NewProject(m_project, format, aspect, fitToDisc, false, setting);
    }

    // The names of the templates of the default theme for the project as it is now.
    std::vector<std::wstring> DefaultTemplateNames(bool b4x3)
    {
        CComPtr<IDSProjectData> theme;
        CComBSTR path;
        EXPECT_EQ(S_OK, CMenuStyleUtil::LoadDefault(b4x3, &theme, path, m_project));
        return TemplateNames(theme);
    }

    static std::vector<std::wstring> TemplateNames(IDSProjectData* project)
    {
        std::vector<std::wstring> names;
        for (const CComPtr<IDSMenu>& menu : GetMenuList(project, kTemplateTags)) {
            CComBSTR name;
            EXPECT_EQ(S_OK, menu->get_Name(&name));
            names.push_back(name.Str());
        }
        return names;
    }

    // The project has one menu, a main menu styled by the main-menu template, which shows
    // itself again when it ends.
    void ExpectOneMainMenuOfTheTheme()
    {
        std::vector<CComPtr<IDSMenu>> menus = GetMenuList(m_project, ~kTemplateTags);
        ASSERT_EQ(1u, menus.size());
        IDSMenu* menu = menus[0];
        ULONG tag = 0;
        EXPECT_EQ(S_OK, menu->get_Tag(&tag));
        EXPECT_EQ(ULONG(MenuType_Main), tag);
        CComPtr<IDSMenu> style = CDSMenuUtils::GetMenuTemplate(menu);
        ASSERT_NE(nullptr, style.p);
        EXPECT_EQ(S_OK, style->get_Tag(&tag));
        EXPECT_TRUE(tag & MenuType_MainTemplate);
        CComBSTR background, styleBackground;
        EXPECT_EQ(S_OK, menu->get_Background(&background));
        EXPECT_EQ(S_OK, style->get_Background(&styleBackground));
        EXPECT_EQ(styleBackground.Str(), background.Str());
        EXPECT_EQ(CDSMenuUtils::GetRootMenu(m_project), menu);
        CCommandList commands(menu);
        ASSERT_EQ(1, commands.size());
        EXPECT_EQ(DiscCommand_JumpMenu, commands[0].command);
        EXPECT_EQ(IdOf(menu), LONG(commands[0].param1));
    }

    template <class T> T Property(HRESULT (IDSProjectData::*get)(T*))
    {
        T value{};
        EXPECT_EQ(S_OK, (m_project->*get)(&value));
        return value;
    }
};

TEST_F(NewProjectTest, EachFormatGetsItsEncodingAndTheDefaultTheme)
{
    struct Expected
    {
        LONG format;
        VideoFormat video;
        AspectRatio aspect;
        DiscSize size;
    };
    for (Expected expected : {Expected{1, VideoFormat_MPEG2, AspectRatio_16x9, SZ_None},
                              Expected{2, VideoFormat_MPEG2, AspectRatio_4x3, SZ_None},
                              Expected{7, VideoFormat_AVC, AspectRatio_16x9, SZ_BD25},
                              Expected{11, VideoFormat_AVC, AspectRatio_16x9, SZ_None}}) {
        SCOPED_TRACE(expected.format);
        ASSERT_EQ(S_OK, Make(expected.format, AspectRatio_16x9)) << KVUGetErrorStackText();
        EXPECT_EQ(expected.format, Property(&IDSProjectData::get_DiscFormat));
        EXPECT_EQ(expected.size, Property(&IDSProjectData::get_DiscSize));
        CDSEncodeParams encoding(m_project);
        EXPECT_EQ(expected.format, encoding.GetFormat());
        EXPECT_EQ(expected.video, encoding.GetVideoFormat());
        EXPECT_EQ(expected.aspect, encoding.GetAspectRatio());
        EXPECT_EQ(EP_HQ, encoding.GetEncoderPresets());
        std::vector<VideoResolution> allowed = encoding.GetPossibleResolutions();
        EXPECT_NE(allowed.end(),
                  std::find(allowed.begin(), allowed.end(), encoding.GetResolution()));
        VARIANT_BOOL sync = VARIANT_FALSE;
        EXPECT_EQ(S_OK, encoding.GetSyncToProject(&sync));
        EXPECT_EQ(VARIANT_TRUE, sync);

        std::vector<std::wstring> templates = TemplateNames(m_project);
        EXPECT_FALSE(templates.empty());
        EXPECT_EQ(DefaultTemplateNames(expected.aspect == AspectRatio_4x3), templates);
        ExpectOneMainMenuOfTheTheme();
    }
}

TEST_F(NewProjectTest, AMenulessProjectGetsTheTemplatesButNoMenu)
{
    ASSERT_EQ(S_OK, CDSAppUtils::NewProject(m_project, 1, AspectRatio_4x3, true, true, 0));
    EXPECT_FALSE(TemplateNames(m_project).empty());
    EXPECT_TRUE(GetMenuList(m_project, MenuType_Main | MenuType_Chapter).empty());
}

TEST_F(NewProjectTest, SettingsChooseWhatTheCallerLeavesOpen)
{
    CDSConfig config;
    ASSERT_EQ(S_OK, config.SetNumber(DSConfig_DefaultTVStandardSD, 1));
    ASSERT_EQ(S_OK, config.SetNumber(DSConfig_DefaultAspect, 1));
    ASSERT_EQ(S_OK, config.SetBool(DSConfig_AVCForFormats7And8, false));
    ASSERT_EQ(S_OK, Make(1));
    EXPECT_EQ(TVStandard_PAL, Property(&IDSProjectData::get_TVStandard));
    EXPECT_EQ(AspectRatio_16x9, CDSEncodeParams(m_project).GetAspectRatio());
    // Formats 7 and 11 have a TV standard setting of their own.
    ASSERT_EQ(S_OK, Make(7, AspectRatio_4x3));
    EXPECT_EQ(TVStandard_NTSC, Property(&IDSProjectData::get_TVStandard));
    EXPECT_EQ(AspectRatio_4x3, CDSEncodeParams(m_project).GetAspectRatio());
    EXPECT_EQ(VideoFormat_MPEG2, CDSEncodeParams(m_project).GetVideoFormat());

    EXPECT_EQ(0u, Property(&IDSProjectData::get_Flags));
    ASSERT_EQ(S_OK, config.SetBool(DSConfig_ApplyProjectFlags, true));
    ASSERT_EQ(S_OK, config.SetBool(DSConfig_ProjectFlagBit1, true));
    ASSERT_EQ(S_OK, config.SetNumber(DSConfig_ProjectFlagMode, 2));
    ASSERT_EQ(S_OK, Make(1, AspectRatio_4x3, true, 42));
    EXPECT_EQ(0x41u, Property(&IDSProjectData::get_Flags));
    EXPECT_EQ(42, Property(&IDSProjectData::get_CreationSetting));
}

TEST_F(NewProjectTest, FitToDiscIsNeverOnForVideoCDs)
{
    ASSERT_EQ(S_OK, Make(1, AspectRatio_4x3, true));
    EXPECT_EQ(VARIANT_TRUE, Property(&IDSProjectData::get_FitToDisc));
    ASSERT_EQ(S_OK, Make(1, AspectRatio_4x3, false));
    EXPECT_EQ(VARIANT_FALSE, Property(&IDSProjectData::get_FitToDisc));
    for (LONG videoCD : {5, 6}) {
        ASSERT_EQ(S_OK, Make(videoCD, AspectRatio_4x3, true));
        EXPECT_EQ(VARIANT_FALSE, Property(&IDSProjectData::get_FitToDisc));
    }
    ASSERT_EQ(S_OK, Make(9, AspectRatio_16x9));
    EXPECT_EQ(DiscSize(6), Property(&IDSProjectData::get_DiscSize));
}

TEST_F(NewProjectTest, TheOldProjectGoesUnlessTheFormatIsRefused)
{
    AddTitle(m_project);
    EXPECT_EQ(E_INVALIDARG, Make(12));
    EXPECT_EQ(E_INVALIDARG, Make(0));
    EXPECT_TRUE(StackHolds(L"There is no disc format 0"));
    EXPECT_EQ(1, TitleCount(m_project));
    ASSERT_EQ(S_OK, Make(1));
    EXPECT_EQ(0, TitleCount(m_project));
    EXPECT_EQ(E_POINTER, CDSAppUtils::NewProject(nullptr, 1, AspectRatio_4x3, true, false, 0));
}

} // namespace

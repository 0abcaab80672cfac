#include "ProductionTest.h"

#include "dsutils/DSMenuUtils.h"
#include "dsutils/DSTags.h"

#include "model/KVEAudio.h"

#include <fstream>

namespace {

class MenuDuration : public ProductionTest
{
protected:
    double Stored()
    {
        double seconds = -1.0;
        EXPECT_EQ(S_OK, CDSMenuUtils::GetDuration(m_menu, &seconds));
        return seconds;
    }
    bool IsAutomatic() { return (GetFlag(m_menu) & MenuFlag_AutoDuration) != 0; }
    double MaxDuration()
    {
        double seconds = -2.0;
        EXPECT_EQ(S_OK, CDSMenuUtils::GetMaxDuration(m_menu, &seconds));
        return seconds;
    }
    // Adds a smart audio track with that limit ("" for none) to the menu's storyboard.
    void AddSmartAudio(const char* name, const char* limit)
    {
        std::wstring track = m_folder.File(name);
        std::ofstream(m_folder.Path() / name)
            << "<SmartAudio title=\"Track\"" << (*limit ? " maxDuration=\"" : "") << limit
            << (*limit ? "\"" : "") << "><Segment file=\"a.wav\"/></SmartAudio>";
        CComPtr<IUnknown> audio;
        ASSERT_EQ(S_OK, Edit(m_menu)->AddProductionSmartAudio(CComBSTR(track.c_str()),
                                                              enBackgroundAudio, 0.0, 0.0, &audio));
    }

    CComPtr<IDSMenu> m_menu = AddMenu(m_project);
};

TEST_F(MenuDuration, ZeroMakesTheDurationAutomaticAndKeepsTheStoredOne)
{
    ASSERT_EQ(S_OK, CDSMenuUtils::SetDuration(m_menu, 12.5));
    EXPECT_FALSE(IsAutomatic());
    ASSERT_EQ(S_OK, CDSMenuUtils::SetDuration(m_menu, 0.0));
    EXPECT_TRUE(IsAutomatic());
    EXPECT_EQ(12.5, Stored());
    ASSERT_EQ(S_OK, CDSMenuUtils::SetDuration(m_menu, 20.0));
    EXPECT_FALSE(IsAutomatic());
    EXPECT_EQ(20.0, Stored());
}

TEST_F(MenuDuration, RefusedDurationsAreReportedAndChangeNothing)
{
    ASSERT_EQ(S_OK, CDSMenuUtils::SetDuration(m_menu, 0.0));
    EXPECT_EQ(E_INVALIDARG, CDSMenuUtils::SetDuration(m_menu, -3.0));
    EXPECT_TRUE(StackHolds(L"pMenu->put_Duration(dblSecs)"));
    EXPECT_TRUE(IsAutomatic());
    EXPECT_EQ(E_POINTER, CDSMenuUtils::GetDuration(m_menu, nullptr));
    EXPECT_EQ(E_POINTER, CDSMenuUtils::GetMaxDuration(nullptr, nullptr));
}

TEST_F(MenuDuration, TheLongestDurationIsWhatTheSmartAudioAllows)
{
    EXPECT_EQ(0.0, MaxDuration());
    AddSmartAudio("limited.xml", "90");
    EXPECT_EQ(90.0, MaxDuration());
    CComPtr<IDSMenu> other = AddMenu(m_project);
    std::swap(m_menu, other);
    AddSmartAudio("endless.xml", "");
    EXPECT_EQ(-1.0, MaxDuration());
}

// Still menus are what disc formats without moving menus need.
TEST_F(MenuDuration, MenusAreStillWhereTheDiscFormatHasNoMovingMenus)
{
    for (DiscFormat format :
         {DiscFormat_None, DiscFormat_DVD2, DiscFormat_DVD3, DiscFormat_BluRay2}) {
        ASSERT_EQ(S_OK, m_project->put_DiscFormat(format));
        EXPECT_TRUE(CDSMenuUtils::MenuShouldBeStill(m_menu)) << format;
    }
    for (DiscFormat format : {DiscFormat_DVD, DiscFormat_DVD4, DiscFormat_VCD, DiscFormat_BluRay}) {
        ASSERT_EQ(S_OK, m_project->put_DiscFormat(format));
        EXPECT_FALSE(CDSMenuUtils::MenuShouldBeStill(m_menu)) << format;
    }
    EXPECT_FALSE(CDSMenuUtils::MenuShouldBeStill(nullptr));
}

} // namespace

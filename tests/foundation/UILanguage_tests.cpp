#include "dsutils/DSAppUtils.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace {

class UILanguage : public ::testing::Test
{
protected:
    ScopedEnvironment m_configured{"REELMARK_UI_LANGUAGE", nullptr};
    ScopedEnvironment m_all{"LC_ALL", nullptr};
    ScopedEnvironment m_messages{"LC_MESSAGES", nullptr};
    ScopedEnvironment m_lang{"LANG", nullptr};
};

TEST_F(UILanguage, MessageLocaleGivesTheLanguageIdentifier)
{
    ScopedEnvironment lang("LANG", "de_AT.UTF-8");
    EXPECT_EQ(CDSAppUtils::GetUILanguageID(), CComBSTR(L"1031"));
    ScopedEnvironment messages("LC_MESSAGES", "pt_BR.UTF-8");
    EXPECT_EQ(CDSAppUtils::GetUILanguageID(), CComBSTR(L"1046"));
    ScopedEnvironment all("LC_ALL", "pt_PT");
    EXPECT_EQ(CDSAppUtils::GetUILanguageID(), CComBSTR(L"2070"));
}

TEST_F(UILanguage, UnknownOrMissingLocaleIsEnglish)
{
    EXPECT_EQ(CDSAppUtils::GetUILanguageID(), CComBSTR(L"1033"));
    ScopedEnvironment lang("LANG", "C.UTF-8");
    EXPECT_EQ(CDSAppUtils::GetUILanguageID(), CComBSTR(L"1033"));
    ScopedEnvironment all("LC_ALL", "esperanto");
    EXPECT_EQ(CDSAppUtils::GetUILanguageID(), CComBSTR(L"1033"));
}

TEST_F(UILanguage, ConfiguredNumberWinsAndNonsenseIsIgnored)
{
    ScopedEnvironment lang("LANG", "fr_FR.UTF-8");
    ScopedEnvironment configured("REELMARK_UI_LANGUAGE", "1041");
    EXPECT_EQ(CDSAppUtils::GetUILanguageID(), CComBSTR(L"1041"));
    ScopedEnvironment nonsense("REELMARK_UI_LANGUAGE", "../../etc");
    EXPECT_EQ(CDSAppUtils::GetUILanguageID(), CComBSTR(L"1036"));
}

} // namespace

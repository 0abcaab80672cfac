#include "dsutils/DSTimeStr.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <limits>
#include <locale.h>
#include <string>

namespace {

constexpr REFERENCE_TIME kSecond = 10000000;

std::wstring Text(const CDSTimeStr& time)
{
    return static_cast<const wchar_t*>(time);
}

class TimeDisplay : public ::testing::Test
{
protected:
    // The decimal separator comes from the user's locale: fix it to the C locale.
    ScopedEnvironment m_all{"LC_ALL", "C"};
};

TEST_F(TimeDisplay, WholeSecondsRoundUpOnlyBeyondOneHalf)
{
    EXPECT_EQ(Text(CDSTimeStr()), L"  0:00");
    EXPECT_EQ(Text(CDSTimeStr(59.5)), L"  0:59");
    EXPECT_EQ(Text(CDSTimeStr(59.6)), L"  1:00");
    EXPECT_EQ(Text(CDSTimeStr(3599.6)), L"  1:00:00");
    EXPECT_EQ(Text(CDSTimeStr(3723.0)), L"  1:02:03");
}

TEST_F(TimeDisplay, NegativeTimesCarryAMinusSign)
{
    EXPECT_EQ(Text(CDSTimeStr(-61.0)), L"- 1:01");
    EXPECT_EQ(Text(CDSTimeStr(REFERENCE_TIME(-3723) * kSecond)), L"- 1:02:03");
    EXPECT_EQ(Text(CDSTimeStr(-10.5, 25.0)), L"-00:00:10:12");
}

TEST_F(TimeDisplay, SubSecondDigitsFollowTheResolution)
{
    EXPECT_EQ(Text(CDSTimeStr(3723.25, 100.0)), L" 01:02:03.25");
    EXPECT_EQ(Text(CDSTimeStr(3723.25, 1000.0)), L" 01:02:03.250");
    EXPECT_EQ(Text(CDSTimeStr(3723.25, 200.0)), L" 01:02:03.050");
    EXPECT_EQ(Text(CDSTimeStr(3723.999, 100.0)), L" 01:02:03.99");
}

TEST_F(TimeDisplay, FramesAreTruncatedNotRounded)
{
    EXPECT_EQ(Text(CDSTimeStr(10.5, 25.0)), L" 00:00:10:12");
    EXPECT_EQ(Text(CDSTimeStr(10.99, 30.0)), L" 00:00:10:29");
}

TEST_F(TimeDisplay, AbsurdResolutionsAndTimesStayInTheText)
{
    CDSTimeStr huge(1e300, 1e300);
    EXPECT_LT(std::wcslen(huge), 32u);
    CDSTimeStr notANumber(0.5, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(Text(notANumber), L" 00:00:00:00");
}

TEST(TimeDisplayLocale, DecimalSeparatorIsTheUsersOne)
{
    const char* commaLocales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "fr_FR.utf8"};
    for (const char* name : commaLocales) {
        locale_t available = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr));
        if (!available)
            continue;
        freelocale(available);
        ScopedEnvironment all("LC_ALL", name);
        EXPECT_EQ(Text(CDSTimeStr(3723.25, 100.0)), L" 01:02:03,25");
        // The program's own locale is not changed by asking for the user's.
        EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
        return;
    }
    GTEST_SKIP() << "no locale with a decimal comma is installed";
}

TEST(TimeValue, SecondsAreTruncatedTowardZero)
{
    EXPECT_EQ(static_cast<REFERENCE_TIME>(CDSTimeStr(1.99999999e-7)), 1);
    EXPECT_EQ(static_cast<REFERENCE_TIME>(CDSTimeStr(-1.99999999e-7)), -1);
    EXPECT_DOUBLE_EQ(static_cast<double>(CDSTimeStr(REFERENCE_TIME(25) * kSecond / 10)), 2.5);
}

TEST(TimeValue, AssignmentKeepsTheTargetsResolution)
{
    ScopedEnvironment all("LC_ALL", "C");
    CDSTimeStr frames(1.0, 25.0);
    CDSTimeStr seconds(2.0, 0.0);
    frames = seconds;
    EXPECT_EQ(Text(frames), L" 00:00:02:00");
    frames = 3.5;
    EXPECT_EQ(Text(frames), L" 00:00:03:12");
    CDSTimeStr copy(frames);
    EXPECT_EQ(Text(copy), L" 00:00:03:12");
    copy = REFERENCE_TIME(4) * kSecond;
    EXPECT_EQ(Text(copy), L" 00:00:04:00");
}

constexpr const wchar_t* kUnits = L"%d h, %d min, %d s";

std::wstring Custom(const wchar_t* format, double seconds, double resolution = 0.0)
{
    wchar_t out[64] = L"untouched";
    wchar_t* written = CDSTimeStr::RefTime2WCustomStr(
        out, format, static_cast<REFERENCE_TIME>(seconds * kSecond), resolution);
    return written == out ? std::wstring(out) : L"<null>";
}

TEST(CustomTime, LeadingZeroUnitsAreDropped)
{
    EXPECT_EQ(Custom(kUnits, 75.0), L"1 min, 15 s");
    EXPECT_EQ(Custom(kUnits, 5.0), L"5 s");
    EXPECT_EQ(Custom(kUnits, 3 * 3600.0 + 4.0), L"3 h, 0 min, 4 s");
    EXPECT_EQ(Custom(kUnits, -75.0), L"1 min, 15 s");
}

TEST(CustomTime, FormatsWithoutEnoughCommasKeepTheirLeadingUnits)
{
    EXPECT_EQ(Custom(L"%d:%02d:%02d", 75.0), L"0:01:15");
    EXPECT_EQ(Custom(L"%d h, %d:%02d", 75.0), L"1:15");
    EXPECT_EQ(Custom(L"%d h, %d:%02d", 5.0), L"0 h, 0:05");
}

TEST(CustomTime, SubSecondCountFollowsTheSecondsAndIsTruncated)
{
    EXPECT_EQ(Custom(L"%d h, %d min, %d.%03d s", 5.25, 1000.0), L"5.250 s");
    EXPECT_EQ(Custom(L"%d h, %d min, %d s %02d f", 10.99, 25.0), L"10 s 24 f");
}

TEST(CustomTime, FormatEndingInACommaIsNotReadPastItsEnd)
{
    EXPECT_EQ(Custom(L"%d h,", 75.0), L"");
    EXPECT_EQ(Custom(L"%d h, %d m,", 5.0), L"");
}

TEST(CustomTime, EveryUnitIsWrittenByTheSecondFormatter)
{
    wchar_t out[64];
    EXPECT_EQ(
        CDSTimeStr::RefTime2WCustomStr2(out, L"%02d:%02d:%02d.%03d", 5250 * kSecond / 1000, 1000.0),
        out);
    EXPECT_STREQ(out, L"00:00:05.250");
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr2(out, kUnits, -75 * kSecond, 0.0), out);
    EXPECT_STREQ(out, L"0 h, 1 min, 15 s");
}

TEST(CustomTime, NullBufferOrFormatWritesNothing)
{
    wchar_t out[16] = L"untouched";
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr(nullptr, kUnits, kSecond, 0.0), nullptr);
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr(out, nullptr, kSecond, 0.0), nullptr);
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr2(nullptr, kUnits, kSecond, 0.0), nullptr);
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr2(out, nullptr, kSecond, 0.0), nullptr);
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr(out, sizeof out / sizeof *out, nullptr, 0, 0.0),
              nullptr);
    EXPECT_STREQ(out, L"untouched");
}

TEST(CustomTime, FormatsAskingForOtherThanIntsAreRefused)
{
    wchar_t out[16] = L"untouched";
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr(out, L"%ls", kSecond, 0.0), nullptr);
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr2(out, L"%d %f", kSecond, 0.0), nullptr);
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr2(out, L"%*d", kSecond, 0.0), nullptr);
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr2(out, L"%d%d%d%d%d", kSecond, 0.0), nullptr);
    EXPECT_STREQ(out, L"untouched");
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr2(out, L"%d%% %5.2x", kSecond, 0.0), out);
    EXPECT_STREQ(out, L"0%    00");
}

TEST(CustomTime, SizedFormsNeverWritePastTheBuffer)
{
    wchar_t out[8];
    std::wmemset(out, L'#', 8);
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr(out, 5, kUnits, 75 * kSecond, 0.0), nullptr);
    EXPECT_EQ(out[0], L'\0');
    EXPECT_EQ(out[5], L'#');
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr(out, 4, kUnits, 5 * kSecond, 0.0), out);
    EXPECT_STREQ(out, L"5 s");
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr2(out, 3, L"%d%d", 0, 0.0), out);
    EXPECT_STREQ(out, L"00");
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr2(out, 2, L"%d%d", 0, 0.0), nullptr);
    EXPECT_EQ(CDSTimeStr::RefTime2WCustomStr2(out, 0, L"", 0, 0.0), nullptr);
}

} // namespace

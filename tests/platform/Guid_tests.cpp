#include "platform/Guid.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr GUID kSample = MakeGuid("{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}");

TEST(Guid, TextFormRoundTripsInEitherCaseWithOrWithoutBraces)
{
    EXPECT_EQ(GuidToString(kSample), L"{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}");
    GUID parsed{};
    ASSERT_EQ(GuidFromString(L"{0a1b2c3d-4e5f-6071-8293-a4b5c6d7e8f9}", &parsed), S_OK);
    EXPECT_EQ(parsed, kSample);
    GUID bare{};
    ASSERT_EQ(GuidFromString(L"0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9", &bare), S_OK);
    EXPECT_EQ(bare, kSample);
    EXPECT_EQ(kSample.Data4[0], 0x82);
    EXPECT_EQ(kSample.Data4[7], 0xF9);
}

TEST(Guid, MalformedTextIsRefusedAndLeavesTheTargetAlone)
{
    GUID target = kSample;
    for (const wchar_t* text :
         {L"", L"{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F}", L"{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9",
          L"{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8FG}", L"{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}x",
          L"{0A1B2C3D 4E5F-6071-8293-A4B5C6D7E8F9}"}) {
        EXPECT_EQ(GuidFromString(text, &target), E_INVALIDARG) << text;
    }
    EXPECT_EQ(GuidFromString(nullptr, &target), E_INVALIDARG);
    EXPECT_EQ(target, kSample);
}

TEST(Guid, OrderingKeysMapsAndTellsEveryFieldApart)
{
    GUID a = kSample;
    GUID b = kSample;
    b.Data4[7] = 0xFA;
    EXPECT_TRUE(a < b);
    EXPECT_FALSE(b < a);
    EXPECT_NE(a, b);
    std::map<GUID, int> keyed{{a, 1}, {b, 2}, {GUID_NULL, 0}};
    EXPECT_EQ(keyed.size(), 3u);
    EXPECT_EQ(keyed[b], 2);
}

} // namespace

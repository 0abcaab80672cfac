#include "project/VariantLists.h"

#include <gtest/gtest.h>

namespace {

TEST(VariantLists, OneValueOrAnArrayOfValuesOrVariants)
{
    std::vector<std::wstring> names;
    EXPECT_EQ(S_OK, ReadStringList(CComVariant(L"a.mp4"), names));
    EXPECT_EQ(std::vector<std::wstring>{L"a.mp4"}, names);

    EXPECT_EQ(S_OK, ReadStringList(MakeStringArray({L"a", L"b"}), names));
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"b"}), names);

    CComVariant mixed;
    mixed.parray = SafeArrayCreateVector(VT_VARIANT, 0, 2);
    mixed.vt = VT_ARRAY | VT_VARIANT;
    CComVariant first(L"2");
    CComVariant second(LONG(1));
    LONG i = 0;
    EXPECT_EQ(S_OK, SafeArrayPutElement(mixed.parray, &i, &first));
    i = 1;
    EXPECT_EQ(S_OK, SafeArrayPutElement(mixed.parray, &i, &second));
    std::vector<LONG> numbers;
    EXPECT_EQ(S_OK, ReadLongList(mixed, numbers));
    EXPECT_EQ((std::vector<LONG>{2, 1}), numbers);
    std::vector<VARIANT_BOOL> flags;
    EXPECT_EQ(S_OK, ReadBoolList(MakeBoolArray({VARIANT_FALSE, VARIANT_TRUE}), flags));
    EXPECT_EQ((std::vector<VARIANT_BOOL>{VARIANT_FALSE, VARIANT_TRUE}), flags);
}

TEST(VariantLists, MissingArgumentsAreEmptyAndBadValuesAreRefused)
{
    std::vector<LONG> numbers{7};
    EXPECT_EQ(S_OK, ReadLongList(CComVariant(), numbers));
    EXPECT_TRUE(numbers.empty());
    EXPECT_EQ(S_OK, ReadLongList(MakeErrorVariant(DISP_E_PARAMNOTFOUND), numbers));
    EXPECT_TRUE(numbers.empty());

    EXPECT_EQ(DISP_E_TYPEMISMATCH, ReadLongList(MakeStringArray({L"1", L"one"}), numbers));
    EXPECT_TRUE(numbers.empty());
    CComVariant empty;
    empty.vt = VT_ARRAY | VT_BSTR;
    empty.parray = nullptr;
    std::vector<std::wstring> names;
    EXPECT_EQ(DISP_E_BADVARTYPE, ReadStringList(empty, names));
    empty.vt = VT_EMPTY;
}

} // namespace

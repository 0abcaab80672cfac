#include "platform/ComObject.h"
#include "platform/Variant.h"

#include <gtest/gtest.h>

namespace {

DS_INTERFACE_ID(ICounted, IUnknown, "{9D0E1F20-3A4B-4C5D-8E6F-708192A3B4C5}");
struct ICounted : IUnknown
{};

class Counted : public ComObject<Counted, ICounted>
{
public:
    explicit Counted(int* live) : m_live(live) { ++*m_live; }

private:
    ~Counted() override { --*m_live; }
    int* m_live;
};

TEST(Variant, CopiesOwnTheirStringsAndReferences)
{
    int live = 0;
    {
        CComPtr<Counted> object = Counted::Create(&live);
        CComVariant holder(object->GetUnknown());
        {
            CComVariant copy(holder);
            CComVariant text(L"name");
            CComVariant textCopy = text;
            EXPECT_NE(textCopy.bstrVal, text.bstrVal);
            EXPECT_TRUE(textCopy == text);
            EXPECT_EQ(copy.punkVal, holder.punkVal);
        }
        object = nullptr;
        EXPECT_EQ(live, 1);
        holder.Clear();
        EXPECT_EQ(live, 0);
        EXPECT_EQ(holder.vt, VT_EMPTY);
    }
}

TEST(Variant, AttachAndDetachMoveOwnershipWithoutCopying)
{
    VARIANT raw;
    VariantInit(&raw);
    raw.vt = VT_BSTR;
    raw.bstrVal = SysAllocString(L"moved");
    BSTR original = raw.bstrVal;
    CComVariant owner;
    ASSERT_EQ(owner.Attach(&raw), S_OK);
    EXPECT_EQ(raw.vt, VT_EMPTY);
    EXPECT_EQ(owner.bstrVal, original);
    VARIANT out;
    VariantInit(&out);
    ASSERT_EQ(owner.Detach(&out), S_OK);
    EXPECT_EQ(out.bstrVal, original);
    EXPECT_EQ(owner.vt, VT_EMPTY);
    VariantClear(&out);
}

TEST(Variant, ChangeTypeConvertsNumbersBooleansAndText)
{
    CComVariant number(L" 42 ");
    ASSERT_EQ(number.ChangeType(VT_I4), S_OK);
    EXPECT_EQ(number.lVal, 42);

    CComVariant real(L"2.5");
    ASSERT_EQ(real.ChangeType(VT_R8), S_OK);
    EXPECT_DOUBLE_EQ(real.dblVal, 2.5);
    ASSERT_EQ(real.ChangeType(VT_BSTR), S_OK);
    EXPECT_STREQ(real.bstrVal, L"2.5");

    CComVariant flag(L"true");
    ASSERT_EQ(flag.ChangeType(VT_BOOL), S_OK);
    EXPECT_EQ(flag.boolVal, VARIANT_TRUE);

    CComVariant bad(L"twelve");
    EXPECT_EQ(bad.ChangeType(VT_I4), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(bad.vt, VT_BSTR);

    CComVariant tooBig(L"70000");
    EXPECT_EQ(tooBig.ChangeType(VT_I2), DISP_E_TYPEMISMATCH);

    CComVariant error = MakeErrorVariant(0x80020004);
    EXPECT_EQ(error.vt, VT_ERROR);
}

TEST(SafeArray, VectorsOfStringsAndObjectsOwnTheirElements)
{
    int live = 0;
    SAFEARRAY* strings = SafeArrayCreateVector(VT_BSTR, 0, 2);
    ASSERT_NE(strings, nullptr);
    LONG index = 1;
    CComBSTR text(L"second");
    ASSERT_EQ(SafeArrayPutElement(strings, &index, text.m_str), S_OK);
    CComBSTR back;
    ASSERT_EQ(SafeArrayGetElement(strings, &index, &back.m_str), S_OK);
    EXPECT_EQ(back, text);
    EXPECT_NE(back.m_str, text.m_str);
    index = 2;
    EXPECT_EQ(SafeArrayPutElement(strings, &index, text.m_str), DISP_E_BADINDEX);
    LONG lower = -1, upper = -1;
    SafeArrayGetLBound(strings, 1, &lower);
    SafeArrayGetUBound(strings, 1, &upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 1);

    {
        CComVariant list(strings);
        EXPECT_EQ(list.vt, VT_ARRAY | VT_BSTR);
        EXPECT_NE(list.parray, strings);
    }
    EXPECT_EQ(SafeArrayDestroy(strings), S_OK);

    SAFEARRAY* objects = SafeArrayCreateVector(VT_UNKNOWN, 1, 1);
    {
        CComPtr<Counted> object = Counted::Create(&live);
        index = 1;
        ASSERT_EQ(SafeArrayPutElement(objects, &index, object->GetUnknown()), S_OK);
    }
    EXPECT_EQ(live, 1);
    void* data = nullptr;
    ASSERT_EQ(SafeArrayAccessData(objects, &data), S_OK);
    EXPECT_EQ(SafeArrayDestroy(objects), DISP_E_ARRAYISLOCKED);
    SafeArrayUnaccessData(objects);
    EXPECT_EQ(SafeArrayDestroy(objects), S_OK);
    EXPECT_EQ(live, 0);
}

} // namespace

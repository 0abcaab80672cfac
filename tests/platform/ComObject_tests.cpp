#include "platform/ClassFactory.h"
#include "platform/ComObject.h"
#include "platform/TaskMemory.h"

#include <gtest/gtest.h>

namespace {

DS_INTERFACE_ID(IShape, IUnknown, "{6B1C2D31-0F4E-4B8A-9C11-2A3B4C5D6E01}");
DS_INTERFACE_ID(ICircle, IShape, "{6B1C2D31-0F4E-4B8A-9C11-2A3B4C5D6E02}");
DS_INTERFACE_ID(INamed, IUnknown, "{6B1C2D31-0F4E-4B8A-9C11-2A3B4C5D6E03}");
DS_INTERFACE_ID(IUnrelated, IUnknown, "{6B1C2D31-0F4E-4B8A-9C11-2A3B4C5D6E04}");

struct IShape : IUnknown
{
    virtual int Sides() = 0;
};

struct ICircle : IShape
{
    virtual double Radius() = 0;
};

struct INamed : IUnknown
{
    virtual const wchar_t* Name() = 0;
};

struct IUnrelated : IUnknown
{};

constexpr CLSID CLSID_Circle = MakeGuid("{6B1C2D31-0F4E-4B8A-9C11-2A3B4C5D6EFF}");

class Circle : public ComObject<Circle, ICircle, INamed>
{
public:
    explicit Circle(int* liveCount = nullptr) : m_live(liveCount)
    {
        if (m_live)
            ++*m_live;
    }
    int Sides() override { return 0; }
    double Radius() override { return 2.5; }
    const wchar_t* Name() override { return L"circle"; }

private:
    ~Circle() override
    {
        if (m_live)
            --*m_live;
    }
    int* m_live;
};

TEST(ComObject, QueryInterfaceAnswersEveryInterfaceOfTheChainWithOneIdentity)
{
    int live = 0;
    {
        CComPtr<Circle> circle = Circle::Create(&live);
        CComQIPtr<IShape> shape(circle->GetUnknown());
        CComQIPtr<INamed> named(circle->GetUnknown());
        CComQIPtr<IUnrelated> unrelated(circle->GetUnknown());
        ASSERT_TRUE(shape);
        ASSERT_TRUE(named);
        EXPECT_FALSE(unrelated);
        EXPECT_EQ(shape->Sides(), 0);
        EXPECT_STREQ(named->Name(), L"circle");

        CComPtr<IUnknown> first;
        CComPtr<IUnknown> second;
        ASSERT_EQ(shape->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&first)), S_OK);
        ASSERT_EQ(named->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&second)), S_OK);
        EXPECT_EQ(first.p, second.p);
        EXPECT_TRUE(shape.IsEqualObject(named));

        void* none = reinterpret_cast<void*>(1);
        EXPECT_EQ(shape->QueryInterface(IID_IUnrelated, &none), E_NOINTERFACE);
        EXPECT_EQ(none, nullptr);
        EXPECT_EQ(live, 1);
    }
    EXPECT_EQ(live, 0);
}

TEST(ComObject, SmartPointersBalanceTheirReferences)
{
    int live = 0;
    CComPtr<ICircle> kept;
    {
        CComPtr<Circle> circle = Circle::Create(&live);
        CComPtr<ICircle> copy(circle.p);
        CComPtr<ICircle> moved(std::move(copy));
        EXPECT_FALSE(copy);
        kept = moved;
        moved = nullptr;
        CComPtr<ICircle> out;
        ASSERT_EQ(kept.CopyTo(&out), S_OK);
        // Taking the address of a held pointer releases it, so the next out argument
        // cannot leak it.
        ICircle** slot = &out;
        EXPECT_EQ(*slot, nullptr);
    }
    EXPECT_EQ(live, 1);
    ICircle* raw = kept.Detach();
    EXPECT_EQ(raw->Release(), 0u);
    EXPECT_EQ(live, 0);
}

TEST(ClassFactory, CreatesRegisteredClassesAndRestoresWhatATestReplaced)
{
    CComPtr<ICircle> created;
    EXPECT_EQ(created.CoCreateInstance(CLSID_Circle), REGDB_E_CLASSNOTREG);
    {
        ScopedClassRegistration registration(CLSID_Circle, CreatorOf<Circle>());
        ASSERT_EQ(created.CoCreateInstance(CLSID_Circle), S_OK);
        EXPECT_DOUBLE_EQ(created->Radius(), 2.5);
        CComPtr<IUnrelated> wrong;
        EXPECT_EQ(wrong.CoCreateInstance(CLSID_Circle), E_NOINTERFACE);
        EXPECT_FALSE(wrong);
    }
    EXPECT_FALSE(CoIsClassRegistered(CLSID_Circle));
    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_Circle, created, 0, IID_IUnknown, &object),
              CLASS_E_NOAGGREGATION);
}

TEST(TaskMemory, BlocksGrowAndAreFreedByTheReceiver)
{
    auto* block = static_cast<int*>(CoTaskMemAlloc(4 * sizeof(int)));
    ASSERT_NE(block, nullptr);
    block[3] = 7;
    block = static_cast<int*>(CoTaskMemRealloc(block, 64 * sizeof(int)));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[3], 7);
    CoTaskMemFree(block);
    CoTaskMemFree(nullptr);
}

} // namespace

#include "model/KVEEditData.h"
#include "model/KVEGraphManager.h"
#include "model/KVEMarkerList.h"
#include "model/KVEProductionData.h"
#include "model/KVEProductionInfo.h"
#include "model/KVGMediaFileProp.h"

#include "platform/ComObject.h"

#include <gtest/gtest.h>

namespace {

// Records which operation of the marker list ran, to check their places in the interface.
class RecordingMarkerList : public ComObject<RecordingMarkerList, IKVEMarkerList>
{
public:
    std::string last;

    HRESULT AddMarker(double, LONG, LONG, LONG*) override { return Note("add"); }
    HRESULT RemoveMarker(LONG) override { return Note("remove"); }
    HRESULT GetMarkerCount(LONG, LONG*) override { return Note("count"); }
    HRESULT GetMarkerItem(LONG, LONG, KVEMarker*) override { return Note("item"); }
    HRESULT GetMarkerByID(LONG, KVEMarker*) override { return Note("item by ID"); }
    HRESULT GetMarkerIndex(LONG, LONG*) override { return Note("index"); }
    HRESULT SetMarkerLink(LONG, LONG) override { return Note("set link"); }
    HRESULT RemoveAllMarkers() override { return Note("remove all"); }
    HRESULT SetMarkerName(LONG, BSTR) override { return Note("set name"); }
    HRESULT GetMarkerName(LONG, BSTR*) override { return Note("name"); }
    HRESULT RemoveMarkersOfKind(LONG) override { return Note("remove kind"); }
    HRESULT FindMarkerNear(double, LONG, double, LONG*) override { return Note("near"); }
    HRESULT GetTotalMarkerCount(LONG*) override { return Note("total"); }
    HRESULT CopyMarkersFrom(IKVEMarkerList*) override { return Note("copy"); }
    HRESULT SetMarkerTime(LONG, double) override { return Note("set time"); }

private:
    HRESULT Note(const char* operation)
    {
        last = operation;
        return S_OK;
    }
};

// Calls the operation in a slot of the object's table of operations, as a caller built
// against the table's layout does.
template <class... Args> void CallSlot(IKVEMarkerList* list, int slot, Args... args)
{
    using Operation = HRESULT (*)(IKVEMarkerList*, Args...);
    void** table = *reinterpret_cast<void***>(list);
    reinterpret_cast<Operation>(table[slot])(list, args...);
}

TEST(EngineInterfaces, MarkerListOperationsSitInTheirSlots)
{
    CComPtr<RecordingMarkerList> list = RecordingMarkerList::Create();
    LONG out = 0;
    KVEMarker marker{};
    CallSlot(list.p, 3, 1.0, LONG(0), LONG(0), &out);
    EXPECT_EQ("add", list->last);
    CallSlot(list.p, 4, LONG(1));
    EXPECT_EQ("remove", list->last);
    CallSlot(list.p, 5, LONG(0), &out);
    EXPECT_EQ("count", list->last);
    CallSlot(list.p, 6, LONG(0), LONG(0), &marker);
    EXPECT_EQ("item", list->last);
    CallSlot(list.p, 7, LONG(1), &marker);
    EXPECT_EQ("item by ID", list->last);
    CallSlot(list.p, 9, LONG(1), LONG(2));
    EXPECT_EQ("set link", list->last);
    CallSlot(list.p, 10);
    EXPECT_EQ("remove all", list->last);
    CallSlot(list.p, 17, LONG(1), 2.0);
    EXPECT_EQ("set time", list->last);
}

TEST(EngineInterfaces, MarkerListKeepsItsGivenIdentifier)
{
    EXPECT_EQ(L"{147670E6-FBB7-4E5A-BB81-FCC09064F16C}", GuidToString(IID_IKVEMarkerList));
}

} // namespace

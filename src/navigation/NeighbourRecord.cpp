#include "NeighbourRecord.h"

#include "platform/Check.h"
#include "platform/TaskMemory.h"

#include <memory>

namespace {

struct TaskMemFree
{
    void operator()(void* block) const { CoTaskMemFree(block); }
};

} // namespace

HRESULT ReadNeighbours(IDSMenuElement* pElement, ElementNeighbours& record)
{
    ElementNeighbours* pNeighbours = nullptr;
    HRESULT hr = pElement->GetNeighbours(&pNeighbours);
    std::unique_ptr<ElementNeighbours, TaskMemFree> copy(pNeighbours);
    CHECK_HR_TEXT(hr, "pElement->GetNeighbours(&pNeighbours)");
    CHECK_NULL(pNeighbours);
    record = *copy;
    return S_OK;
}

HRESULT WriteNeighbours(IDSMenuElement* pElement, const ElementNeighbours& record)
{
    CHECK_HR(pElement->SetNeighbours(record.left, record.right, record.up, record.down));
    return S_OK;
}

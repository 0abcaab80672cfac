#include "platform/GlobalMemory.h"

#include "HandleTable.h"

#include <new>
#include <vector>

namespace {

struct Block
{
    std::vector<BYTE> bytes;
    UINT locks = 0;
};

HandleTable<Block>& Blocks()
{
    static HandleTable<Block> table(0x10000);
    return table;
}

} // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes)
{
    if ((flags & ~(GMEM_MOVEABLE | GMEM_ZEROINIT)) != 0)
        return nullptr;
    Block block;
    try {
        block.bytes.resize(bytes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const std::length_error&) {
        return nullptr;
    }
    auto guard = Blocks().Lock();
    return Blocks().Add<HGLOBAL>(std::move(block));
}

LPVOID GlobalLock(HGLOBAL handle)
{
    auto guard = Blocks().Lock();
    Block* block = Blocks().Find(handle);
    if (!block || block->bytes.empty())
        return nullptr;
    ++block->locks;
    return block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL handle)
{
    auto guard = Blocks().Lock();
    Block* block = Blocks().Find(handle);
    if (!block || block->locks == 0)
        return FALSE;
    return --block->locks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL handle)
{
    auto guard = Blocks().Lock();
    return Blocks().Remove(handle) ? nullptr : handle;
}

SIZE_T GlobalSize(HGLOBAL handle)
{
    auto guard = Blocks().Lock();
    Block* block = Blocks().Find(handle);
    return block ? block->bytes.size() : 0;
}

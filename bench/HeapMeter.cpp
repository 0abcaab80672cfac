#include "HeapMeter.h"

#include <atomic>
#include <cerrno>
#include <malloc.h>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);
}

namespace {

std::atomic<std::size_t> current{0};
std::atomic<std::size_t> peak{0};

void* Counted(void* block)
{
    if (block) {
        std::size_t now = current += malloc_usable_size(block);
        std::size_t seen = peak.load();
        while (now > seen && !peak.compare_exchange_weak(seen, now)) {
        }
    }
    return block;
}

void Uncount(void* block)
{
    if (block)
        current -= malloc_usable_size(block);
}

} // namespace

extern "C" {

void* malloc(size_t size)
{
    return Counted(__libc_malloc(size));
}

void* calloc(size_t count, size_t size)
{
    return Counted(__libc_calloc(count, size));
}

void* realloc(void* block, size_t size)
{
    Uncount(block);
    void* moved = __libc_realloc(block, size);
    if (!moved && size != 0 && block) {
        Counted(block);
        return nullptr;
    }
    return Counted(moved);
}

void free(void* block)
{
    Uncount(block);
    __libc_free(block);
}

void* memalign(size_t alignment, size_t size)
{
    return Counted(__libc_memalign(alignment, size));
}

void* aligned_alloc(size_t alignment, size_t size)
{
    return Counted(__libc_memalign(alignment, size));
}

int posix_memalign(void** result, size_t alignment, size_t size)
{
    void* block = Counted(__libc_memalign(alignment, size));
    if (!block)
        return ENOMEM;
    *result = block;
    return 0;
}

} // extern "C"

namespace heapmeter {

std::size_t CurrentBytes()
{
    return current.load();
}

void ResetPeak()
{
    peak = current.load();
}

std::size_t PeakBytes()
{
    return peak.load();
}

} // namespace heapmeter

// The task allocator: blocks that one component allocates and another frees.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>

// A block of at least size bytes, or null when memory is short.
void* CoTaskMemAlloc(size_t size);

// Grows or shrinks a block (null allocates); null when memory is short, the old block kept.
void* CoTaskMemRealloc(void* block, size_t size);

// Frees a block; null is allowed.
void CoTaskMemFree(void* block);

// Movable memory blocks handed between a program and the clipboard, as the desktop platform's
// global memory functions hand them: a block is reached through its handle, locked to read or
// write its bytes, and freed by whoever owns it (the clipboard, once it took the block).
// Handles are checked: an unknown or freed handle is refused instead of being followed.
#pragma once

#include "platform/WinTypes.h"

using HANDLE = void*;
struct HGLOBAL__;
using HGLOBAL = HGLOBAL__*;

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// A new block of bytes bytes, always zero-filled; null for unknown flags or when memory is
// short.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);

// The block's bytes, and one more lock on it; null for an unknown handle or an empty block.
LPVOID GlobalLock(HGLOBAL block);

// Takes one lock off; TRUE while the block is still locked, FALSE when it no longer is or the
// handle is unknown.
BOOL GlobalUnlock(HGLOBAL block);

// Frees the block, locked or not. Null on success, the handle itself when it is unknown.
HGLOBAL GlobalFree(HGLOBAL block);

// The block's size in bytes; 0 for an unknown handle.
SIZE_T GlobalSize(HGLOBAL block);
